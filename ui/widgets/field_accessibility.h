#pragma once

// How assistive technology sees the window's own controls: a spin field is a spin box with
// its value, range and step as well as its editable text; a clickable picture that is enabled
// is a button that can be pressed; a framed group that carries a name is a named grouping.
// Qt would show the spin fields as plain text, the product icon as a mere image and the groups
// as nameless frames.
void installFieldAccessibility();

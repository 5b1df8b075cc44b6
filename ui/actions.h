#pragma once

class QWidget;
class Tf_cal;

namespace actions {

// Builds the main menu `MainMenu1` and the toolbar's context menu `PopupMenu4` with every
// item, caption, shortcut and visibility; binds the items, buttons and the page control to
// the window's handlers; and lets the menu shortcuts act from every field of the window,
// also while their item or menu is hidden.
void build(Tf_cal &window);

// Binds the controls of a region built after the window (the planning pages) as build() binds
// those built before it.
void bindRegion(Tf_cal &window, QWidget *region);

} // namespace actions

#pragma once

#include <QIcon>

// The pictures of the window's buttons and its product icon, painted in code at whatever size
// and pixel ratio they are shown: sharp on every screen, with no image files and no lookup in
// the desktop's icon theme. Each is painted only when a button first shows it.
namespace glyphs {

enum class Glyph {
    Product,   // three rising bars on a blue rounded square
    NewFile,   // a blank sheet with a folded corner
    Calculate, // a pocket calculator
    Options,   // three sliders
    HomePage,  // a house
    Keypad,    // a small number pad
    Close,     // a cross
    More,      // a chevron pointing right, for what does not fit
    Averaging, // a falling price line over the dashed line of its average
};

QIcon icon(Glyph glyph);

} // namespace glyphs

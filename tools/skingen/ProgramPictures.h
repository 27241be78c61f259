#pragma once

#include <QColor>
#include <QImage>

#include "Glyphs.h"

namespace skingen {

// The sizes the application icon is drawn in: those the program carries and those of the
// desktop's icon theme (the build installs each as its hicolor size).
inline constexpr int kApplicationIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The application icon, `size` pixels square, transparent around its rounded tile: a camera
// lens with a red recording dot.
QImage DrawApplicationIcon(int size);

// A 32 x 32 category icon: a white glyph on a rounded tile of `tileColour`.
QImage DrawCategoryIcon(const Glyph& glyph, const QColor& tileColour);

// The recordings list's header background, a strip stretched over the whole header.
QImage DrawListHeaderBack();

// Four 16 x 16 row images side by side on white, the transparent colour: a film, a camera, a
// clock and a folder.
QImage DrawRecordingRowIcons();

// Eight 16 x 16 check boxes side by side on 0xFF00FF, the transparent colour: unchecked,
// checked, both under the mouse, both disabled, mixed, and mixed disabled.
QImage DrawCheckBoxes();

// The two 16 x 16 check boxes of a column heading, unchecked and checked, on 0xFF00FF.
QImage DrawHeaderCheckBoxes();

}  // namespace skingen

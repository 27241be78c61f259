#pragma once

#include <QImage>

namespace skingen {

// The main window's background (510 x 680): a dark top band for the title and the big buttons,
// a light body with framed wells for the preview and the recordings list, and a dark bottom band
// for the clock, the folder buttons and the status line.
QImage DrawMainBackground();

// The studio's background (945 x 680): the same face, widened, with wells for the category list
// and the thumbnail grid, a panel for the paint tools, and no caption above the place below the
// preview, where the studio's tabs sit.
QImage DrawStudioBackground();

// The recordings list's empty area, tiled below its header while the list has no rows.
QImage DrawListBackground();

// The camera-choice dialog's background (500 x 299): a dark title band over a light body.
QImage DrawSourceDialogBackground();

}  // namespace skingen

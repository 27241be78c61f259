#pragma once

#include <QImage>
#include <QString>

namespace skingen {

// The words the backgrounds carry, in the language the skin is drawn for.
struct BackgroundWords {
    QString recordingsCaption;  // above the classic recordings list, in capitals
    QString elapsedCaption;     // before the recording clock
    QString brushWidthCaption;  // above the brush widths, in capitals
    QString emptyListHint;      // in the empty recordings list
};

// The main window's background (510 x 680): a dark top band for the title and the big buttons,
// a light body with framed wells for the preview and the recordings list, and a dark bottom band
// for the clock, the folder buttons and the status line.
QImage DrawMainBackground(const BackgroundWords& words);

// The studio's background (945 x 680): the same face, widened, with wells for the category list
// and the thumbnail grid, a panel for the paint tools, and no caption above the place below the
// preview, where the studio's tabs sit.
QImage DrawStudioBackground(const BackgroundWords& words);

// The recordings list's empty area, tiled below its header while the list has no rows.
QImage DrawListBackground(const BackgroundWords& words);

// The camera-choice dialog's background (500 x 299): a dark title band over a light body.
QImage DrawSourceDialogBackground();

}  // namespace skingen

#pragma once

#include <QIcon>
#include <QString>

namespace controls {

// The pictures built into the program, by the numbers the windows refer to: the application
// icon, the icons of the seven effect categories, and the bitmaps of the recordings list.
enum ResourceId : int {
    kIconApplication = 128,
    kIconAnimations = 134,
    kIconDistortions = 135,
    kIconFaces = 137,
    kIconAccessories = 138,
    kIconFrames = 139,
    kIconScenes = 140,
    kIconFilters = 141,
    kBitmapListHeaderBack = 145,     // header background strip, stretched over the header
    kBitmapRecordingRowIcons = 146,  // four 16 x 16 row images, white is transparent
    kBitmapCheckBoxes = 148,         // eight 16 x 16 check boxes, 0xFF00FF is transparent
    kBitmapHeaderCheckBoxes = 149,   // two 16 x 16 check boxes, 0xFF00FF is transparent
};

// The Qt resource path of picture `id` (":/resources/..."); empty for a number the program
// does not hold.
QString ResourcePath(int id);

// The application icon in every size the program carries.
QIcon ApplicationIcon();

}  // namespace controls

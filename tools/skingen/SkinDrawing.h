#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "Backgrounds.h"

namespace skingen {

// The words of a skin: each button's label by its pictures' base name (empty for none), and the
// backgrounds' captions.
struct SkinWords {
    std::function<QString(std::string_view skinBase)> buttonLabel;
    BackgroundWords backgrounds;
};

// The English words, as the skin generator draws them.
SkinWords EnglishSkinWords();

struct DrawnSkin {
    std::map<QString, QImage> pictures;  // by file name: "back_ui.bmp", "record_normal.bmp"...
    std::set<std::string> elidedLabels;  // buttons (by base name) whose word had to be shortened
    std::vector<std::string> problems;   // buttons the layout names that have no look
};

// The whole skin in `words`: the window's backgrounds, the three pictures (_normal, _hover,
// _click) of every button the main window's layout names, each drawn over the piece of
// background it covers at its place, and the camera dialog's background, OK and Cancel.
DrawnSkin DrawSkin(const SkinWords& words);

}  // namespace skingen

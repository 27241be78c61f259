#include "controls/ProgramResources.h"

#include <array>
#include <utility>

namespace controls {
namespace {

// The files are drawn by the skin generator and compiled into the program.
constexpr std::array<std::pair<int, const char*>, 12> kPictures{{
    {kIconApplication, ":/resources/quenvalor_256.png"},
    {kIconAnimations, ":/resources/category_animations.png"},
    {kIconDistortions, ":/resources/category_distortions.png"},
    {kIconFaces, ":/resources/category_faces.png"},
    {kIconAccessories, ":/resources/category_accessories.png"},
    {kIconFrames, ":/resources/category_frames.png"},
    {kIconScenes, ":/resources/category_scenes.png"},
    {kIconFilters, ":/resources/category_filters.png"},
    {kBitmapListHeaderBack, ":/resources/list_header_back.bmp"},
    {kBitmapRecordingRowIcons, ":/resources/recording_row_icons.bmp"},
    {kBitmapCheckBoxes, ":/resources/check_boxes.bmp"},
    {kBitmapHeaderCheckBoxes, ":/resources/header_check_boxes.bmp"},
}};

constexpr std::array<int, 6> kApplicationIconSizes{16, 24, 32, 48, 64, 256};

}  // namespace

QString ResourcePath(int id) {
    for (const auto& [pictureId, path] : kPictures)
        if (pictureId == id) return QString::fromLatin1(path);
    return {};
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : kApplicationIconSizes)
        icon.addFile(QStringLiteral(":/resources/quenvalor_%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace controls

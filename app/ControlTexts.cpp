#include "app/ControlTexts.h"

#include <QCoreApplication>

#include "app/MainLayout.h"
#include "app/SkinTexts.h"

namespace app {
namespace {

struct ControlName {
    int id;
    const char* name;
};

// Controls without a word on them, or whose word alone would not say what they do.
constexpr ControlName kControlNames[] = {
    {kTray, QT_TRANSLATE_NOOP("Controls", "Hide in the notification area")},
    {kMinimize, QT_TRANSLATE_NOOP("Controls", "Minimize")},
    {kClose, QT_TRANSLATE_NOOP("Controls", "Quit")},
    {kPreview, QT_TRANSLATE_NOOP("Controls", "Camera preview")},
    {kCategoryList, QT_TRANSLATE_NOOP("Controls", "Effect categories")},
    {kThumbnailGrid, QT_TRANSLATE_NOOP("Controls", "Effects of the category")},
    {kEffectsTable, QT_TRANSLATE_NOOP("Controls", "Effects in use")},
    {kRecordingsList, QT_TRANSLATE_NOOP("Controls", "Recordings of this session")},
    {kDeleteEffect, QT_TRANSLATE_NOOP("Controls", "Delete the selected effect")},
    {kRemoveAllEffects, QT_TRANSLATE_NOOP("Controls", "Remove all effects")},
    //: The paint tool that draws
    {kBrush, QT_TRANSLATE_NOOP("Controls", "Brush")},
    //: The paint tool that rubs out what was painted
    {kErase, QT_TRANSLATE_NOOP("Controls", "Eraser")},
    {kClearPaint, QT_TRANSLATE_NOOP("Controls", "Clear the painting")},
    {kColour, QT_TRANSLATE_NOOP("Controls", "Brush colour")},
    {kBrush1, QT_TRANSLATE_NOOP("Controls", "Brush width 1 pixel")},
    //: The second of two buttons for the finest brush
    {kBrush2, QT_TRANSLATE_NOOP("Controls", "Brush width 1 pixel, second button")},
    {kBrush3, QT_TRANSLATE_NOOP("Controls", "Brush width 2 pixels")},
    {kBrush4, QT_TRANSLATE_NOOP("Controls", "Brush width 5 pixels")},
    {kBrush5, QT_TRANSLATE_NOOP("Controls", "Brush width 10 pixels")},
    {kBrush6, QT_TRANSLATE_NOOP("Controls", "Brush width 20 pixels")},
    //: The recording clock
    {kClock, QT_TRANSLATE_NOOP("Controls", "Elapsed time")},
    {kOpenFolder, QT_TRANSLATE_NOOP("Controls", "Open the output folder")},
    {kBrowseFolder, QT_TRANSLATE_NOOP("Controls", "Change the output folder")},
    {kFolderEdit, QT_TRANSLATE_NOOP("Controls", "Output folder")},
    //: The button that offers the picture to other programs as a camera
    {kVirtualCamera, QT_TRANSLATE_NOOP("Controls", "Virtual camera")},
};

}  // namespace

QString SkinLabelOf(std::string_view skinBase) {
    const SkinText* label = FindSkinButtonLabel(skinBase);
    return label ? QCoreApplication::translate(kSkinContext, label->source, label->comment)
                 : QString();
}

QString AccessibleNameOf(int id) {
    for (const ControlName& entry : kControlNames)
        if (entry.id == id) return QCoreApplication::translate("Controls", entry.name);
    const LayoutEntry* entry = FindLayoutEntry(id);
    return entry ? SkinLabelOf(entry->skinBase) : QString();
}

}  // namespace app

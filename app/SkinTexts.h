#pragma once

// The words the skin's pictures carry: the buttons' labels and the captions of the backgrounds.
// The skin generator draws them in English; the window draws them again at run time in the
// user's language (see SkinLabels). One table, so both always agree.

#include <QtGlobal>

#include <array>
#include <string_view>

namespace app {

// An English text with the note that tells translators its sense (QT_TRANSLATE_NOOP3).
struct SkinText {
    const char* source;
    const char* comment;
};

inline constexpr const char* kSkinContext = "Skin";

struct SkinButtonLabel {
    std::string_view skinBase;  // the button's pictures, as MainLayout names them
    SkinText label;
};

inline constexpr auto kSkinButtonLabels = std::to_array<SkinButtonLabel>({
    {"webcam", QT_TRANSLATE_NOOP3("Skin", "Camera", "button: choose the camera")},
    {"studio", QT_TRANSLATE_NOOP3("Skin", "Effects", "button: open or close the effect studio")},
    {"effect", QT_TRANSLATE_NOOP3("Skin", "Arrange",
                                  "button: the mouse moves and resizes effects in the preview")},
    {"paint", QT_TRANSLATE_NOOP3("Skin", "Paint", "button: the mouse paints in the preview")},
    {"vcam", QT_TRANSLATE_NOOP3("Skin", "Virtual",
                                "button: switch the virtual camera (the picture offered to other "
                                "programs as a camera) on or off")},
    {"record", QT_TRANSLATE_NOOP3("Skin", "Record", "button: start recording (a verb)")},
    {"record_stop", QT_TRANSLATE_NOOP3("Skin", "Stop", "button: stop recording")},
    {"snap", QT_TRANSLATE_NOOP3("Skin", "Snapshot", "button: take a photo")},
    {"home", QT_TRANSLATE_NOOP3("Skin", "Home", "button: open the program's documentation")},
    {"delete", QT_TRANSLATE_NOOP3("Skin", "Delete", "button: remove the selected effect")},
    {"removeall", QT_TRANSLATE_NOOP3("Skin", "All", "button: remove all effects")},
    {"tab_recordings", QT_TRANSLATE_NOOP3("Skin", "Recordings", "tab: the list of recordings")},
    {"tab_effects", QT_TRANSLATE_NOOP3("Skin", "Effects", "tab: the effects in use")},
    {"open_folder", QT_TRANSLATE_NOOP3("Skin", "Open", "button: open the output folder")},
    {"change_folder", QT_TRANSLATE_NOOP3("Skin", "Change", "button: choose another output folder")},
    {"ok", QT_TRANSLATE_NOOP3("Skin", "OK", "button of the camera dialog")},
    {"cancel", QT_TRANSLATE_NOOP3("Skin", "Cancel", "button of the camera dialog")},
});

// The label of the button whose pictures are named `skinBase`; nullptr for a button without one.
constexpr const SkinText* FindSkinButtonLabel(std::string_view skinBase) {
    for (const SkinButtonLabel& entry : kSkinButtonLabels)
        if (entry.skinBase == skinBase) return &entry.label;
    return nullptr;
}

// The backgrounds' captions.
inline constexpr SkinText kRecordingsCaption =
    QT_TRANSLATE_NOOP3("Skin", "RECORDINGS", "caption above the list of recordings, in capitals");
inline constexpr SkinText kElapsedCaption =
    QT_TRANSLATE_NOOP3("Skin", "Elapsed", "label before the recording clock");
inline constexpr SkinText kBrushWidthCaption =
    QT_TRANSLATE_NOOP3("Skin", "BRUSH WIDTH", "caption above the brush width buttons, in capitals");
inline constexpr SkinText kEmptyListHint = QT_TRANSLATE_NOOP3(
    "Skin", "Your recordings of this session appear here", "shown in the empty recordings list");

}  // namespace app

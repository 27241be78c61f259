#include "SkinDrawing.h"

#include <map>

#include "ButtonFaces.h"
#include "Glyphs.h"
#include "SkinColours.h"
#include "app/MainLayout.h"
#include "app/SkinTexts.h"

namespace skingen {
namespace {

const std::map<std::string_view, ButtonLook>& ButtonLooks() {
    using enum ButtonStyle;
    static const std::map<std::string_view, ButtonLook> looks{
        {"tray", {WindowControl, glyphs::ArrowIntoTray, {}}},
        {"mini", {WindowControl, glyphs::MinimiseBar, {}}},
        {"close", {CloseControl, glyphs::CloseCross, {}}},
        {"webcam", {BandTile, glyphs::Webcam, {}}},
        {"studio", {BandTile, glyphs::MagicWand, {}}},
        {"effect", {BandTile, glyphs::Pointer, {}}},
        {"paint", {BandTile, glyphs::Brush, {}}},
        {"vcam", {BandTile, glyphs::VideoCall, {}}},
        {"record", {BandTile, glyphs::RecordDot, {}}},
        {"record_stop", {BandTile, glyphs::StopSquare, {}}},
        {"snap", {BandTile, glyphs::Aperture, {}}},
        {"home", {BandTile, glyphs::House, {}}},
        {"delete", {BodySide, glyphs::Trash, {}}},
        {"removeall", {BodySide, glyphs::ClearList, {}}},
        {"tab_recordings", {BodySide, glyphs::FilmStrip, {}}},
        {"tab_effects", {BodySide, glyphs::MagicWand, {}}},
        {"open_folder", {BandPill, glyphs::Folder, {}}},
        {"change_folder", {BandPill, glyphs::FolderWithArrow, {}}},
        {"brush", {BodyTool, glyphs::Brush, {}}},
        {"clearpaint", {BodyTool, glyphs::ClearCanvas, {}}},
        {"color", {BodyTool, glyphs::Palette, {}}},
        {"erase", {BodyTool, glyphs::Eraser, {}}},
        // Dots in proportion to the widths 1, 1, 2, 5, 10 and 20 pixels, readable at the small end.
        {"brush1", {BodyTool, glyphs::BrushDot(2.4), {}}},
        {"brush2", {BodyTool, glyphs::BrushDot(2.4), {}}},
        {"brush3", {BodyTool, glyphs::BrushDot(3.6), {}}},
        {"brush4", {BodyTool, glyphs::BrushDot(6.5), {}}},
        {"brush5", {BodyTool, glyphs::BrushDot(11), {}}},
        {"brush6", {BodyTool, glyphs::BrushDot(18), {}}},
        {"ok", {DialogPrimary, {}, {}}},
        {"cancel", {DialogSecondary, {}, {}}},
    };
    return looks;
}

// Draws the three pictures of the button `base` over the part of `background` at `place`; a
// place outside the background gets the body's colour behind it.
void DrawButtonPictures(DrawnSkin& skin, const SkinWords& words, std::string_view base,
                        const QImage& background, const QRect& place) {
    const auto look = ButtonLooks().find(base);
    if (look == ButtonLooks().end()) {
        skin.problems.push_back("no look for the button \"" + std::string(base) + "\"");
        return;
    }
    QImage backdrop;
    if (background.rect().contains(place)) {
        backdrop = background.copy(place);
    } else {
        backdrop = QImage(place.size(), QImage::Format_RGB32);
        backdrop.fill(colours::kBodyTop);
    }
    ButtonLook labelled = look->second;
    labelled.label = words.buttonLabel(base);
    const QString prefix = QString::fromLatin1(base.data(), static_cast<int>(base.size()));
    bool elided = false;
    skin.pictures[prefix + "_normal.bmp"] =
        DrawButton(labelled, ButtonState::Normal, backdrop, &elided);
    skin.pictures[prefix + "_hover.bmp"] = DrawButton(labelled, ButtonState::Hover, backdrop);
    skin.pictures[prefix + "_click.bmp"] = DrawButton(labelled, ButtonState::Click, backdrop);
    if (elided) skin.elidedLabels.insert(std::string(base));
}

}  // namespace

SkinWords EnglishSkinWords() {
    SkinWords words;
    words.buttonLabel = [](std::string_view base) {
        const app::SkinText* label = app::FindSkinButtonLabel(base);
        return label ? QString::fromUtf8(label->source) : QString();
    };
    words.backgrounds = {QString::fromUtf8(app::kRecordingsCaption.source),
                         QString::fromUtf8(app::kElapsedCaption.source),
                         QString::fromUtf8(app::kBrushWidthCaption.source),
                         QString::fromUtf8(app::kEmptyListHint.source)};
    return words;
}

DrawnSkin DrawSkin(const SkinWords& words) {
    DrawnSkin skin;
    const QImage mainBackground = DrawMainBackground(words.backgrounds);
    const QImage studioBackground = DrawStudioBackground(words.backgrounds);
    skin.pictures["back_ui.bmp"] = mainBackground;
    skin.pictures["back_studio.bmp"] = studioBackground;
    skin.pictures["list_back.bmp"] = DrawListBackground(words.backgrounds);
    // A button the studio moves is drawn for its studio place, the only one where it shows.
    for (const app::LayoutEntry& entry : app::kMainLayout) {
        if (entry.kind != app::ControlKind::HoverButton) continue;
        if (const app::StudioPlace* place = app::FindStudioPlace(entry.id)) {
            DrawButtonPictures(skin, words, entry.skinBase, studioBackground,
                               QRect(place->x, place->y, entry.width, entry.height));
        } else {
            DrawButtonPictures(skin, words, entry.skinBase, mainBackground,
                               QRect(entry.x, entry.y, entry.width, entry.height));
        }
    }
    // The camera dialog: its OK and Cancel buttons at (270, 200) and (380, 200), 97 x 30.
    const QImage dialogBackground = DrawSourceDialogBackground();
    skin.pictures["register_bk.bmp"] = dialogBackground;
    DrawButtonPictures(skin, words, "ok", dialogBackground, QRect(270, 200, 97, 30));
    DrawButtonPictures(skin, words, "cancel", dialogBackground, QRect(380, 200, 97, 30));
    // Bitmaps are stored without alpha, as 24-bit pictures; drawn skins are the same pictures.
    for (auto& [name, picture] : skin.pictures)
        picture = picture.convertToFormat(QImage::Format_RGB888);
    return skin;
}

}  // namespace skingen

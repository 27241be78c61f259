// quenvalor-skingen: draws the program's skin and its built-in pictures.
//
//   quenvalor-skingen <skin folder> <picture folder>
//
// The skin folder receives the window backgrounds and the three pictures (_normal, _hover,
// _click) of every button the main window's layout names, plus the camera dialog's OK and
// Cancel; each button picture has its button's size and carries the piece of background it
// covers. The picture folder receives the application icon, the effect categories' icons and
// the recordings list's bitmaps, which the build compiles into the program.

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <map>
#include <string_view>

#include "Backgrounds.h"
#include "ButtonFaces.h"
#include "Glyphs.h"
#include "ProgramPictures.h"
#include "SkinColours.h"
#include "app/MainLayout.h"
#include "app/SkinTexts.h"

namespace {

using namespace skingen;

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

class Writer {
public:
    bool Save(const QImage& image, const QString& path) {
        // Bitmaps are stored without alpha, as 24-bit pictures.
        const bool bitmap = path.endsWith(QStringLiteral(".bmp"));
        const QImage stored = bitmap ? image.convertToFormat(QImage::Format_RGB888) : image;
        if (stored.save(path)) return true;
        std::fprintf(stderr, "quenvalor-skingen: cannot write %s\n", qPrintable(path));
        ok_ = false;
        return false;
    }
    void Fail() { ok_ = false; }
    bool Ok() const { return ok_; }

private:
    bool ok_ = true;
};

// Writes the three pictures of the button `base`, drawn over the part of `background` at
// `place`; a place outside the background gets the body's colour behind it.
void WriteButton(Writer& writer, const QString& skinFolder, std::string_view base,
                 const QImage& background, const QRect& place) {
    const auto look = ButtonLooks().find(base);
    if (look == ButtonLooks().end()) {
        std::fprintf(stderr, "quenvalor-skingen: no look for the button \"%.*s\"\n",
                     static_cast<int>(base.size()), base.data());
        writer.Fail();
        return;
    }
    QImage backdrop;
    if (background.rect().contains(place)) {
        backdrop = background.copy(place);
    } else {
        backdrop = QImage(place.size(), QImage::Format_RGB32);
        backdrop.fill(colours::kBodyTop);
    }
    // The skin's word is the English one; the window draws it again in the user's language.
    ButtonLook labelled = look->second;
    if (const app::SkinText* label = app::FindSkinButtonLabel(base))
        labelled.label = QString::fromUtf8(label->source);
    const QString prefix = skinFolder + QString::fromLatin1(base.data(), base.size());
    writer.Save(DrawButton(labelled, ButtonState::Normal, backdrop), prefix + "_normal.bmp");
    writer.Save(DrawButton(labelled, ButtonState::Hover, backdrop), prefix + "_hover.bmp");
    writer.Save(DrawButton(labelled, ButtonState::Click, backdrop), prefix + "_click.bmp");
}

void WriteSkin(Writer& writer, const QString& skinFolder) {
    const QImage mainBackground = DrawMainBackground();
    writer.Save(mainBackground, skinFolder + "back_ui.bmp");
    const QImage studioBackground = DrawStudioBackground();
    writer.Save(studioBackground, skinFolder + "back_studio.bmp");
    writer.Save(DrawListBackground(), skinFolder + "list_back.bmp");
    // A button the studio moves is drawn for its studio place, the only one where it shows.
    for (const app::LayoutEntry& entry : app::kMainLayout) {
        if (entry.kind != app::ControlKind::HoverButton) continue;
        if (const app::StudioPlace* place = app::FindStudioPlace(entry.id)) {
            WriteButton(writer, skinFolder, entry.skinBase, studioBackground,
                        QRect(place->x, place->y, entry.width, entry.height));
        } else {
            WriteButton(writer, skinFolder, entry.skinBase, mainBackground,
                        QRect(entry.x, entry.y, entry.width, entry.height));
        }
    }

    // The camera dialog: its OK and Cancel buttons at (270, 200) and (380, 200), 97 x 30.
    const QImage dialogBackground = DrawSourceDialogBackground();
    writer.Save(dialogBackground, skinFolder + "register_bk.bmp");
    WriteButton(writer, skinFolder, "ok", dialogBackground, QRect(270, 200, 97, 30));
    WriteButton(writer, skinFolder, "cancel", dialogBackground, QRect(380, 200, 97, 30));
}

void WritePictures(Writer& writer, const QString& pictureFolder) {
    for (const int size : kApplicationIconSizes)
        writer.Save(DrawApplicationIcon(size),
                    pictureFolder + QStringLiteral("quenvalor_%1.png").arg(size));

    const struct {
        const char* name;
        Glyph glyph;
        QColor tile;
    } categories[] = {
        {"animations", glyphs::FilmStrip, QColor(245, 124, 48)},
        {"distortions", glyphs::Waves, QColor(132, 86, 238)},
        {"filters", glyphs::ColourCircles, QColor(18, 168, 150)},
        {"scenes", glyphs::Landscape, QColor(40, 160, 96)},
        {"faces", glyphs::Smiley, QColor(232, 164, 20)},
        {"accessories", glyphs::Sunglasses, QColor(224, 78, 120)},
        {"frames", glyphs::PictureFrame, QColor(56, 118, 240)},
    };
    for (const auto& category : categories)
        writer.Save(DrawCategoryIcon(category.glyph, category.tile),
                    pictureFolder + "category_" + category.name + ".png");

    writer.Save(DrawListHeaderBack(), pictureFolder + "list_header_back.bmp");
    writer.Save(DrawRecordingRowIcons(), pictureFolder + "recording_row_icons.bmp");
    writer.Save(DrawCheckBoxes(), pictureFolder + "check_boxes.bmp");
    writer.Save(DrawHeaderCheckBoxes(), pictureFolder + "header_check_boxes.bmp");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quenvalor-skingen <skin folder> <picture folder>\n");
        return 2;
    }
    // Text needs a font database, which needs a platform; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const QString skinFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + '/';
    const QString pictureFolder = QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + '/';
    if (!QDir().mkpath(skinFolder) || !QDir().mkpath(pictureFolder)) {
        std::fprintf(stderr, "quenvalor-skingen: cannot make the output folders\n");
        return 1;
    }
    Writer writer;
    WriteSkin(writer, skinFolder);
    WritePictures(writer, pictureFolder);
    return writer.Ok() ? 0 : 1;
}

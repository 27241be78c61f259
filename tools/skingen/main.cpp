// quenvalor-skingen: draws the program's skin and its built-in pictures.
//
//   quenvalor-skingen <skin folder> <picture folder>
//
// The skin folder receives the window backgrounds and the three pictures (_normal, _hover,
// _click) of every button the main window's layout names, plus the camera dialog's OK and
// Cancel; each button picture has its button's size and carries the piece of background it
// covers; the words are the English ones (the window draws the skin again in the user's
// language, with the same code). The picture folder receives the application icon, the effect categories' icons and
// the recordings list's bitmaps, which the build compiles into the program.

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "Glyphs.h"
#include "ProgramPictures.h"
#include "SkinDrawing.h"

namespace {

using namespace skingen;

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

void WriteSkin(Writer& writer, const QString& skinFolder) {
    const DrawnSkin skin = DrawSkin(EnglishSkinWords());
    for (const std::string& problem : skin.problems) {
        std::fprintf(stderr, "quenvalor-skingen: %s\n", problem.c_str());
        writer.Fail();
    }
    for (const auto& [name, picture] : skin.pictures) writer.Save(picture, skinFolder + name);
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

// quenvalor-fxgen: draws the effect set the program ships.
//
//   quenvalor-fxgen draw <work folder>
//       writes sample.png (the picture thumbnails are rendered on), blank.png (the picture of
//       effects that show none), <Category>/<name>.json and <Category>/<name>.png for every
//       effect, and effects.txt, one line "<Category> <name> <picture> <time in ms>" per effect.
//   quenvalor-fxgen thumbnails <work folder>
//       turns every renders/<Category>/<name>.bmp (the sample with the effect applied, as
//       quenvalor-eft renders it) into thumbnails/<Category>/<name>.bmp.
//
// Packing and rendering between the two steps is done by quenvalor-eft (make_effect_set.sh).

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <string>

#include "tools/fxgen/Artwork.h"
#include "tools/fxgen/EffectSet.h"

namespace {

using namespace fxgen;

// The size the browser's grid shows a thumbnail at: 90 % of its 80 x 60 items.
constexpr QSize kThumbnailSize(72, 54);

QString Path(const QString& folder, const std::string& category, const std::string& file) {
    return folder + '/' + QString::fromStdString(category) + '/' + QString::fromStdString(file);
}

bool Fail(const QString& message) {
    std::fprintf(stderr, "quenvalor-fxgen: %s\n", qPrintable(message));
    return false;
}

bool WriteText(const QString& path, const std::string& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size())) {
        return Fail("cannot write " + path);
    }
    return true;
}

bool SavePicture(const QImage& image, const QString& path) {
    return image.save(path) || Fail("cannot write " + path);
}

bool Draw(const QString& work) {
    if (!QDir().mkpath(work)) return Fail("cannot make " + work);
    if (!SavePicture(DrawSamplePicture().convertToFormat(QImage::Format_RGB888),
                     work + "/sample.png")) {
        return false;
    }
    QImage blank(1, 1, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    if (!SavePicture(blank, work + "/blank.png")) return false;

    std::string manifest;
    for (const std::string& category : Categories()) {
        if (!QDir().mkpath(work + '/' + QString::fromStdString(category))) {
            return Fail("cannot make the folder of " + QString::fromStdString(category));
        }
    }
    for (const EffectEntry& entry : EffectSet()) {
        const PackedEffect effect = entry.make();
        if (!WriteText(Path(work, entry.category, entry.name + ".json"),
                       effect.descriptor.dump(2) + '\n')) {
            return false;
        }
        std::string picture = "blank.png";
        if (!effect.picture.isNull()) {
            picture = entry.category + '/' + entry.name + ".png";
            if (!SavePicture(effect.picture, work + '/' + QString::fromStdString(picture))) {
                return false;
            }
        }
        manifest += entry.category + ' ' + entry.name + ' ' + picture + ' ' +
                    std::to_string(entry.thumbnailTimeMs) + '\n';
    }
    return WriteText(work + "/effects.txt", manifest);
}

bool MakeThumbnails(const QString& work) {
    for (const std::string& category : Categories()) {
        if (!QDir().mkpath(work + "/thumbnails/" + QString::fromStdString(category))) {
            return Fail("cannot make the thumbnail folder of " + QString::fromStdString(category));
        }
    }
    for (const EffectEntry& entry : EffectSet()) {
        const QString renderPath = Path(work + "/renders", entry.category, entry.name + ".bmp");
        const QImage rendered(renderPath);
        if (rendered.isNull()) return Fail("cannot read " + renderPath);
        const QImage thumbnail =
            rendered.copy(entry.thumbnailArea)
                .scaled(kThumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB888);
        if (!SavePicture(thumbnail,
                         Path(work + "/thumbnails", entry.category, entry.name + ".bmp"))) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quenvalor-fxgen draw|thumbnails <work folder>\n");
        return 2;
    }
    // Text needs a font database, which needs a platform; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const std::string mode = argv[1];
    const QString work = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    if (mode == "draw") return Draw(work) ? 0 : 1;
    if (mode == "thumbnails") return MakeThumbnails(work) ? 0 : 1;
    std::fprintf(stderr, "quenvalor-fxgen: unknown step %s\n", mode.c_str());
    return 2;
}

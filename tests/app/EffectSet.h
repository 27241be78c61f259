#pragma once

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRect>

#include <string>

#include "effects/EffectFileWriter.h"

namespace app_test {

// Effect files and thumbnails in a program folder, laid out as the window reads them:
// Effects/<category>/<name>.eft and EffectsBmps/<category>/<name>.bmp.
class EffectSet {
public:
    explicit EffectSet(const QString& programFolder) : programFolder(programFolder) {}

    // Writes a thumbnail, EffectsBmps/ + `relativePath` (such as "Frames/heart.bmp"); returns its
    // full path.
    QString Thumbnail(const QString& relativePath) const {
        const QString path = programFolder + "/EffectsBmps/" + relativePath;
        QDir().mkpath(QFileInfo(path).path());
        QImage picture(80, 60, QImage::Format_RGB32);
        picture.fill(QColor(40, 120, 200));
        EXPECT_TRUE(picture.save(path, "BMP")) << path.toStdString();
        return path;
    }

    // Writes a one-frame red animation shown at `place` of the preview, Effects/ +
    // `relativePath` (such as "Frames/heart.eft"); returns its full path.
    QString Effect(const QString& relativePath, QRect place, bool playOnce = false) const {
        const QString path = programFolder + "/Effects/" + relativePath;
        QDir().mkpath(QFileInfo(path).path());
        effects::EffectDescriptor d;
        d.type = 1;
        d.frameCount = 1;
        d.delays = {100};
        d.width = place.width();
        d.height = place.height();
        d.x = place.x();
        d.y = place.y();
        d.playOnce = playOnce ? 1 : 0;
        QImage picture(8, 8, QImage::Format_ARGB32);
        picture.fill(QColor(255, 0, 0));
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        picture.save(&png, "PNG");
        d.image.assign(png.data().begin(), png.data().end());
        d.imageSize = static_cast<int32_t>(d.image.size());
        std::string error;
        EXPECT_TRUE(effects::WriteEffectFile(path.toStdString(), d, {}, error)) << error;
        return path;
    }

    // Both files of "<category>/<name>"; returns the thumbnail's path.
    QString Add(const QString& categoryAndName, QRect place = {100, 100, 100, 80},
                bool playOnce = false) const {
        Effect(categoryAndName + ".eft", place, playOnce);
        return Thumbnail(categoryAndName + ".bmp");
    }

private:
    QString programFolder;
};

}  // namespace app_test

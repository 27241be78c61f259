#pragma once

#include <QPixmap>
#include <QRgb>
#include <QString>

#include <vector>

class QWidget;

namespace controls {

// Loads the picture file at path into picture. A file that cannot be loaded leaves picture as it
// was and returns false.
bool LoadPicture(const QString& path, QPixmap& picture);

// Cuts a horizontal strip of pictures into images `imageWidth` pixels wide; pixels of
// `maskColour` become transparent. Empty when the file cannot be loaded.
std::vector<QPixmap> LoadImageStrip(const QString& path, int imageWidth, QRgb maskColour);

// An unchecked and a checked box of `size` pixels drawn by the widget's style, for when the
// check-box pictures cannot be loaded.
std::vector<QPixmap> StyleCheckBoxImages(const QWidget* widget, int size);

}  // namespace controls

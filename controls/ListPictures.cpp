#include "controls/ListPictures.h"

#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <utility>

namespace controls {

bool LoadPicture(const QString& path, QPixmap& picture) {
    QPixmap loaded;
    if (!loaded.load(path)) return false;
    picture = std::move(loaded);
    return true;
}

std::vector<QPixmap> LoadImageStrip(const QString& path, int imageWidth, QRgb maskColour) {
    QImage strip(path);
    if (strip.isNull() || imageWidth <= 0) return {};
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = maskColour & RGB_MASK;
    for (int y = 0; y < strip.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x)
            if ((line[x] & RGB_MASK) == mask) line[x] = 0;
    }
    std::vector<QPixmap> images;
    for (int left = 0; left + imageWidth <= strip.width(); left += imageWidth)
        images.push_back(QPixmap::fromImage(strip.copy(left, 0, imageWidth, strip.height())));
    return images;
}

std::vector<QPixmap> StyleCheckBoxImages(const QWidget* widget, int size) {
    std::vector<QPixmap> images;
    for (const QStyle::StateFlag state : {QStyle::State_Off, QStyle::State_On}) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        QStyleOptionButton option;
        option.initFrom(widget);
        option.rect = QRect(0, 0, size, size);
        option.state = QStyle::State_Enabled | state;
        widget->style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, widget);
        painter.end();
        images.push_back(picture);
    }
    return images;
}

}  // namespace controls

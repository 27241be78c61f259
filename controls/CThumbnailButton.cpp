#include "controls/CThumbnailButton.h"

#include <QPainter>

namespace controls {

namespace {
constexpr QColor kFill(230, 230, 230);
constexpr QColor kHoverFill(180, 190, 210);
constexpr QColor kBorder(33, 33, 33);
constexpr QColor kHoverBorder(10, 35, 105);
}  // namespace

CThumbnailButton::CThumbnailButton(const QString& path, QSize bitmapSize, QWidget* parent)
    : GridItem(path, bitmapSize, parent) {}

void CThumbnailButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(QRect(1, 1, width() - 1, height() - 1), IsHovered() ? kHoverFill : kFill);
    painter.setPen(IsHovered() ? kHoverBorder : kBorder);
    painter.drawRect(0, 0, width() - 1, height() - 1);
    if (HasBitmap())
        painter.drawImage((width() - Bitmap().width()) / 2, (height() - Bitmap().height()) / 2,
                          Bitmap());
}

}  // namespace controls

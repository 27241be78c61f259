#include "controls/CThumbnailButton.h"

#include <QPainter>

namespace controls {

namespace {
struct Look {
    QColor fill;
    QColor border;
};
constexpr Look kRestLook{{230, 230, 230}, {33, 33, 33}};
constexpr Look kHoverLook{{180, 190, 210}, {10, 35, 105}};
}  // namespace

CThumbnailButton::CThumbnailButton(const QString& path, QSize bitmapSize, QWidget* parent)
    : GridItem(path, bitmapSize, parent) {}

void CThumbnailButton::paintEvent(QPaintEvent*) {
    const Look& look = IsHovered() ? kHoverLook : kRestLook;
    QPainter painter(this);
    painter.fillRect(QRect(1, 1, width() - 1, height() - 1), look.fill);
    painter.setPen(look.border);
    painter.drawRect(0, 0, width() - 1, height() - 1);
    if (HasBitmap())
        painter.drawImage((width() - Bitmap().width()) / 2, (height() - Bitmap().height()) / 2,
                          Bitmap());
    PaintFocusMark(painter);
}

}  // namespace controls

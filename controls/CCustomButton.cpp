#include "controls/CCustomButton.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

namespace controls {

namespace {
constexpr QRgb kNormalFill = qRgb(250, 250, 250);
constexpr QRgb kHighlightFill = qRgb(180, 190, 210);
constexpr QRgb kBorder = qRgb(200, 200, 200);
constexpr QRect kPictureArea(2, 2, 36, 27);
constexpr QPoint kLabelPlace(42, 7);
constexpr int kLabelFontHeight = 12;  // pixels; a 14-pixel character cell
}  // namespace

CCustomButton::CCustomButton(const QString& path, int loadWidth, int loadHeight, QWidget* parent)
    : GridItem(parent), label(QFileInfo(path).fileName()), path(path) {
    setMouseTracking(true);
    const QImage picture(path, "BMP");
    if (!picture.isNull())
        bitmap =
            picture.scaled(loadWidth, loadHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void CCustomButton::SetState(int newState) {
    state = newState;
    update();
}

void CCustomButton::CancelHover() {
    tracking = false;
    update();
}

void CCustomButton::mouseMoveEvent(QMouseEvent*) {
    if (tracking) return;
    pressed = false;
    tracking = true;
    Lift();
    update();
}

void CCustomButton::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::RightButton) {
        GridItem::mousePressEvent(event);
        return;
    }
    if (!pressed && tracking) {
        pressed = true;
        if (button == Qt::LeftButton) {
            state = kHighlighted;
            update();
        }
        Sink();
    }
    // Last: a receiver may remove the item.
    if (button == Qt::LeftButton)
        emit LeftClicked(this);
    else
        emit RightClicked(this);
}

void CCustomButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        GridItem::mouseReleaseEvent(event);
        return;
    }
    if (pressed && tracking) {
        pressed = false;
        Lift();
    }
}

void CCustomButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        GridItem::mouseDoubleClickEvent(event);
}

void CCustomButton::leaveEvent(QEvent*) {
    // After CancelHover the button no longer waits for the pointer to leave.
    if (!tracking) return;
    if (!pressed) {
        Sink();
        update();
    }
    pressed = false;
    tracking = false;
}

void CCustomButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    if (state == kHighlighted)
        painter.fillRect(QRect(1, 1, w - 1, h - 1), QColor(kHighlightFill));
    else if (state == kNormal)
        painter.fillRect(QRect(1, 1, w - 1, h - 1), QColor(kNormalFill));
    painter.setPen(QColor(kBorder));
    painter.drawRect(0, 0, w - 1, h - 1);
    if (!HasBitmap()) return;

    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(kPictureArea, bitmap, QRect(0, 0, kShownWidth, kShownHeight));

    QFont font(QStringLiteral("MS Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(kLabelFontHeight);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(kLabelPlace, QPoint(w - 3, h - 2)), Qt::AlignLeft | Qt::AlignTop, label);
}

}  // namespace controls

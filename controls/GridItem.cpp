#include "controls/GridItem.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace controls {

namespace {
constexpr QPoint kLiftStep(-2, -2);

bool IsClickButton(Qt::MouseButton button) {
    return button == Qt::LeftButton || button == Qt::RightButton;
}
}  // namespace

GridItem::GridItem(const QString& path, QSize bitmapSize, QWidget* parent)
    : QWidget(parent), path_(path) {
    setMouseTracking(true);
    const QImage picture(path, "BMP");
    if (picture.isNull()) return;
    bitmap_ = bitmapSize.isEmpty()
                  ? picture
                  : picture.scaled(bitmapSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void GridItem::PlaceAt(QPoint rest) {
    restPlace_ = rest;
    move(rest + lift_);
}

void GridItem::Lift() {
    lift_ += kLiftStep;
    move(pos() + kLiftStep);
}

void GridItem::Sink() {
    lift_ -= kLiftStep;
    move(pos() - kLiftStep);
}

void GridItem::SetFocusMark(bool on) {
    if (focusMark_ == on) return;
    focusMark_ = on;
    update();
}

void GridItem::PaintFocusMark(QPainter& painter) const {
    if (!focusMark_) return;
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(2, 2, -2, -2);
    painter.save();
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    painter.restore();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

void GridItem::CancelHover() {
    hovered_ = false;
    update();
}

void GridItem::mouseMoveEvent(QMouseEvent*) {
    if (hovered_) return;
    hovered_ = true;
    pressed_ = false;
    Lift();
    update();
}

void GridItem::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    if (!IsClickButton(button)) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (hovered_ && !pressed_) {
        pressed_ = true;
        if (button == Qt::LeftButton) OnLeftPress();
        Sink();
    }
    // Last: a receiver may remove the item.
    if (button == Qt::LeftButton)
        emit LeftClicked(this);
    else
        emit RightClicked(this);
}

void GridItem::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (pressed_ && hovered_) {
        pressed_ = false;
        Lift();
    }
}

void GridItem::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!IsClickButton(event->button())) QWidget::mouseDoubleClickEvent(event);
}

void GridItem::leaveEvent(QEvent*) {
    // After CancelHover the item no longer waits for the pointer to leave.
    if (!hovered_) return;
    if (!pressed_) Sink();
    pressed_ = false;
    hovered_ = false;
    update();
}

}  // namespace controls

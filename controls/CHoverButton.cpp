#include "controls/CHoverButton.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QPainter>

namespace controls {

CHoverButton::CHoverButton(QWidget* parent) : QAbstractButton(parent) {
    // Tab reaches the button; a click does not take the focus from where the keyboard left it.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
}

void CHoverButton::SetPictures(const QString& normalPath, const QString& hoverPath,
                               const QString& clickPath) {
    // A failed load yields a null picture, which draws nothing.
    SetPictures(QPixmap(normalPath), QPixmap(hoverPath), QPixmap(clickPath));
}

void CHoverButton::SetPictures(const QPixmap& normal, const QPixmap& hover, const QPixmap& click) {
    normalPicture_ = normal;
    hoverPicture_ = hover;
    clickPicture_ = click;
    update();
}

void CHoverButton::SetTooltipText(const QString& text, bool activate) {
    if (text.isNull()) return;
    setToolTip(activate ? text : QString());
}

CHoverButton::Picture CHoverButton::CurrentPicture() const {
    if (isDown()) return Picture::Click;
    if (hover_) return Picture::Hover;
    return Picture::Normal;
}

const QPixmap& CHoverButton::PictureFor(Picture picture) const {
    switch (picture) {
        case Picture::Click:
            return clickPicture_;
        case Picture::Hover:
            return hoverPicture_;
        case Picture::Normal:
            break;
    }
    return normalPicture_;
}

QSize CHoverButton::sizeHint() const {
    return normalPicture_.isNull() ? QSize(20, 20) : normalPicture_.size();
}

void CHoverButton::SetActive(bool active) {
    if (active_ == active) return;
    active_ = active;
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        changed.pressed = true;
        changed.selected = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void CHoverButton::paintEvent(QPaintEvent*) {
    const QPixmap& picture = PictureFor(CurrentPicture());
    QPainter painter(this);
    // Stretched without smoothing, pixel for pixel when the sizes agree.
    if (!picture.isNull()) painter.drawPixmap(rect(), picture);
    if (!hasFocus()) return;
    // The keyboard's place: a bright frame inside the button, over whatever its picture shows.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 230), 2, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 4, 4);
    painter.setPen(QPen(QColor(47, 128, 237), 1, Qt::DotLine));
    painter.drawRoundedRect(QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5), 3, 3);
}

bool CHoverButton::event(QEvent* event) {
    // Space and Enter press the focused button before any shortcut of the window takes them.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier &&
            (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
             key->key() == Qt::Key_Enter)) {
            event->accept();
            return true;
        }
    }
    return QAbstractButton::event(event);
}

void CHoverButton::keyPressEvent(QKeyEvent* event) {
    // Space is the button's own (pressed on the key, clicked on its release); Enter clicks.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        animateClick();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CHoverButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    update();
}

void CHoverButton::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    update();
}

void CHoverButton::enterEvent(QEnterEvent* event) {
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CHoverButton::leaveEvent(QEvent* event) {
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace controls

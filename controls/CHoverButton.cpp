#include "controls/CHoverButton.h"

#include <QEnterEvent>
#include <QPainter>

namespace controls {

CHoverButton::CHoverButton(QWidget* parent) : QAbstractButton(parent) {
    // The look has no focus state, and a focused button would take Space and Enter from the
    // window.
    setFocusPolicy(Qt::NoFocus);
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

void CHoverButton::paintEvent(QPaintEvent*) {
    const QPixmap& picture = PictureFor(CurrentPicture());
    if (picture.isNull()) return;
    // Stretched without smoothing, pixel for pixel when the sizes agree.
    QPainter painter(this);
    painter.drawPixmap(rect(), picture);
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

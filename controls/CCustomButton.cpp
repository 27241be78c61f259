#include "controls/CCustomButton.h"

#include <QFileInfo>
#include <QPainter>

#include "controls/CellFont.h"

namespace controls {

namespace {
constexpr QColor kNormalFill(250, 250, 250);
constexpr QColor kHighlightFill(180, 190, 210);
constexpr QColor kBorder(200, 200, 200);
constexpr QRect kPictureArea(2, 2, 36, 27);
constexpr QPoint kLabelPlace(42, 7);
}  // namespace

CCustomButton::CCustomButton(const QString& path, int loadWidth, int loadHeight, QWidget* parent)
    : GridItem(path, QSize(loadWidth, loadHeight), parent), label_(QFileInfo(path).fileName()) {}

QFont CCustomButton::LabelFont() {
    QFont serif(QStringLiteral("MS Serif"));
    serif.setStyleHint(QFont::Serif);
    return FontWithCellHeight(serif, kLabelCellHeight);
}

void CCustomButton::SetState(int newState) {
    state_ = newState;
    update();
}

void CCustomButton::OnLeftPress() {
    SetState(kHighlighted);
}

void CCustomButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    if (state_ == kHighlighted)
        painter.fillRect(QRect(1, 1, w - 1, h - 1), kHighlightFill);
    else if (state_ == kNormal)
        painter.fillRect(QRect(1, 1, w - 1, h - 1), kNormalFill);
    painter.setPen(kBorder);
    painter.drawRect(0, 0, w - 1, h - 1);
    PaintFocusMark(painter);
    if (!HasBitmap()) return;

    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(kPictureArea, Bitmap(), QRect(0, 0, kShownWidth, kShownHeight));

    painter.setFont(LabelFont());
    painter.setPen(Qt::black);
    painter.drawText(QRect(kLabelPlace, QPoint(w - 3, h - 2)), Qt::AlignLeft | Qt::AlignTop,
                     label_);
    PaintFocusMark(painter);
}

}  // namespace controls

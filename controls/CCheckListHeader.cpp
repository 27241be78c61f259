#include "controls/CCheckListHeader.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

#include "controls/CellFont.h"
#include "controls/CheckListModel.h"
#include "controls/ListPictures.h"
#include "controls/ProgramResources.h"

namespace controls {

namespace {
// Room above and below the taller of the font and the heading images.
constexpr int kHeightPadding = 6;
}  // namespace

CCheckListHeader::CCheckListHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setStretchLastSection(false);
    setSectionsMovable(false);
    // A column may be dragged down to nothing and back out again.
    setMinimumSectionSize(0);
    textFont_ = FontWithCellHeight(font(), kTextHeight);
}

bool CCheckListHeader::SetBackgroundBitmap(int resourceId, bool repaint) {
    const QString path = ResourcePath(resourceId);
    return !path.isEmpty() && SetBackgroundImage(path, repaint);
}

bool CCheckListHeader::SetBackgroundImage(const QString& path, bool repaint) {
    if (!LoadPicture(path, background_)) return false;
    if (repaint) viewport()->update();
    return true;
}

void CCheckListHeader::SetImageList(std::vector<QPixmap> images) {
    images_ = std::move(images);
    updateGeometry();
    viewport()->update();
}

QSize CCheckListHeader::ImageSize() const {
    QSize size;
    for (const QPixmap& image : images_) size = size.expandedTo(image.size());
    return size;
}

QSize CCheckListHeader::sizeHint() const {
    QSize hint = QHeaderView::sizeHint();
    hint.setHeight(std::max(fontMetrics().height(), ImageSize().height()) + kHeightPadding);
    return hint;
}

void CCheckListHeader::changeEvent(QEvent* event) {
    QHeaderView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        textFont_ = FontWithCellHeight(font(), kTextHeight);
        updateGeometry();
    }
}

void CCheckListHeader::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect client = viewport()->rect();
    if (background_.isNull())
        painter.fillRect(client, palette().color(QPalette::Button));
    else
        painter.drawPixmap(client, background_);

    // Headings in display order; hidden and zero-width columns show nothing.
    int lastShown = -1;
    for (int visual = 0; visual < count(); ++visual) {
        const int logical = logicalIndex(visual);
        if (isSectionHidden(logical)) continue;
        lastShown = visual;
        const QRect section(sectionViewportPosition(logical), 0, sectionSize(logical), height());
        if (section.intersects(event->rect())) PaintHeading(painter, logical, section);
    }

    // A sunken line and a lit line at the right edge of every heading but the last.
    const QColor highlight = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    const int top = 2;
    const int bottom = height() - 3;
    for (int visual = 0; visual < lastShown; ++visual) {
        const int logical = logicalIndex(visual);
        if (isSectionHidden(logical)) continue;
        const int right = sectionViewportPosition(logical) + sectionSize(logical);
        painter.setPen(shadow);
        painter.drawLine(right - 1, top, right - 1, bottom);
        painter.setPen(highlight);
        painter.drawLine(right, top, right, bottom);
    }

    // A raised frame around the headings, as wide as they are together.
    if (length() > 0) {
        const int left = -offset();
        const int right = left + length() - 1;
        const int lowest = height() - 1;
        painter.setPen(highlight);
        painter.drawLine(left, 0, right, 0);
        painter.drawLine(left, 0, left, lowest);
        painter.setPen(shadow);
        painter.drawLine(left, lowest, right, lowest);
        painter.drawLine(right, 0, right, lowest);
    }
}

void CCheckListHeader::PaintHeading(QPainter& painter, int logicalIndex,
                                    const QRect& sectionRect) const {
    if (model() == nullptr) return;
    painter.save();
    painter.setClipRect(sectionRect);
    QRect area = sectionRect.adjusted(kItemSpacing, 0, -kItemSpacing, 0);

    const QVariant imageData = model()->headerData(logicalIndex, orientation(), kHeaderImageRole);
    const int image = imageData.isValid() ? imageData.toInt() : -1;
    if (image >= 0 && image < ImageCount()) {
        const QPixmap& picture = images_[image];
        painter.drawPixmap(area.left(),
                           sectionRect.top() + (sectionRect.height() - picture.height()) / 2,
                           picture);
        area.setLeft(area.left() + picture.width() + kItemSpacing);
    }

    const QString text =
        model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
    if (!text.isEmpty() && area.width() > 0) {
        const QVariant alignmentData =
            model()->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole);
        Qt::Alignment alignment = Qt::AlignLeft;
        if (alignmentData.isValid())
            alignment = Qt::Alignment(alignmentData.toInt()) & Qt::AlignHorizontal_Mask;
        painter.setFont(textFont_);
        painter.setPen(QColor::fromRgb(kTextColour));
        const QString shown =
            QFontMetrics(textFont_).elidedText(text, Qt::ElideRight, area.width());
        painter.drawText(area, alignment | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
    painter.restore();
}

}  // namespace controls

#include "controls/CheckListDelegate.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QPainter>

#include "controls/CCheckListHeader.h"
#include "controls/CheckListModel.h"

namespace controls {

namespace {
const QPixmap* ImageAt(const std::vector<QPixmap>& images, int index) {
    if (index < 0 || index >= static_cast<int>(images.size())) return nullptr;
    return &images[index];
}

QColor ColourOr(const QVariant& colour, const QColor& fallback) {
    return colour.isValid() ? colour.value<QColor>() : fallback;
}
}  // namespace

bool CheckListDelegate::IsShownSelected(const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    if (index.column() != 0 && !fullRowSelect_) return false;
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    if (view == nullptr || (!view->hasFocus() && !showSelectionAlways_)) return false;
    // Rows are selected whole, so column 0 tells.
    return view->selectionModel() != nullptr &&
           view->selectionModel()->isSelected(index.siblingAtColumn(0));
}

void CheckListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QVariant enabled = index.data(kRowEnabledRole);
    if (!enabled.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QPalette& colours = option.palette;
    QColor text =
        ColourOr(index.data(Qt::ForegroundRole), colours.color(QPalette::Active, QPalette::Text));
    QColor back =
        ColourOr(index.data(Qt::BackgroundRole), colours.color(QPalette::Active, QPalette::Base));
    if (IsShownSelected(option, index)) {
        text = colours.color(QPalette::Active, QPalette::HighlightedText);
        back = colours.color(QPalette::Active, QPalette::Highlight);
    }
    if (!enabled.toBool()) text = colours.color(QPalette::Disabled, QPalette::Text);

    const QRect& rect = option.rect;
    painter->save();
    painter->setClipRect(rect, Qt::IntersectClip);
    painter->fillRect(rect, back);

    const int spacing = CCheckListHeader::kItemSpacing;
    QRect area = rect.adjusted(spacing, 0, -spacing, 0);
    const QVariant check = index.data(Qt::CheckStateRole);
    const QPixmap* image =
        check.isValid()
            ? ImageAt(checkBoxImages_,
                      check.value<Qt::CheckState>() == Qt::Checked ? kChecked : kUnchecked)
            : ImageAt(smallImages_, index.data(kCellImageRole).toInt());
    if (image != nullptr) {
        painter->drawPixmap(area.left(), rect.top() + (rect.height() - image->height()) / 2,
                            *image);
        area.setLeft(area.left() + image->width() + spacing);
    }

    const QString content = index.data(Qt::DisplayRole).toString();
    if (!content.isEmpty() && area.width() > 0) {
        const QFont font = index.data(Qt::FontRole).value<QFont>();
        const Qt::Alignment alignment = index.column() == 1 ? Qt::AlignLeft : Qt::AlignHCenter;
        painter->setFont(font);
        painter->setPen(text);
        painter->drawText(area, alignment | Qt::AlignVCenter | Qt::TextSingleLine,
                          QFontMetrics(font).elidedText(content, Qt::ElideRight, area.width()));
    }
    painter->restore();
}

}  // namespace controls

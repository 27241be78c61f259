#include "controls/ScrollingItemGrid.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <memory>

#include "controls/GridItem.h"

namespace controls {

namespace {
constexpr QColor kGridBackground(250, 250, 250);
}  // namespace

ScrollingItemGrid::ScrollingItemGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    // Clicks on items must not take the keyboard from the window.
    // The keyboard reaches the items with Tab; a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    // A bar appears when the content first overflows and never hides again (ApplyRange).
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = viewport()->palette();
    colours.setColor(QPalette::Base, kGridBackground);
    viewport()->setPalette(colours);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setRange(0, 0);
        bar->setSingleStep(itemgrid::kLineStep);
        bar->installEventFilter(this);
        connect(bar, &QAbstractSlider::actionTriggered, this,
                [this, bar](int action) { OnBarAction(bar, action); });
    }
}

ScrollingItemGrid::~ScrollingItemGrid() {
    while (!items_.empty()) {
        delete items_.back();
        items_.pop_back();
    }
}

int ScrollingItemGrid::ScrollX() const {
    return -horizontalScrollBar()->value();
}

int ScrollingItemGrid::ScrollY() const {
    return -verticalScrollBar()->value();
}

QRect ScrollingItemGrid::ClientRect() const {
    return QRect(QPoint(), maximumViewportSize());
}

void ScrollingItemGrid::SetItemSize(int width, int height) {
    for (GridItem* item : items_) DiscardItem(item);
    items_.clear();
    itemWidth_ = width;
    itemHeight_ = height;
    columns_ = itemgrid::Columns(ClientRect().width(), itemWidth_);
}

// Emptying the grid keeps the item size, the scroll bars and the offsets.
void ScrollingItemGrid::RemoveAllItems() {
    SetItemSize(itemWidth_, itemHeight_);
}

bool ScrollingItemGrid::AddGridItem(GridItem* item) {
    std::unique_ptr<GridItem> owned(item);
    if (!item->HasBitmap()) return false;
    item->setParent(viewport());
    item->setGeometry(0, 0, itemWidth_, itemHeight_);
    connect(item, &GridItem::LeftClicked, this, &ScrollingItemGrid::OnItemLeftClicked);
    connect(item, &GridItem::RightClicked, this, &ScrollingItemGrid::OnItemRightClicked);
    item->show();
    items_.push_back(owned.release());
    ArrangeItems();
    UpdateScrollBars();
    return true;
}

void ScrollingItemGrid::RemoveItemsIf(const std::function<bool(const GridItem*)>& remove) {
    const auto removed = std::stable_partition(items_.begin(), items_.end(),
                                               [&](const GridItem* item) { return !remove(item); });
    std::for_each(removed, items_.end(), [this](GridItem* item) { DiscardItem(item); });
    items_.erase(removed, items_.end());
    if (focusIndex_ >= ItemCount()) focusIndex_ = ItemCount() - 1;
    ArrangeItems();
    ShowFocusMark();
}

void ScrollingItemGrid::DiscardItem(GridItem* item) {
    OnItemRemoved(item);
    item->hide();
    item->deleteLater();
}

void ScrollingItemGrid::ArrangeItems() {
    const itemgrid::Placement placement =
        itemgrid::PlaceItems(ItemCount(), QSize(itemWidth_, itemHeight_), ClientRect().width(),
                             QPoint(ScrollX(), ScrollY()));
    rows_ = placement.rows;
    for (int index = 0; index < ItemCount(); ++index)
        items_[index]->PlaceAt(placement.places[index]);
}

void ScrollingItemGrid::UpdateScrollBars() {
    // The horizontal bar comes first: showing it takes height from the client area.
    if (const auto range =
            itemgrid::HorizontalRange(columns_, itemWidth_, ItemCount(), ClientRect().width()))
        ApplyRange(Qt::Horizontal, *range);
    if (const auto range = itemgrid::VerticalRange(rows_, itemHeight_, ClientRect().height()))
        ApplyRange(Qt::Vertical, *range);
}

void ScrollingItemGrid::ApplyRange(Qt::Orientation orientation, const itemgrid::BarRange& range) {
    const bool horizontal = orientation == Qt::Horizontal;
    QScrollBar* bar = horizontal ? horizontalScrollBar() : verticalScrollBar();
    bar->setPageStep(range.page);
    bar->setRange(0, range.LargestPosition());
    if (horizontal)
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    else
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void ScrollingItemGrid::OnBarAction(QScrollBar* bar, int action) {
    // The bar has already moved its slider for the action; what it does is set here. The page
    // step is the thumb's size, but a click in the trough moves a fixed 20 positions, and the
    // bar's "Top" and "Bottom" actions leave the position.
    switch (action) {
        case QAbstractSlider::SliderPageStepAdd:
            bar->setSliderPosition(bar->value() + itemgrid::kPageStep);
            break;
        case QAbstractSlider::SliderPageStepSub:
            bar->setSliderPosition(bar->value() - itemgrid::kPageStep);
            break;
        case QAbstractSlider::SliderToMinimum:
        case QAbstractSlider::SliderToMaximum:
            bar->setSliderPosition(bar->value());
            break;
        default:
            break;
    }
}

void ScrollingItemGrid::ScrollByWheel(int wheelDelta) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() - wheel_.Scroll(wheelDelta));
}

GridItem* ScrollingItemGrid::Item(int index) const {
    return index >= 0 && index < ItemCount() ? items_[index] : nullptr;
}

void ScrollingItemGrid::SetFocusIndex(int index) {
    focusIndex_ = ItemCount() == 0 ? -1 : std::clamp(index, 0, ItemCount() - 1);
    if (GridItem* item = Item(focusIndex_)) {
        // The focused item is scrolled into sight.
        const QRect place = item->geometry();
        const QRect shown = viewport()->rect();
        QScrollBar* vertical = verticalScrollBar();
        if (place.top() < shown.top()) vertical->setValue(vertical->value() + place.top() - shown.top());
        else if (place.bottom() > shown.bottom())
            vertical->setValue(vertical->value() + place.bottom() - shown.bottom());
        QScrollBar* horizontal = horizontalScrollBar();
        if (place.left() < shown.left())
            horizontal->setValue(horizontal->value() + place.left() - shown.left());
        else if (place.right() > shown.right())
            horizontal->setValue(horizontal->value() + place.right() - shown.right());
    }
    ShowFocusMark();
}

void ScrollingItemGrid::ShowFocusMark() {
    for (int index = 0; index < ItemCount(); ++index)
        items_[index]->SetFocusMark(hasFocus() && index == focusIndex_);
    if (hasFocus() && Item(focusIndex_) && QAccessible::isActive()) {
        QAccessibleEvent focus(Item(focusIndex_), QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void ScrollingItemGrid::keyPressEvent(QKeyEvent* event) {
    const int columns = std::max(1, columns_);
    const int at = focusIndex_ < 0 ? 0 : focusIndex_;
    switch (event->key()) {
        case Qt::Key_Left: SetFocusIndex(at - 1); break;
        case Qt::Key_Right: SetFocusIndex(focusIndex_ < 0 ? 0 : at + 1); break;
        case Qt::Key_Up: SetFocusIndex(at - columns); break;
        case Qt::Key_Down: SetFocusIndex(focusIndex_ < 0 ? 0 : at + columns); break;
        case Qt::Key_Home: SetFocusIndex(0); break;
        case Qt::Key_End: SetFocusIndex(ItemCount() - 1); break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (GridItem* item = Item(focusIndex_)) ActivateItem(item);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    event->accept();
}

void ScrollingItemGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    if (!Item(focusIndex_)) focusIndex_ = ItemCount() > 0 ? 0 : -1;
    ShowFocusMark();
}

void ScrollingItemGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    ShowFocusMark();
}

bool ScrollingItemGrid::event(QEvent* event) {
    // Space and Enter act on the focused item, before any shortcut of the window takes them.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier &&
            (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            event->accept();
            return true;
        }
    }
    // A scroll area takes the wheel over its viewport only; this one scrolls wherever the wheel
    // turns over it, the corner between the bars included.
    if (event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    // Resizing the control sets the columns again and places the items for its new width. A bar
    // that appears narrows only the viewport: columns and places stay as they are until the next
    // change, so the other bar still follows the row the items were laid out in.
    // Of the control itself only the corner between the two bars shows; it takes the grid's
    // background rather than the style's corner.
    if (event->type() == QEvent::Paint) {
        QPainter(this).fillRect(static_cast<QPaintEvent*>(event)->rect(), kGridBackground);
        return true;
    }
    if (event->type() == QEvent::Resize) {
        columns_ = itemgrid::Columns(ClientRect().width(), itemWidth_);
        ArrangeItems();
    }
    return QAbstractScrollArea::event(event);
}

bool ScrollingItemGrid::eventFilter(QObject* watched, QEvent* event) {
    // The wheel scrolls the same way over the bars as over the items.
    if (event->type() == QEvent::Wheel &&
        (watched == horizontalScrollBar() || watched == verticalScrollBar())) {
        ScrollByWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void ScrollingItemGrid::scrollContentsBy(int, int) {
    ArrangeItems();
}

void ScrollingItemGrid::wheelEvent(QWheelEvent* event) {
    ScrollByWheel(event->angleDelta().y());
    event->accept();
}

}  // namespace controls

#pragma once

#include <QAbstractScrollArea>

#include <functional>
#include <vector>

#include "controls/ItemGridLayout.h"

class QScrollBar;

namespace controls {

class GridItem;

// A scroll area of GridItem windows laid out by the rules of itemgrid. Its horizontal and
// vertical scroll bars appear once the content overflows and stay from then on; arrows move one
// position, the trough 20, a wheel notch 5 (over the items and over the bars alike), and the
// bars' "Top" and "Bottom" actions change nothing. The grid owns its items; subclasses make them
// and say what a click on one means.
class ScrollingItemGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    ~ScrollingItemGrid() override;

    // Sets the size of every item and works out how many fit in a row. Meant for an empty grid:
    // items still held are destroyed, not left behind as strays.
    void SetItemSize(int width, int height);
    // Destroys every item. The scroll bars, their positions and the scroll offsets stay.
    void RemoveAllItems();

    int ItemCount() const { return static_cast<int>(items_.size()); }
    // The item the keyboard is on (-1 for none): the arrow keys, Home and End move it, Enter and
    // Space act on it as a left click does. It shows while the grid has the keyboard focus.
    int FocusIndex() const { return focusIndex_; }
    void SetFocusIndex(int index);
    GridItem* Item(int index) const;
    // A left click on `item`, as the keyboard or a screen reader gives it.
    void ActivateItem(GridItem* item) { OnItemLeftClicked(item); }
    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    int ItemWidth() const { return itemWidth_; }
    int ItemHeight() const { return itemHeight_; }
    // Minus the scroll positions: added to every item's place.
    int ScrollX() const;
    int ScrollY() const;
    // The part of the control the items are shown in: the control less its shown scroll bars.
    // Worked out from the control's size, so it is right before the control is first shown.
    QRect ClientRect() const;

protected:
    explicit ScrollingItemGrid(QWidget* parent);

    GridItem* ItemAt(int index) const { return items_.at(index); }
    const std::vector<GridItem*>& Items() const { return items_; }
    // Takes over an item sized to the grid's items and places it after the others, or destroys
    // it when it has no bitmap. Returns whether it was added.
    bool AddGridItem(GridItem* item);
    // Destroys every item for which remove is true.
    void RemoveItemsIf(const std::function<bool(const GridItem*)>& remove);
    void ArrangeItems();

    // A left or right press on one of the items.
    virtual void OnItemLeftClicked(GridItem* item) = 0;
    virtual void OnItemRightClicked(GridItem* item) = 0;
    // An item is being removed from the grid.
    virtual void OnItemRemoved(GridItem*) {}

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void UpdateScrollBars();
    void ApplyRange(Qt::Orientation orientation, const itemgrid::BarRange& range);
    void OnBarAction(QScrollBar* bar, int action);
    void ScrollByWheel(int wheelDelta);
    // Takes an item window out of sight and destroys it once control returns to the event loop,
    // so an item may be removed from inside its own click handling.
    void DiscardItem(GridItem* item);

    // Marks the focused item, while the grid has the focus, and tells screen readers.
    void ShowFocusMark();

    std::vector<GridItem*> items_;
    int focusIndex_ = -1;
    itemgrid::WheelAccumulator wheel_;
    int columns_ = 0;
    int rows_ = 0;
    int itemWidth_ = 0;
    int itemHeight_ = 0;
};

}  // namespace controls

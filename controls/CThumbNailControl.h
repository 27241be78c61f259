#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QScrollBar;

namespace controls {

// Layout arithmetic of a scrolling grid of equally sized items. The thumbnail grid and the
// current-effects table share it. Items sit in cells of (item size + 4) pixels, starting 4 pixels
// from the top left corner of the client area, left to right in rows that wrap.
namespace itemgrid {

inline constexpr int kGap = 4;
inline constexpr int kLineStep = 1;   // scroll-bar arrow
inline constexpr int kPageStep = 20;  // click in the scroll-bar trough
inline constexpr int kWheelNotch = 120;
inline constexpr int kWheelStep = 5;  // scroll positions per wheel notch

// Items that fit in one row of a client area clientWidth pixels wide.
int Columns(int clientWidth, int itemWidth);

// After an item, x has advanced to the start of the next cell. A row takes one more item as long
// as at least 80 % of a cell still fits into the width left; otherwise the next item starts a row.
bool StartsNewRow(int itemWidth, int x, int clientWidth);

struct Placement {
    std::vector<QPoint> places;  // top left corner of each item, in client coordinates
    int rows = 0;
};

// Places itemCount items for a client area clientWidth pixels wide; scrollOffset is the negated
// scroll position, added to every place.
Placement PlaceItems(int itemCount, QSize itemSize, int clientWidth, QPoint scrollOffset);

// A scroll bar's setting: positions 0 .. maximum with a page of page positions, where the largest
// position the bar can take is maximum - page + 1.
struct BarRange {
    int maximum = 0;
    int page = 0;
    int LargestPosition() const { return maximum - page + 1; }
};

// The horizontal bar's setting, or nothing when the bar is left as it is (no real overflow, or
// fewer items than fit in a row).
std::optional<BarRange> HorizontalRange(int columns, int itemWidth, int itemCount, int clientWidth);
// The vertical bar's setting, or nothing when the bar is left as it is.
std::optional<BarRange> VerticalRange(int rows, int itemHeight, int clientHeight);

// How far one wheel turn moves the vertical position towards the top (whole notches only).
int WheelScroll(int wheelDelta);

// The size a thumbnail bitmap is loaded at for a given item size: 90 % of it, truncated.
QSize ThumbnailBitmapSize(QSize itemSize);

}  // namespace itemgrid

// An item window of a scrolling grid. It rests at the place its grid gives it; while the pointer
// is over it, it is lifted 2 pixels towards the top left, and a press sinks it back. The lift is
// kept when the grid places its items again (after a scroll, for instance), so an item never
// ends up away from its cell.
class GridItem : public QWidget {
    Q_OBJECT
public:
    void PlaceAt(QPoint rest);
    QPoint RestPlace() const { return restPlace; }
    bool IsLifted() const { return lift != QPoint(); }

protected:
    using QWidget::QWidget;
    void Lift();  // 2 pixels up and 2 left of where it is
    void Sink();  // 2 pixels down and 2 right of where it is

private:
    QPoint restPlace;
    QPoint lift;
};

// A scrolling area of GridItem windows laid out by the rules of itemgrid, with a horizontal and a
// vertical scroll bar that appear once the content overflows and stay from then on, and mouse-wheel
// scrolling. Subclasses own the items and say which they are.
class ScrollingItemGrid : public QWidget {
    Q_OBJECT
public:
    ~ScrollingItemGrid() override;

    virtual int ItemCount() const = 0;

    int Columns() const { return columns; }
    int Rows() const { return rows; }
    int ItemWidth() const { return itemWidth; }
    int ItemHeight() const { return itemHeight; }
    int ScrollX() const { return scrollX; }
    int ScrollY() const { return scrollY; }
    // The part of the control the items are shown in: the control less its visible scroll bars.
    QRect ClientRect() const;
    QScrollBar* HorizontalScrollBar() const { return horizontalBar; }
    QScrollBar* VerticalScrollBar() const { return verticalBar; }

protected:
    explicit ScrollingItemGrid(QWidget* parent);

    virtual GridItem* ItemAt(int index) const = 0;

    // The parent of the item windows; its rectangle is the client area.
    QWidget* Viewport() const { return viewport; }
    // Stores the item size and the number of items that fit in a row.
    void StoreItemSize(int width, int height);
    void ArrangeItems();
    void UpdateScrollBars();
    // Takes an item window out of sight and destroys it once control returns to the event loop,
    // so an item may be removed from inside its own click handling.
    static void DiscardItem(GridItem* item);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void LayOutViewport();
    void ApplyRange(QScrollBar* bar, const itemgrid::BarRange& range);
    void OnBarAction(QScrollBar* bar, int action);
    void ScrollByWheel(int wheelDelta);

    QWidget* viewport = nullptr;
    QScrollBar* horizontalBar = nullptr;
    QScrollBar* verticalBar = nullptr;
    int scrollX = 0;
    int scrollY = 0;
    int columns = 0;
    int rows = 0;
    int itemWidth = 0;
    int itemHeight = 0;
};

// One thumbnail of the grid: a bitmap file shown centred in a framed cell. A left or right press
// is reported with LeftClicked or RightClicked.
class CThumbnailButton : public GridItem {
    Q_OBJECT
public:
    // Loads the bitmap file at path, stretched to bitmapSize. A file that is missing or not a
    // bitmap leaves the button without a bitmap.
    CThumbnailButton(const QString& path, QSize bitmapSize, QWidget* parent = nullptr);

    bool HasBitmap() const { return !bitmap.isNull(); }
    const QString& GetPath() const { return path; }
    QSize BitmapSize() const { return bitmap.size(); }
    bool IsHovered() const { return hovered; }
    bool IsPressed() const { return pressed; }

    // Drops the hover look without moving the button; the next mouse move over it lifts it again.
    void CancelHover();

signals:
    // Emitted at the press of the button, before its press handling returns. Receivers connected
    // directly run synchronously and may call CancelHover or remove the item.
    void LeftClicked(CThumbnailButton* item);
    void RightClicked(CThumbnailButton* item);

protected:
    void leaveEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool hovered = false;  // the pointer is over it and it waits for the pointer to leave
    bool pressed = false;
    QImage bitmap;
    QString path;
};

// The scrolling grid of effect thumbnails. Items are 80 x 60 in the program; each shows its bitmap
// loaded at 90 % of the item size. The clicks of every item are passed on as ItemLeftClicked and
// ItemRightClicked, meant to be connected directly to the window that acts on them.
class CThumbNailControl : public ScrollingItemGrid {
    Q_OBJECT
public:
    explicit CThumbNailControl(QWidget* parent = nullptr);
    ~CThumbNailControl() override;

    // Sets the size of every item and works out how many fit in a row. Meant for an empty grid:
    // items still held are destroyed, not left behind as strays.
    void SetItemSize(int width, int height);
    // Adds a thumbnail for the bitmap file at path, at the end. Returns the new item, or nullptr
    // when the file is missing or not a bitmap (nothing is added then).
    CThumbnailButton* AddItem(const QString& path);
    // Destroys every item. The scroll bars, their positions and the scroll offsets stay.
    void RemoveAllItems();

    int ItemCount() const override { return static_cast<int>(items.size()); }
    CThumbnailButton* Item(int index) const { return items.at(index); }

signals:
    void ItemLeftClicked(CThumbnailButton* item);
    void ItemRightClicked(CThumbnailButton* item);

protected:
    GridItem* ItemAt(int index) const override { return items.at(index); }

private:
    std::vector<CThumbnailButton*> items;
};

}  // namespace controls

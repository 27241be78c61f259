#pragma once

#include <QPoint>
#include <QSize>

#include <optional>
#include <vector>

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

// How far a wheel turn of wheelDelta moves the vertical position towards the top (whole notches
// only).
int WheelScroll(int wheelDelta);

// Adds up wheel turns smaller than a notch, as touchpads and high-resolution wheels send them,
// until they make whole notches. A turn the other way starts again from nothing.
class WheelAccumulator {
public:
    // How far this turn, with what is left of the earlier ones, moves the vertical position
    // towards the top.
    int Scroll(int wheelDelta);

private:
    int pending_ = 0;
};

// The size a thumbnail bitmap is loaded at for a given item size: 90 % of it, truncated.
QSize ThumbnailBitmapSize(QSize itemSize);

}  // namespace itemgrid
}  // namespace controls

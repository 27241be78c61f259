#include "controls/ItemGridLayout.h"

namespace controls::itemgrid {

int Columns(int clientWidth, int itemWidth) {
    const int cell = itemWidth + kGap;
    return cell > 0 ? clientWidth / cell : 0;
}

bool StartsNewRow(int itemWidth, int x, int clientWidth) {
    return (itemWidth + kGap) * 0.8 > clientWidth - x;
}

Placement PlaceItems(int itemCount, QSize itemSize, int clientWidth, QPoint scrollOffset) {
    Placement placement;
    placement.places.reserve(itemCount);
    int x = 0;
    int y = 0;
    for (int index = 0; index < itemCount; ++index) {
        if (x == 0) ++placement.rows;
        placement.places.push_back(scrollOffset + QPoint(x + kGap, y + kGap));
        x += itemSize.width() + kGap;
        if (StartsNewRow(itemSize.width(), x, clientWidth)) {
            x = 0;
            y += itemSize.height() + kGap;
        }
    }
    return placement;
}

namespace {
// A bar is set up only for an overflow of more than the gap. The range is five quarters of the
// overflow (plus a margin) with a page of one quarter, so the largest position is v + 1.
std::optional<BarRange> RangeForOverflow(int overflow) {
    if (overflow <= kGap) return std::nullopt;
    const double v = overflow + 14;
    return BarRange{static_cast<int>(v * 1.25), static_cast<int>(v * 0.25)};
}
}  // namespace

std::optional<BarRange> HorizontalRange(int columns, int itemWidth, int itemCount,
                                        int clientWidth) {
    if (itemCount < columns) return std::nullopt;
    return RangeForOverflow(columns * (itemWidth + kGap) - clientWidth + kGap);
}

std::optional<BarRange> VerticalRange(int rows, int itemHeight, int clientHeight) {
    return RangeForOverflow(rows * (itemHeight + kGap) - clientHeight + 2 * kGap);
}

int WheelScroll(int wheelDelta) {
    return wheelDelta / kWheelNotch * kWheelStep;
}

int WheelAccumulator::Scroll(int wheelDelta) {
    if ((pending_ < 0 && wheelDelta > 0) || (pending_ > 0 && wheelDelta < 0)) pending_ = 0;
    pending_ += wheelDelta;
    const int scroll = WheelScroll(pending_);
    pending_ %= kWheelNotch;
    return scroll;
}

QSize ThumbnailBitmapSize(QSize itemSize) {
    return {static_cast<int>(itemSize.width() * 0.9f), static_cast<int>(itemSize.height() * 0.9f)};
}

}  // namespace controls::itemgrid

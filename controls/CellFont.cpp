#include "controls/CellFont.h"

#include <QFontMetrics>

#include <algorithm>

namespace controls {

QFont FontWithCellHeight(QFont base, int cellHeight) {
    int pixels = std::max(cellHeight, 1);
    base.setPixelSize(pixels);
    while (pixels > 1 && QFontMetrics(base).height() > cellHeight) base.setPixelSize(--pixels);
    return base;
}

}  // namespace controls

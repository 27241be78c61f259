#pragma once

#include <QFont>

namespace controls {

// `base` with the largest pixel size whose line height (ascent plus descent) is at most
// `cellHeight` pixels: a font asked for by the height of its character cell.
QFont FontWithCellHeight(QFont base, int cellHeight);

}  // namespace controls

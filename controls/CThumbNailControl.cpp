#include "controls/CThumbNailControl.h"

namespace controls {

CThumbNailControl::CThumbNailControl(QWidget* parent) : ScrollingItemGrid(parent) {}

CThumbnailButton* CThumbNailControl::AddItem(const QString& path) {
    auto* item =
        new CThumbnailButton(path, itemgrid::ThumbnailBitmapSize(QSize(ItemWidth(), ItemHeight())));
    return AddGridItem(item) ? item : nullptr;
}

}  // namespace controls

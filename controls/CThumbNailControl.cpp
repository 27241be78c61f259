#include "controls/CThumbNailControl.h"

namespace controls {

CThumbNailControl::CThumbNailControl(QWidget* parent) : ScrollingItemGrid(parent) {}

CThumbnailButton* CThumbNailControl::AddItem(const QString& path) {
    auto* item = new CThumbnailButton(
        path, itemgrid::ThumbnailBitmapSize(QSize(ItemWidth(), ItemHeight())));
    return AddGridItem(item) ? item : nullptr;
}

void CThumbNailControl::OnItemClicked(GridItem* item, Qt::MouseButton button) {
    auto* thumbnail = static_cast<CThumbnailButton*>(item);
    if (button == Qt::LeftButton)
        emit ItemLeftClicked(thumbnail);
    else
        emit ItemRightClicked(thumbnail);
}

}  // namespace controls

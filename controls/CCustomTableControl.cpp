#include "controls/CCustomTableControl.h"

#include <algorithm>

namespace controls {

CCustomTableControl::CCustomTableControl(QWidget* parent) : ScrollingItemGrid(parent) {}

bool CCustomTableControl::Contains(const QString& path) const {
    return std::any_of(Items().begin(), Items().end(),
                       [&](const GridItem* item) { return item->GetPath() == path; });
}

CCustomButton* CCustomTableControl::AddItem(const QString& path) {
    auto* item = new CCustomButton(path, kPictureSize.width(), kPictureSize.height());
    return AddGridItem(item) ? item : nullptr;
}

int CCustomTableControl::IndexOf(const CCustomButton* item) const {
    return static_cast<int>(std::find(Items().begin(), Items().end(), item) - Items().begin());
}

void CCustomTableControl::SetHighlighted(CCustomButton* item) {
    if (highlighted_) highlighted_->SetState(CCustomButton::kNormal);
    highlighted_ = item;
    if (item) item->SetState(CCustomButton::kHighlighted);
}

void CCustomTableControl::Highlight(int index) {
    if (index >= ItemCount()) return;
    SetHighlighted(index < 0 ? nullptr : Item(index));
    ArrangeItems();
}

bool CCustomTableControl::HighlightClickedItem(CCustomButton* item) {
    if (!item || IndexOf(item) == ItemCount()) return false;
    SetHighlighted(item);
    item->CancelHover();
    return true;
}

void CCustomTableControl::RemoveHighlighted() {
    const GridItem* removed = highlighted_.data();
    RemoveItemsIf([removed](const GridItem* item) { return item == removed; });
    highlighted_ = nullptr;
}

void CCustomTableControl::RemoveByPath(const QString& path) {
    RemoveItemsIf([&path](const GridItem* item) { return item->GetPath() == path; });
}

void CCustomTableControl::OnItemRemoved(GridItem* item) {
    if (item == highlighted_) highlighted_ = nullptr;
}

}  // namespace controls

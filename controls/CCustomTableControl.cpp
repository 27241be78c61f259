#include "controls/CCustomTableControl.h"

#include <algorithm>
#include <memory>

namespace controls {

CCustomTableControl::CCustomTableControl(QWidget* parent) : ScrollingItemGrid(parent) {}

CCustomTableControl::~CCustomTableControl() {
    while (!items.empty()) {
        delete items.back();
        items.pop_back();
    }
}

void CCustomTableControl::SetItemSize(int width, int height) {
    for (CCustomButton* item : items) DiscardItem(item);
    items.clear();
    highlighted = nullptr;
    StoreItemSize(width, height);
}

bool CCustomTableControl::Contains(const QString& path) const {
    return std::any_of(items.begin(), items.end(),
                       [&](const CCustomButton* item) { return item->GetPath() == path; });
}

CCustomButton* CCustomTableControl::AddItem(const QString& path) {
    auto item = std::make_unique<CCustomButton>(path, kPictureWidth, kPictureHeight);
    if (!item->HasBitmap()) return nullptr;
    item->setParent(Viewport());
    item->setGeometry(0, 0, ItemWidth(), ItemHeight());
    connect(item.get(), &CCustomButton::LeftClicked, this, &CCustomTableControl::ItemLeftClicked);
    connect(item.get(), &CCustomButton::RightClicked, this, &CCustomTableControl::ItemRightClicked);
    item->show();
    items.push_back(item.release());
    ArrangeItems();
    UpdateScrollBars();
    return items.back();
}

int CCustomTableControl::IndexOf(const CCustomButton* item) const {
    return static_cast<int>(std::find(items.begin(), items.end(), item) - items.begin());
}

void CCustomTableControl::SetHighlighted(CCustomButton* item) {
    if (highlighted) highlighted->SetState(CCustomButton::kNormal);
    highlighted = item;
    if (item) item->SetState(CCustomButton::kHighlighted);
}

void CCustomTableControl::Highlight(int index) {
    if (index >= ItemCount()) return;
    SetHighlighted(index < 0 ? nullptr : items[index]);
    ArrangeItems();
}

bool CCustomTableControl::HighlightClickedItem(CCustomButton* item) {
    if (!item || IndexOf(item) == ItemCount()) return false;
    SetHighlighted(item);
    item->CancelHover();
    return true;
}

void CCustomTableControl::RemoveHighlighted() {
    const auto found = std::find(items.begin(), items.end(), highlighted.data());
    if (found != items.end()) {
        DiscardItem(*found);
        items.erase(found);
    }
    highlighted = nullptr;
    ArrangeItems();
}

void CCustomTableControl::RemoveByPath(const QString& path) {
    const auto removed =
        std::stable_partition(items.begin(), items.end(),
                              [&](const CCustomButton* item) { return item->GetPath() != path; });
    for (auto item = removed; item != items.end(); ++item) {
        if (*item == highlighted) highlighted = nullptr;
        DiscardItem(*item);
    }
    items.erase(removed, items.end());
    ArrangeItems();
}

// Emptying the table keeps the item size, the scroll bars and the offsets.
void CCustomTableControl::RemoveAllItems() {
    SetItemSize(ItemWidth(), ItemHeight());
}

}  // namespace controls

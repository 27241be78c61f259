#pragma once

#include <QString>

#include "controls/CThumbnailButton.h"
#include "controls/ScrollingItemGrid.h"

namespace controls {

// The scrolling grid of effect thumbnails. Items are 80 x 60 in the program; each shows its bitmap
// loaded at 90 % of the item size. The clicks of every item are passed on as ItemLeftClicked and
// ItemRightClicked, meant to be connected directly to the window that acts on them.
class CThumbNailControl : public ScrollingItemGrid {
    Q_OBJECT
public:
    explicit CThumbNailControl(QWidget* parent = nullptr);

    // Adds a thumbnail for the bitmap file at path, at the end. Returns the new item, or nullptr
    // when the file is missing or not a bitmap (nothing is added then).
    CThumbnailButton* AddItem(const QString& path);
    CThumbnailButton* Item(int index) const { return Thumbnail(ItemAt(index)); }

signals:
    void ItemLeftClicked(CThumbnailButton* item);
    void ItemRightClicked(CThumbnailButton* item);

protected:
    void OnItemLeftClicked(GridItem* item) override { emit ItemLeftClicked(Thumbnail(item)); }
    void OnItemRightClicked(GridItem* item) override { emit ItemRightClicked(Thumbnail(item)); }

private:
    static CThumbnailButton* Thumbnail(GridItem* item) {
        return static_cast<CThumbnailButton*>(item);
    }
};

}  // namespace controls

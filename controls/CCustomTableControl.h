#pragma once

#include <QPointer>
#include <QSize>
#include <QString>

#include "controls/CCustomButton.h"
#include "controls/ScrollingItemGrid.h"

namespace controls {

// The scrolling table of current effects: an ordered list of CCustomButton items laid out left to
// right in rows that wrap (the rules of itemgrid), with scroll bars and wheel scrolling. At most
// one item is highlighted. Items are addressed by their position; the clicks of every item are
// passed on as ItemLeftClicked and ItemRightClicked, meant to be connected directly to the window
// that acts on them.
class CCustomTableControl : public ScrollingItemGrid {
    Q_OBJECT
public:
    // Every item loads its picture at this size.
    static constexpr QSize kPictureSize{72, 54};

    explicit CCustomTableControl(QWidget* parent = nullptr);

    // Whether an item carries exactly this path (case-sensitive).
    bool Contains(const QString& path) const;
    // Appends an item for the picture file at path. Returns the new item, or nullptr when the
    // picture does not load (the table is then unchanged).
    CCustomButton* AddItem(const QString& path);
    // The position of item; the item count when it is not in the table.
    int IndexOf(const CCustomButton* item) const;
    CCustomButton* Item(int index) const { return Effect(ItemAt(index)); }

    // Clears the highlight, then highlights the item at index; a negative index leaves nothing
    // highlighted. An index at or beyond the item count changes nothing.
    void Highlight(int index);
    // What a click on an item does to the table: the previously highlighted item is cleared, the
    // clicked one highlighted and its hover look dropped. Returns false, changing nothing, when the
    // item is null or not in the table.
    bool HighlightClickedItem(CCustomButton* item);
    CCustomButton* HighlightedItem() const { return highlighted_; }

    // Destroys the highlighted item, if any; nothing is highlighted afterwards.
    void RemoveHighlighted();
    // Destroys every item whose path equals path.
    void RemoveByPath(const QString& path);

signals:
    void ItemLeftClicked(CCustomButton* item);
    void ItemRightClicked(CCustomButton* item);

protected:
    void OnItemRemoved(GridItem* item) override;
    void OnItemLeftClicked(GridItem* item) override { emit ItemLeftClicked(Effect(item)); }
    void OnItemRightClicked(GridItem* item) override { emit ItemRightClicked(Effect(item)); }

private:
    static CCustomButton* Effect(GridItem* item) { return static_cast<CCustomButton*>(item); }
    void SetHighlighted(CCustomButton* item);

    QPointer<CCustomButton> highlighted_;
};

}  // namespace controls

#pragma once

#include <QPointer>
#include <QString>

#include <vector>

#include "controls/CCustomButton.h"
#include "controls/CThumbNailControl.h"

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
    static constexpr int kPictureWidth = 72;
    static constexpr int kPictureHeight = 54;

    explicit CCustomTableControl(QWidget* parent = nullptr);
    ~CCustomTableControl() override;

    // Sets the size of every item and works out how many fit in a row. Meant for an empty table:
    // items still held are destroyed, not left behind as strays.
    void SetItemSize(int width, int height);

    // Whether an item carries exactly this path (case-sensitive).
    bool Contains(const QString& path) const;
    // Appends an item for the picture file at path. Returns the new item, or nullptr when the
    // picture does not load (the table is then unchanged).
    CCustomButton* AddItem(const QString& path);
    // The position of item; the item count when it is not in the table.
    int IndexOf(const CCustomButton* item) const;

    // Clears the highlight, then highlights the item at index; a negative index leaves nothing
    // highlighted. An index at or beyond the item count changes nothing.
    void Highlight(int index);
    // What a click on an item does to the table: the previously highlighted item is cleared, the
    // clicked one highlighted and its hover look dropped. Returns false, changing nothing, when the
    // item is null or not in the table.
    bool HighlightClickedItem(CCustomButton* item);
    CCustomButton* HighlightedItem() const { return highlighted; }

    // Destroys the highlighted item, if any; nothing is highlighted afterwards.
    void RemoveHighlighted();
    // Destroys every item whose path equals path.
    void RemoveByPath(const QString& path);
    // Destroys every item. The scroll bars, their positions and the scroll offsets stay.
    void RemoveAllItems();

    int ItemCount() const override { return static_cast<int>(items.size()); }
    CCustomButton* Item(int index) const { return items.at(index); }

signals:
    void ItemLeftClicked(CCustomButton* item);
    void ItemRightClicked(CCustomButton* item);

protected:
    GridItem* ItemAt(int index) const override { return items.at(index); }

private:
    void SetHighlighted(CCustomButton* item);

    std::vector<CCustomButton*> items;
    QPointer<CCustomButton> highlighted;
};

}  // namespace controls

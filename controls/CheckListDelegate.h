#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

#include <vector>

namespace controls {

// Paints the cells of the check-box list from its model's roles: the cell's background colour, its
// check box (or else its small image), and its text in the cell's font and colour, left-aligned in
// column 1 and centred elsewhere. A selected row is drawn in the highlight colours while the list
// has the focus (or always, when asked), in column 0 only unless full-row select is on; a
// disabled row's text is grey. Cells of rows without records are drawn plainly.
class CheckListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Image 0 is the unchecked box, image 1 the checked one.
    void SetCheckBoxImages(std::vector<QPixmap> images) { checkBoxImages_ = std::move(images); }
    // The images a cell's image index refers to.
    void SetSmallImages(std::vector<QPixmap> images) { smallImages_ = std::move(images); }
    const std::vector<QPixmap>& SmallImages() const { return smallImages_; }

    void SetFullRowSelect(bool on) { fullRowSelect_ = on; }
    bool FullRowSelect() const { return fullRowSelect_; }
    void SetShowSelectionAlways(bool on) { showSelectionAlways_ = on; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    bool IsShownSelected(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    std::vector<QPixmap> checkBoxImages_;
    std::vector<QPixmap> smallImages_;
    bool fullRowSelect_ = false;
    bool showSelectionAlways_ = false;
};

}  // namespace controls

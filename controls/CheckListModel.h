#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QString>

#include <vector>

namespace controls {

// Check states of a cell or of a column heading.
inline constexpr int kNoCheck = -1;
inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;

// Roles of the check-box list beyond Qt's own.
// A column heading's image index; for a check-list column it is the heading's check state.
inline constexpr int kHeaderImageRole = Qt::UserRole + 1;
// A cell's image index into the list's small images, -1 for none.
inline constexpr int kCellImageRole = Qt::UserRole + 2;
// Whether the cell's row is enabled (drawn normally, its boxes clickable). Only rows that carry
// cell records answer it; the others are drawn plainly.
inline constexpr int kRowEnabledRole = Qt::UserRole + 3;

// What the list keeps for each cell beyond its text. An invalid colour stands for the system's
// colour (window text, window background), looked up when the cell is painted.
struct CellRecord {
    bool enabled = true;  // read for column 0: a disabled row is drawn in the grey-text colour
    bool bold = false;
    int image = -1;  // index into the small-image list, -1 for none
    QString tooltip;
    QColor textColour;
    QColor backgroundColour;
    int check = kNoCheck;
};

// The check-box list's rows and columns. Every row holds one text per column (at least one, the
// row's own text, even before a column exists) and either no cell records or one per column.
// Cells with records answer Qt::CheckStateRole (Qt::Checked or Qt::Unchecked; nothing without a
// box), Qt::ForegroundRole and Qt::BackgroundRole (nothing for the system's colours),
// Qt::FontRole, Qt::ToolTipRole, kCellImageRole and kRowEnabledRole; all but the font, the
// tooltip and the image can be set with setData. Headings answer their text,
// Qt::TextAlignmentRole and kHeaderImageRole, which setHeaderData sets.
class CheckListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // A column at position; rows with records get a record for it too.
    void InsertColumn(int position, const QString& heading, Qt::Alignment alignment);
    // A row at position with text in column 0, with a record per column when there are columns.
    void InsertRow(int position, const QString& text);
    void RemoveAllRows();

    // The cell's record; nullptr outside the rows or columns or for a row without records.
    const CellRecord* Cell(int row, int column) const;
    // The font of cells with records; bold cells take it in bold.
    void SetCellFont(const QFont& font);

private:
    struct Column {
        QString heading;
        Qt::Alignment alignment;
        int image = kNoCheck;
        QString accessibleName;  // what screen readers say for the heading; empty: the heading
    };
    struct Row {
        std::vector<QString> texts;
        std::vector<CellRecord> cells;
    };

    CellRecord* MutableCell(const QModelIndex& index);

    std::vector<Column> columns_;
    std::vector<Row> rows_;
    QFont cellFont_;
    QFont boldCellFont_;
};

}  // namespace controls

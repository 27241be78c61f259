#pragma once

#include <QColor>
#include <QPersistentModelIndex>
#include <QPixmap>
#include <QString>
#include <QTableView>

#include <optional>
#include <vector>

#include "controls/CheckListModel.h"

namespace controls {

class CCheckListHeader;
class CheckListDelegate;

// A report-style list that draws every cell itself: per-cell text and background colours, cell
// check boxes the user toggles with a click, a header (CCheckListHeader) whose headings may carry
// a check-all box that follows the rows, and a tiled background picture while the list has no
// rows. Rows inserted while the list has columns carry a CellRecord per column; rows without
// records are drawn plainly.
class CCheckListCtrl : public QTableView {
    Q_OBJECT
public:
    static constexpr int kCheckBoxSize = 16;
    static constexpr int kCellFontHeight = 16;  // cell height of the cell text's font

    explicit CCheckListCtrl(QWidget* parent = nullptr);
    ~CCheckListCtrl() override;

    // Columns. InsertColumn returns the new column's index (clamped to the end), -1 for a
    // negative index.
    int InsertColumn(int column, const QString& heading, Qt::Alignment alignment, int width);
    // What screen readers say for a column's heading, where the heading itself says too little.
    void SetColumnAccessibleName(int column, const QString& name);
    int ColumnCount() const;
    int RowCount() const;

    // Inserts a row (clamped to the end) with `text` in column 0 and returns its index, -1 for a
    // negative row. Column 0 takes the two colours; invalid colours mean the system's.
    int InsertRow(int row, const QString& text, const QColor& textColour = {},
                  const QColor& backgroundColour = {});
    // Sets a cell's text (std::nullopt keeps it) and colours. False outside the rows or columns.
    bool SetCellText(int row, int column, const std::optional<QString>& text,
                     const QColor& textColour = {}, const QColor& backgroundColour = {});
    QString CellText(int row, int column) const;
    // The cell's record; nullptr outside the rows or columns or for a row without records.
    const CellRecord* Cell(int row, int column) const;

    // Sets a cell's check state (kNoCheck, kUnchecked or kChecked), then lets the column's
    // check-all box follow. False outside the rows or columns, for a row without records or for
    // another state.
    bool SetCheck(int row, int column, int state);
    int GetCheck(int row, int column) const;
    int CountChecked(int column) const;

    // A column heading's check state (its image index); kNoCheck outside the columns.
    int GetHeaderCheck(int column) const;
    bool SetHeaderCheck(int column, int state);

    // Greys a row out (and makes its check boxes unclickable) or brings it back.
    bool SetRowEnabled(int row, bool enabled);
    bool IsRowEnabled(int row) const;

    void DeleteAllRows();

    // The picture tiled below the header while the list has no rows. A file that cannot be
    // loaded leaves the current picture and returns false.
    bool SetBackgroundImage(const QString& path, bool repaint);
    // The same with the picture at hand; a null picture is refused.
    bool SetBackgroundImage(const QPixmap& picture, bool repaint);
    bool HasBackground() const { return !background_.isNull(); }

    // The images a cell's image index refers to.
    void SetSmallImageList(std::vector<QPixmap> images);
    void SetHeaderFont(const QFont& font);

    // Full-row select: every cell of a selected row is highlighted, not only column 0.
    void SetFullRowSelect(bool on);
    bool FullRowSelect() const;
    // Keeps the selection highlighted while the list does not have the focus.
    void SetShowSelectionAlways(bool on);
    void SetGridLines(bool on) { setShowGrid(on); }

    CCheckListHeader* Header() const { return header_; }

signals:
    // A left click on a cell, after the list has toggled the cell's check box.
    void CellClicked(int row, int column);
    // A click on a column heading, after the list has applied its check-all box.
    void ColumnClicked(int column);
    void CellDoubleClicked(int row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

    // The click behaviour; a derived list calls the base first and then adds its own.
    virtual void OnCellClicked(int row, int column);
    virtual void OnColumnClicked(int column);
    // A click is a left press and release on the same cell.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool IsCell(int row, int column) const;
    // Sets the column's check-all box from its rows, when the heading has one.
    void UpdateHeaderCheck(int column);
    void HandleColumnClick(int column);
    void UpdateFonts();

    CheckListModel* model_;
    CheckListDelegate* delegate_;
    CCheckListHeader* header_;
    QPixmap background_;
    // The cell under the last left press; a release over the same cell makes a click.
    QPersistentModelIndex pressedIndex_;
};

}  // namespace controls

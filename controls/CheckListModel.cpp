#include "controls/CheckListModel.h"

#include <algorithm>
#include <utility>

namespace controls {

namespace {
QVariant ColourOrNothing(const QColor& colour) {
    return colour.isValid() ? QVariant(colour) : QVariant();
}
}  // namespace

int CheckListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CheckListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

const CellRecord* CheckListModel::Cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
    const std::vector<CellRecord>& cells = rows_[row].cells;
    return cells.empty() ? nullptr : &cells[column];
}

CellRecord* CheckListModel::MutableCell(const QModelIndex& index) {
    return const_cast<CellRecord*>(Cell(index.row(), index.column()));
}

QVariant CheckListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    if (role == Qt::DisplayRole) return rows_[index.row()].texts[index.column()];
    const CellRecord* cell = Cell(index.row(), index.column());
    if (cell == nullptr) return {};
    switch (role) {
        case Qt::CheckStateRole:
            if (cell->check == kNoCheck) return {};
            return cell->check == kChecked ? Qt::Checked : Qt::Unchecked;
        case Qt::ForegroundRole:
            return ColourOrNothing(cell->textColour);
        case Qt::BackgroundRole:
            return ColourOrNothing(cell->backgroundColour);
        case Qt::FontRole:
            return cell->bold ? boldCellFont_ : cellFont_;
        case Qt::ToolTipRole:
            return cell->tooltip.isEmpty() ? QVariant() : QVariant(cell->tooltip);
        case kCellImageRole:
            return cell->image;
        case kRowEnabledRole:
            return Cell(index.row(), 0)->enabled;
        default:
            return {};
    }
}

bool CheckListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return false;
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        rows_[index.row()].texts[index.column()] = value.toString();
        emit dataChanged(index, index, {Qt::DisplayRole});
        return true;
    }
    CellRecord* cell = MutableCell(index);
    if (cell == nullptr) return false;
    switch (role) {
        case Qt::CheckStateRole:
            // Nothing takes the box away.
            cell->check = !value.isValid()                               ? kNoCheck
                          : value.value<Qt::CheckState>() == Qt::Checked ? kChecked
                                                                         : kUnchecked;
            break;
        case Qt::ForegroundRole:
            cell->textColour = value.value<QColor>();
            break;
        case Qt::BackgroundRole:
            cell->backgroundColour = value.value<QColor>();
            break;
        case kRowEnabledRole:
            // Kept in column 0's record; the whole row changes its look.
            MutableCell(index.siblingAtColumn(0))->enabled = value.toBool();
            emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(columnCount() - 1));
            return true;
        default:
            return false;
    }
    emit dataChanged(index, index, {role});
    return true;
}

QVariant CheckListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    const Column& column = columns_[section];
    if (role == Qt::DisplayRole) return column.heading;
    if (role == Qt::TextAlignmentRole) return static_cast<int>(column.alignment);
    if (role == kHeaderImageRole) return column.image;
    if (role == Qt::AccessibleTextRole)
        return column.accessibleName.isEmpty() ? column.heading : column.accessibleName;
    return {};
}

bool CheckListModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                   int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return false;
    if (role == Qt::AccessibleTextRole) {
        columns_[section].accessibleName = value.toString();
        emit headerDataChanged(orientation, section, section);
        return true;
    }
    if (role != kHeaderImageRole) return false;
    if (columns_[section].image != value.toInt()) {
        columns_[section].image = value.toInt();
        emit headerDataChanged(orientation, section, section);
    }
    return true;
}

Qt::ItemFlags CheckListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void CheckListModel::InsertColumn(int position, const QString& heading, Qt::Alignment alignment) {
    beginInsertColumns({}, position, position);
    const bool firstColumn = columns_.empty();
    columns_.insert(columns_.begin() + position, {heading, alignment, kNoCheck, {}});
    for (Row& row : rows_) {
        // The first column takes over the text every row already has.
        if (!firstColumn) row.texts.insert(row.texts.begin() + position, QString());
        // Rows with records get one for the new column too, so every record a row has belongs
        // to an existing column and every column of such a row has a record.
        if (!row.cells.empty()) row.cells.insert(row.cells.begin() + position, CellRecord{});
    }
    endInsertColumns();
}

void CheckListModel::InsertRow(int position, const QString& text) {
    Row row;
    row.texts.resize(std::max(columnCount(), 1));
    row.texts[0] = text;
    row.cells.resize(columnCount());
    beginInsertRows({}, position, position);
    rows_.insert(rows_.begin() + position, std::move(row));
    endInsertRows();
}

void CheckListModel::RemoveAllRows() {
    if (rows_.empty()) return;
    beginRemoveRows({}, 0, rowCount() - 1);
    rows_.clear();
    endRemoveRows();
}

void CheckListModel::SetCellFont(const QFont& font) {
    cellFont_ = font;
    boldCellFont_ = font;
    boldCellFont_.setWeight(QFont::Bold);
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::FontRole});
}

}  // namespace controls

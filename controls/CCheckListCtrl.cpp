#include "controls/CCheckListCtrl.h"

#include <QAbstractTableModel>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>

#include <algorithm>
#include <utility>

#include "controls/CCheckListHeader.h"
#include "controls/CellFont.h"
#include "controls/ProgramResources.h"

namespace controls {

namespace {
constexpr QRgb kCheckBoxMaskColour = 0xFF00FF;
// Room added to the taller of the list's font and the cell images to make a row.
constexpr int kRowPadding = 4;

const QPixmap* ImageAt(const std::vector<QPixmap>& images, int index) {
    if (index < 0 || index >= static_cast<int>(images.size())) return nullptr;
    return &images[index];
}
}  // namespace

std::vector<QPixmap> LoadImageStrip(const QString& path, int imageWidth, QRgb maskColour) {
    QImage strip(path);
    if (strip.isNull() || imageWidth <= 0) return {};
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = maskColour & RGB_MASK;
    for (int y = 0; y < strip.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x)
            if ((line[x] & RGB_MASK) == mask) line[x] = 0;
    }
    std::vector<QPixmap> images;
    for (int left = 0; left + imageWidth <= strip.width(); left += imageWidth)
        images.push_back(QPixmap::fromImage(strip.copy(left, 0, imageWidth, strip.height())));
    return images;
}

std::vector<QPixmap> StyleCheckBoxImages(const QWidget* widget, int size) {
    std::vector<QPixmap> images;
    for (const QStyle::StateFlag state : {QStyle::State_Off, QStyle::State_On}) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        QStyleOptionButton option;
        option.initFrom(widget);
        option.rect = QRect(0, 0, size, size);
        option.state = QStyle::State_Enabled | state;
        widget->style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, widget);
        painter.end();
        images.push_back(picture);
    }
    return images;
}

// The list's rows and columns. Every row holds one text per column (at least one, the row's own
// text, even before a column exists) and either no cell records or one per column.
class CheckListModel : public QAbstractTableModel {
public:
    struct Column {
        QString heading;
        Qt::Alignment alignment;
        int image = kNoCheck;
    };
    struct Row {
        std::vector<QString> texts;
        std::vector<CellRecord> cells;
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(columns.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
        const Row& row = rows[index.row()];
        if (role == Qt::DisplayRole) return row.texts[index.column()];
        if (role == Qt::ToolTipRole && !row.cells.empty() &&
            !row.cells[index.column()].tooltip.isEmpty())
            return row.cells[index.column()].tooltip;
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
        const Column& column = columns[section];
        if (role == Qt::DisplayRole) return column.heading;
        if (role == Qt::TextAlignmentRole) return static_cast<int>(column.alignment);
        if (role == kHeaderImageRole) return column.image;
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    void InsertColumn(int position, Column column) {
        beginInsertColumns({}, position, position);
        const bool firstColumn = columns.empty();
        columns.insert(columns.begin() + position, std::move(column));
        for (Row& row : rows) {
            // The first column takes over the text every row already has.
            if (!firstColumn) row.texts.insert(row.texts.begin() + position, QString());
            // Rows with records get one for the new column too, so every record a row has
            // belongs to an existing column and every column of such a row has a record.
            if (!row.cells.empty()) row.cells.insert(row.cells.begin() + position, CellRecord{});
        }
        endInsertColumns();
    }

    void InsertRow(int position, Row row) {
        beginInsertRows({}, position, position);
        rows.insert(rows.begin() + position, std::move(row));
        endInsertRows();
    }

    void RemoveAllRows() {
        if (rows.empty()) return;
        beginRemoveRows({}, 0, rowCount() - 1);
        rows.clear();
        endRemoveRows();
    }

    void CellsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn) {
        emit dataChanged(index(firstRow, firstColumn), index(lastRow, lastColumn));
    }
    void HeadingChanged(int column) { emit headerDataChanged(Qt::Horizontal, column, column); }

    std::vector<Column> columns;
    std::vector<Row> rows;
};

// Hands the painting of cells with records to the list; other cells are drawn plainly.
class CheckListDelegate : public QStyledItemDelegate {
public:
    explicit CheckListDelegate(CCheckListCtrl* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (list_->Cell(index.row(), index.column()) == nullptr)
            QStyledItemDelegate::paint(painter, option, index);
        else
            list_->PaintCell(painter, option.rect, index);
    }

private:
    CCheckListCtrl* list_;
};

CCheckListCtrl::CCheckListCtrl(QWidget* parent)
    : QTableView(parent), model_(new CheckListModel(this)), header_(new CCheckListHeader(this)) {
    setHorizontalHeader(header_);
    setModel(model_);
    setItemDelegate(new CheckListDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    header_->setSectionResizeMode(QHeaderView::Interactive);
    // Rows are selected whole; this also keeps a heading click from selecting its column.
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setShowGrid(false);

    checkBoxImages_ =
        LoadImageStrip(ResourcePath(kBitmapCheckBoxes), kCheckBoxSize, kCheckBoxMaskColour);
    if (checkBoxImages_.size() < 2) checkBoxImages_ = StyleCheckBoxImages(this, kCheckBoxSize);

    connect(header_, &QHeaderView::sectionClicked, this, &CCheckListCtrl::HandleColumnClick);
    UpdateFonts();
}

CCheckListCtrl::~CCheckListCtrl() = default;

int CCheckListCtrl::ColumnCount() const {
    return model_->columnCount();
}

int CCheckListCtrl::RowCount() const {
    return model_->rowCount();
}

int CCheckListCtrl::InsertColumn(int column, const QString& heading, Qt::Alignment alignment,
                                 int width) {
    if (column < 0) return -1;
    column = std::min(column, ColumnCount());
    model_->InsertColumn(column, {heading, alignment, kNoCheck});
    header_->resizeSection(column, std::max(width, 0));
    return column;
}

int CCheckListCtrl::InsertRow(int row, const QString& text, const QColor& textColour,
                              const QColor& backgroundColour) {
    if (row < 0) return -1;
    row = std::min(row, RowCount());
    CheckListModel::Row data;
    data.texts.resize(std::max(ColumnCount(), 1));
    data.texts[0] = text;
    if (ColumnCount() > 0) {
        data.cells.resize(ColumnCount());
        data.cells[0].textColour = textColour;
        data.cells[0].backgroundColour = backgroundColour;
    }
    model_->InsertRow(row, std::move(data));
    return row;
}

bool CCheckListCtrl::SetCellText(int row, int column, const std::optional<QString>& text,
                                 const QColor& textColour, const QColor& backgroundColour) {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) return false;
    CheckListModel::Row& data = model_->rows[row];
    if (text) data.texts[column] = *text;
    if (!data.cells.empty()) {
        data.cells[column].textColour = textColour;
        data.cells[column].backgroundColour = backgroundColour;
    }
    RepaintCell(row, column);
    return true;
}

QString CCheckListCtrl::CellText(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) return {};
    return model_->rows[row].texts[column];
}

const CellRecord* CCheckListCtrl::Cell(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) return nullptr;
    const auto& cells = model_->rows[row].cells;
    return cells.empty() ? nullptr : &cells[column];
}

CellRecord* CCheckListCtrl::MutableCell(int row, int column) {
    return const_cast<CellRecord*>(Cell(row, column));
}

void CCheckListCtrl::RepaintCell(int row, int column) {
    model_->CellsChanged(row, row, column, column);
}

void CCheckListCtrl::RepaintRow(int row) {
    model_->CellsChanged(row, row, 0, ColumnCount() - 1);
}

bool CCheckListCtrl::SetCheck(int row, int column, int state) {
    if (state < kNoCheck || state > kChecked) return false;
    CellRecord* cell = MutableCell(row, column);
    if (cell == nullptr) return false;
    cell->check = state;
    RepaintCell(row, column);
    UpdateHeaderCheck(column);
    return true;
}

int CCheckListCtrl::GetCheck(int row, int column) const {
    const CellRecord* cell = Cell(row, column);
    return cell ? cell->check : kNoCheck;
}

int CCheckListCtrl::CountChecked(int column) const {
    if (column < 0 || column >= ColumnCount()) return 0;
    int checked = 0;
    for (const CheckListModel::Row& row : model_->rows)
        if (!row.cells.empty() && row.cells[column].check == kChecked) ++checked;
    return checked;
}

int CCheckListCtrl::GetHeaderCheck(int column) const {
    if (column < 0 || column >= ColumnCount()) return kNoCheck;
    return model_->columns[column].image;
}

bool CCheckListCtrl::SetHeaderCheck(int column, int state) {
    if (column < 0 || column >= ColumnCount() || state < kNoCheck || state > kChecked) return false;
    if (model_->columns[column].image != state) {
        model_->columns[column].image = state;
        model_->HeadingChanged(column);
    }
    return true;
}

void CCheckListCtrl::UpdateHeaderCheck(int column) {
    if (GetHeaderCheck(column) == kNoCheck) return;
    SetHeaderCheck(column, CountChecked(column) == RowCount() ? kChecked : kUnchecked);
}

bool CCheckListCtrl::SetRowEnabled(int row, bool enabled) {
    CellRecord* first = MutableCell(row, 0);
    if (first == nullptr) return false;
    if (first->enabled != enabled) {
        first->enabled = enabled;
        RepaintRow(row);
    }
    return true;
}

bool CCheckListCtrl::IsRowEnabled(int row) const {
    const CellRecord* first = Cell(row, 0);
    return first == nullptr || first->enabled;
}

void CCheckListCtrl::DeleteAllRows() {
    model_->RemoveAllRows();
    viewport()->update();
}

bool CCheckListCtrl::SetBackgroundImage(const QString& path, bool repaint) {
    QPixmap picture;
    if (!picture.load(path)) return false;
    background_ = std::move(picture);
    if (repaint) viewport()->update();
    return true;
}

void CCheckListCtrl::SetSmallImageList(std::vector<QPixmap> images) {
    smallImages_ = std::move(images);
    UpdateFonts();
    viewport()->update();
}

void CCheckListCtrl::SetHeaderFont(const QFont& font) {
    header_->setFont(font);
    updateGeometries();
}

void CCheckListCtrl::SetFullRowSelect(bool on) {
    fullRowSelect_ = on;
    viewport()->update();
}

void CCheckListCtrl::SetShowSelectionAlways(bool on) {
    showSelectionAlways_ = on;
    viewport()->update();
}

void CCheckListCtrl::UpdateFonts() {
    cellFont_ = FontWithCellHeight(font(), kCellFontHeight);
    boldCellFont_ = cellFont_;
    boldCellFont_.setWeight(QFont::Bold);
    int imageHeight = kCheckBoxSize;
    for (const QPixmap& image : smallImages_) imageHeight = std::max(imageHeight, image.height());
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height(), imageHeight) +
                                            kRowPadding);
}

void CCheckListCtrl::OnCellClicked(int row, int column) {
    CellRecord* cell = MutableCell(row, column);
    if (cell == nullptr || !IsRowEnabled(row)) return;
    if (cell->check != kUnchecked && cell->check != kChecked) return;
    cell->check = cell->check == kChecked ? kUnchecked : kChecked;
    RepaintCell(row, column);
    UpdateHeaderCheck(column);
}

void CCheckListCtrl::OnColumnClicked(int column) {
    const int state = GetHeaderCheck(column);
    if (state == kNoCheck) return;
    const int newState = state == kChecked ? kUnchecked : kChecked;
    SetHeaderCheck(column, newState);
    for (CheckListModel::Row& row : model_->rows)
        if (!row.cells.empty() && row.cells[column].check != kNoCheck)
            row.cells[column].check = newState;
    if (RowCount() > 0) model_->CellsChanged(0, RowCount() - 1, column, column);
}

void CCheckListCtrl::HandleColumnClick(int column) {
    OnColumnClicked(column);
    emit ColumnClicked(column);
}

void CCheckListCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressedIndex_ = indexAt(event->position().toPoint());
    }
    QTableView::mousePressEvent(event);
}

void CCheckListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    // The release that ends a double click belongs to it and is no click of its own.
    pressedIndex_ = QPersistentModelIndex();
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) emit CellDoubleClicked(index.row(), index.column());
}

void CCheckListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QModelIndex index = indexAt(event->position().toPoint());
    // A click is a press and a release on the same cell.
    const bool click = index.isValid() && index == pressedIndex_;
    pressedIndex_ = QPersistentModelIndex();
    if (!click) return;
    OnCellClicked(index.row(), index.column());
    emit CellClicked(index.row(), index.column());
}

void CCheckListCtrl::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) UpdateFonts();
    // Colours are looked up in the palette whenever a cell is painted.
    if (event->type() == QEvent::PaletteChange) viewport()->update();
}

void CCheckListCtrl::paintEvent(QPaintEvent* event) {
    // An empty list shows its picture, tiled from the top left corner below the header.
    if (RowCount() == 0 && !background_.isNull()) {
        QPainter painter(viewport());
        painter.drawTiledPixmap(viewport()->rect(), background_);
        return;
    }
    QTableView::paintEvent(event);
}

bool CCheckListCtrl::IsShownSelected(const QModelIndex& index) const {
    if (index.column() != 0 && !fullRowSelect_) return false;
    if (!hasFocus() && !showSelectionAlways_) return false;
    return selectionModel() != nullptr &&
           selectionModel()->isSelected(model_->index(index.row(), 0));
}

void CCheckListCtrl::PaintCell(QPainter* painter, const QRect& rect,
                               const QModelIndex& index) const {
    const int row = index.row();
    const int column = index.column();
    const CellRecord& cell = *Cell(row, column);
    const QPalette& colours = palette();

    QColor text = cell.textColour.isValid() ? cell.textColour
                                            : colours.color(QPalette::Active, QPalette::Text);
    QColor back = cell.backgroundColour.isValid() ? cell.backgroundColour
                                                  : colours.color(QPalette::Active, QPalette::Base);
    if (IsShownSelected(index)) {
        text = colours.color(QPalette::Active, QPalette::HighlightedText);
        back = colours.color(QPalette::Active, QPalette::Highlight);
    }
    if (!IsRowEnabled(row)) text = colours.color(QPalette::Disabled, QPalette::Text);

    painter->save();
    painter->setClipRect(rect, Qt::IntersectClip);
    painter->fillRect(rect, back);

    const int spacing = CCheckListHeader::kItemSpacing;
    QRect area = rect.adjusted(spacing, 0, -spacing, 0);
    const QPixmap* image = cell.check != kNoCheck ? ImageAt(checkBoxImages_, cell.check)
                                                  : ImageAt(smallImages_, cell.image);
    if (image != nullptr) {
        painter->drawPixmap(area.left(), rect.top() + (rect.height() - image->height()) / 2,
                            *image);
        area.setLeft(area.left() + image->width() + spacing);
    }

    const QString& content = model_->rows[row].texts[column];
    if (!content.isEmpty() && area.width() > 0) {
        const QFont& font = cell.bold ? boldCellFont_ : cellFont_;
        const Qt::Alignment alignment = column == 1 ? Qt::AlignLeft : Qt::AlignHCenter;
        painter->setFont(font);
        painter->setPen(text);
        painter->drawText(area, alignment | Qt::AlignVCenter | Qt::TextSingleLine,
                          QFontMetrics(font).elidedText(content, Qt::ElideRight, area.width()));
    }
    painter->restore();
}

}  // namespace controls

#include "controls/CCheckListCtrl.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

#include "controls/CCheckListHeader.h"
#include "controls/CellFont.h"
#include "controls/CheckListDelegate.h"
#include "controls/ListPictures.h"
#include "controls/ProgramResources.h"

namespace controls {

namespace {
constexpr QRgb kCheckBoxMaskColour = 0xFF00FF;
// Room added to the taller of the list's font and the cell images to make a row.
constexpr int kRowPadding = 4;

QVariant CheckStateValue(int state) {
    if (state == kNoCheck) return {};
    return state == kChecked ? Qt::Checked : Qt::Unchecked;
}
}  // namespace

CCheckListCtrl::CCheckListCtrl(QWidget* parent)
    : QTableView(parent),
      model_(new CheckListModel(this)),
      delegate_(new CheckListDelegate(this)),
      header_(new CCheckListHeader(this)) {
    setHorizontalHeader(header_);
    setModel(model_);
    setItemDelegate(delegate_);
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

    std::vector<QPixmap> checkBoxes =
        LoadImageStrip(ResourcePath(kBitmapCheckBoxes), kCheckBoxSize, kCheckBoxMaskColour);
    if (checkBoxes.size() < 2) checkBoxes = StyleCheckBoxImages(this, kCheckBoxSize);
    delegate_->SetCheckBoxImages(std::move(checkBoxes));

    connect(header_, &QHeaderView::sectionClicked, this, &CCheckListCtrl::HandleColumnClick);
    UpdateFonts();
}

CCheckListCtrl::~CCheckListCtrl() = default;

void CCheckListCtrl::SetColumnAccessibleName(int column, const QString& name) {
    model_->setHeaderData(column, Qt::Horizontal, name, Qt::AccessibleTextRole);
}

int CCheckListCtrl::ColumnCount() const {
    return model_->columnCount();
}

int CCheckListCtrl::RowCount() const {
    return model_->rowCount();
}

bool CCheckListCtrl::IsCell(int row, int column) const {
    return row >= 0 && row < RowCount() && column >= 0 && column < ColumnCount();
}

int CCheckListCtrl::InsertColumn(int column, const QString& heading, Qt::Alignment alignment,
                                 int width) {
    if (column < 0) return -1;
    column = std::min(column, ColumnCount());
    model_->InsertColumn(column, heading, alignment);
    header_->resizeSection(column, std::max(width, 0));
    return column;
}

int CCheckListCtrl::InsertRow(int row, const QString& text, const QColor& textColour,
                              const QColor& backgroundColour) {
    if (row < 0) return -1;
    row = std::min(row, RowCount());
    model_->InsertRow(row, text);
    const QModelIndex first = model_->index(row, 0);
    model_->setData(first, textColour, Qt::ForegroundRole);
    model_->setData(first, backgroundColour, Qt::BackgroundRole);
    return row;
}

bool CCheckListCtrl::SetCellText(int row, int column, const std::optional<QString>& text,
                                 const QColor& textColour, const QColor& backgroundColour) {
    if (!IsCell(row, column)) return false;
    const QModelIndex cell = model_->index(row, column);
    if (text) model_->setData(cell, *text, Qt::DisplayRole);
    model_->setData(cell, textColour, Qt::ForegroundRole);
    model_->setData(cell, backgroundColour, Qt::BackgroundRole);
    return true;
}

QString CCheckListCtrl::CellText(int row, int column) const {
    if (!IsCell(row, column)) return {};
    return model_->index(row, column).data(Qt::DisplayRole).toString();
}

const CellRecord* CCheckListCtrl::Cell(int row, int column) const {
    return model_->Cell(row, column);
}

bool CCheckListCtrl::SetCheck(int row, int column, int state) {
    if (state < kNoCheck || state > kChecked || Cell(row, column) == nullptr) return false;
    model_->setData(model_->index(row, column), CheckStateValue(state), Qt::CheckStateRole);
    UpdateHeaderCheck(column);
    return true;
}

int CCheckListCtrl::GetCheck(int row, int column) const {
    const CellRecord* cell = Cell(row, column);
    return cell ? cell->check : kNoCheck;
}

int CCheckListCtrl::CountChecked(int column) const {
    int checked = 0;
    for (int row = 0; row < RowCount(); ++row)
        if (GetCheck(row, column) == kChecked) ++checked;
    return checked;
}

int CCheckListCtrl::GetHeaderCheck(int column) const {
    if (column < 0 || column >= ColumnCount()) return kNoCheck;
    return model_->headerData(column, Qt::Horizontal, kHeaderImageRole).toInt();
}

bool CCheckListCtrl::SetHeaderCheck(int column, int state) {
    if (state < kNoCheck || state > kChecked) return false;
    return model_->setHeaderData(column, Qt::Horizontal, state, kHeaderImageRole);
}

void CCheckListCtrl::UpdateHeaderCheck(int column) {
    if (GetHeaderCheck(column) == kNoCheck) return;
    SetHeaderCheck(column, CountChecked(column) == RowCount() ? kChecked : kUnchecked);
}

bool CCheckListCtrl::SetRowEnabled(int row, bool enabled) {
    const CellRecord* first = Cell(row, 0);
    if (first == nullptr) return false;
    if (first->enabled != enabled) model_->setData(model_->index(row, 0), enabled, kRowEnabledRole);
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
    if (!LoadPicture(path, background_)) return false;
    if (repaint) viewport()->update();
    return true;
}

bool CCheckListCtrl::SetBackgroundImage(const QPixmap& picture, bool repaint) {
    if (picture.isNull()) return false;
    background_ = picture;
    if (repaint) viewport()->update();
    return true;
}

void CCheckListCtrl::SetSmallImageList(std::vector<QPixmap> images) {
    delegate_->SetSmallImages(std::move(images));
    UpdateFonts();
    viewport()->update();
}

void CCheckListCtrl::SetHeaderFont(const QFont& font) {
    header_->setFont(font);
    updateGeometries();
}

bool CCheckListCtrl::FullRowSelect() const {
    return delegate_->FullRowSelect();
}

void CCheckListCtrl::SetFullRowSelect(bool on) {
    delegate_->SetFullRowSelect(on);
    viewport()->update();
}

void CCheckListCtrl::SetShowSelectionAlways(bool on) {
    delegate_->SetShowSelectionAlways(on);
    viewport()->update();
}

void CCheckListCtrl::UpdateFonts() {
    model_->SetCellFont(FontWithCellHeight(font(), kCellFontHeight));
    int imageHeight = kCheckBoxSize;
    for (const QPixmap& image : delegate_->SmallImages())
        imageHeight = std::max(imageHeight, image.height());
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height(), imageHeight) +
                                            kRowPadding);
}

void CCheckListCtrl::OnCellClicked(int row, int column) {
    const int state = GetCheck(row, column);
    if (!IsRowEnabled(row) || (state != kUnchecked && state != kChecked)) return;
    SetCheck(row, column, state == kChecked ? kUnchecked : kChecked);
}

void CCheckListCtrl::OnColumnClicked(int column) {
    const int state = GetHeaderCheck(column);
    if (state == kNoCheck) return;
    const int newState = state == kChecked ? kUnchecked : kChecked;
    SetHeaderCheck(column, newState);
    for (int row = 0; row < RowCount(); ++row)
        if (GetCheck(row, column) != kNoCheck)
            model_->setData(model_->index(row, column), CheckStateValue(newState),
                            Qt::CheckStateRole);
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

}  // namespace controls

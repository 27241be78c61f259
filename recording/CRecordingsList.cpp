#include "recording/CRecordingsList.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QFont>
#include <QUrl>

#include <algorithm>

#include "controls/CCheckListHeader.h"
#include "controls/CellFont.h"
#include "controls/ListPictures.h"
#include "controls/ProgramResources.h"

namespace recording {

namespace {
constexpr int kFontCellHeight = 20;
constexpr int kHeaderFontWeight = 800;
constexpr int kImageSize = 16;
constexpr QRgb kRowImagesMaskColour = 0xFFFFFF;
constexpr QRgb kHeaderImagesMaskColour = 0xFF00FF;

constexpr int kCheckColumn = 0;
constexpr int kFileNameColumn = 1;
constexpr int kDurationColumn = 2;

QFont ListFont(int weight) {
    QFont font(QStringLiteral("Arial"));
    font.setWeight(static_cast<QFont::Weight>(weight));
    return controls::FontWithCellHeight(font, kFontCellHeight);
}
}  // namespace

CRecordingsList::CRecordingsList(QWidget* parent) : controls::CCheckListCtrl(parent) {
    // The window's skin draws the frame around the list's place.
    setFrameShape(QFrame::NoFrame);
    fileCheckTimer_.setInterval(kFileCheckIntervalMs);
    connect(&fileCheckTimer_, &QTimer::timeout, this, &CRecordingsList::RefreshFileStates);
    connect(this, &CCheckListCtrl::CellDoubleClicked, this,
            [this](int row, int) { OpenRecording(row); });
}

void CRecordingsList::SetUpColumns() {
    setFont(ListFont(QFont::Normal));
    SetSmallImageList(
        controls::LoadImageStrip(controls::ResourcePath(controls::kBitmapRecordingRowIcons),
                                 kImageSize, kRowImagesMaskColour));

    SetHeaderFont(ListFont(kHeaderFontWeight));
    std::vector<QPixmap> headerImages =
        controls::LoadImageStrip(controls::ResourcePath(controls::kBitmapHeaderCheckBoxes),
                                 kImageSize, kHeaderImagesMaskColour);
    if (headerImages.size() < 2) headerImages = controls::StyleCheckBoxImages(this, kImageSize);
    Header()->SetImageList(std::move(headerImages));
    Header()->SetBackgroundBitmap(controls::kBitmapListHeaderBack, false);

    // Column 0 holds the check boxes; it starts zero pixels wide, so it stays out of sight until
    // the user drags its divider wider.
    InsertColumn(kCheckColumn, QStringLiteral(" "), Qt::AlignHCenter, 0);
    InsertColumn(kFileNameColumn, QStringLiteral("FileName"), Qt::AlignHCenter, 240);
    InsertColumn(kDurationColumn, QStringLiteral("Duration"), Qt::AlignHCenter, 160);
    SetHeaderCheck(kCheckColumn, controls::kUnchecked);

    SetFullRowSelect(true);
    SetGridLines(false);
}

void CRecordingsList::InsertEntry(const RecordingEntry& entry) {
    entries_.insert(entries_.begin(), entry);
    RebuildRows();
}

void CRecordingsList::AddFinishedRecording(const QString& fileName, const QString& fullPath,
                                           const QString& duration) {
    RecordingEntry entry;
    entry.checked = controls::kChecked;
    entry.duration = duration;
    entry.fullPath = fullPath;
    entry.fileName = fileName;
    InsertEntry(entry);
    update();
    show();
}

void CRecordingsList::RebuildRows() {
    // Drawing waits until the rows are complete.
    const bool updatesWereEnabled = updatesEnabled();
    setUpdatesEnabled(false);
    DeleteAllRows();
    SetGridLines(!entries_.empty());
    const QColor text = QColor::fromRgb(kRowTextColour);
    const QColor background = QColor::fromRgb(kRowBackgroundColour);
    for (int row = 0; row < static_cast<int>(entries_.size()); ++row) {
        const RecordingEntry& entry = entries_[row];
        InsertRow(row, QStringLiteral(" "), text, background);
        SetCellText(row, kFileNameColumn, entry.fileName, text, background);
        SetCheck(row, kCheckColumn, entry.checked);
        SetCellText(row, kDurationColumn, entry.duration, text, background);
    }
    RefreshFileStates();
    setUpdatesEnabled(updatesWereEnabled);
}

void CRecordingsList::RefreshFileStates() {
    const int rows = std::min(RowCount(), static_cast<int>(entries_.size()));
    for (int row = 0; row < rows; ++row)
        SetRowEnabled(row, QFileInfo::exists(entries_[row].fullPath));
}

void CRecordingsList::OnCellClicked(int row, int column) {
    CCheckListCtrl::OnCellClicked(row, column);
    if (column != kCheckColumn || row < 0 || row >= static_cast<int>(entries_.size())) return;
    const int state = GetCheck(row, kCheckColumn);
    if (state != controls::kNoCheck) entries_[row].checked = state;
}

void CRecordingsList::OnColumnClicked(int column) {
    CCheckListCtrl::OnColumnClicked(column);
    if (column != kCheckColumn) return;
    const int state = GetHeaderCheck(kCheckColumn);
    if (state == controls::kNoCheck) return;
    for (RecordingEntry& entry : entries_) entry.checked = state;
}

void CRecordingsList::OpenRecording(int row) {
    if (row < 0 || row >= static_cast<int>(entries_.size())) return;
    const QString& path = entries_[row].fullPath;
    // A file that has gone since the last look is greyed out rather than handed on.
    if (!QFileInfo::exists(path)) {
        SetRowEnabled(row, false);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void CRecordingsList::showEvent(QShowEvent* event) {
    CCheckListCtrl::showEvent(event);
    RefreshFileStates();
    fileCheckTimer_.start();
}

void CRecordingsList::hideEvent(QHideEvent* event) {
    CCheckListCtrl::hideEvent(event);
    fileCheckTimer_.stop();
}

}  // namespace recording

#include "controls/CRecordingsList.h"

#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QUrl>

#include <algorithm>

#include "controls/CCheckListHeader.h"
#include "controls/CellFont.h"
#include "controls/CallQueue.h"
#include "controls/ListPictures.h"
#include "controls/ProgramResources.h"

namespace controls {

namespace {
constexpr int kFontCellHeight = 20;
constexpr int kHeaderFontWeight = 800;
constexpr int kImageSize = 16;
constexpr QRgb kRowImagesMaskColour = 0xFFFFFF;
constexpr QRgb kHeaderImagesMaskColour = 0xFF00FF;

constexpr int kCheckColumn = 0;
constexpr int kFileNameColumn = 1;
constexpr int kDurationColumn = 2;

CRecordingsList::Services RealServices() {
    return {
        [](const QUrl& url) { return QDesktopServices::openUrl(url); },
        [](QWidget* parent, const QString& currentName) {
            return QInputDialog::getText(parent, CRecordingsList::tr("Rename recording"),
                                         CRecordingsList::tr("New file name:"), QLineEdit::Normal,
                                         currentName);
        },
        [](QWidget* parent, const QString& message) {
            QMessageBox::warning(parent, QStringLiteral("Quenvalor"), message);
        },
    };
}

QFont ListFont(int weight) {
    QFont font(QStringLiteral("Arial"));
    font.setWeight(static_cast<QFont::Weight>(weight));
    return controls::FontWithCellHeight(font, kFontCellHeight);
}
}  // namespace

CRecordingsList::CRecordingsList(QWidget* parent)
    : controls::CCheckListCtrl(parent),
      services_(RealServices()),
      lookAnswers_(new CallQueue(this)) {
    // The window's skin draws the frame around the list's place.
    setFrameShape(QFrame::NoFrame);
    fileCheckTimer_.setInterval(kFileCheckIntervalMs);
    connect(&fileCheckTimer_, &QTimer::timeout, this, &CRecordingsList::RefreshFileStates);
    connect(this, &CCheckListCtrl::CellDoubleClicked, this,
            [this](int row, int) { OpenRecording(row); });
}

CRecordingsList::~CRecordingsList() {
    // A look stuck on a hung mount is left to end by itself, and tells nothing.
    lookWorker_.LetGo(std::chrono::milliseconds(200));
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
    //: The recordings list's column of file names
    InsertColumn(kFileNameColumn, tr("FileName"), Qt::AlignHCenter, 240);
    //: The recordings list's column of recording lengths
    InsertColumn(kDurationColumn, tr("Duration"), Qt::AlignHCenter, 160);
    SetHeaderCheck(kCheckColumn, controls::kUnchecked);
    //: The recordings list's column of check boxes (hidden until widened), as screen readers
    //: name it
    SetColumnAccessibleName(kCheckColumn, tr("Marked"));

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
    ShowFileStates();
    setUpdatesEnabled(updatesWereEnabled);
    RefreshFileStates();
}

void CRecordingsList::RefreshFileStates() {
    // One look at a time: a stalled folder gets no pile of looks behind the first.
    if (looking_) {
        lookAgain_ = true;
        return;
    }
    QStringList paths;
    for (const RecordingEntry& entry : entries_) paths.append(entry.fullPath);
    if (paths.isEmpty()) return;
    looking_ = true;
    lookWorker_.Post([this, paths](const platform::FolderWorker::Outlet& outlet) {
        QList<bool> present;
        present.reserve(paths.size());
        for (const QString& path : paths) present.append(QFileInfo::exists(path));
        outlet.Deliver([&] {
            lookAnswers_->Post([this, paths, present] { ApplyFileStates(paths, present); });
        });
    });
}

void CRecordingsList::ApplyFileStates(const QStringList& paths, const QList<bool>& present) {
    looking_ = false;
    // Matched by path: the entries may have changed while the look was under way.
    for (RecordingEntry& entry : entries_) {
        const qsizetype at = paths.indexOf(entry.fullPath);
        if (at >= 0) entry.missing = !present[at];
    }
    ShowFileStates();
    if (lookAgain_) {
        lookAgain_ = false;
        RefreshFileStates();
    }
}

void CRecordingsList::ShowFileStates() {
    const int rows = std::min(RowCount(), static_cast<int>(entries_.size()));
    for (int row = 0; row < rows; ++row) {
        const bool present = !entries_[row].missing;
        const QString name =
            entries_[row].fileName + (present ? QString() : tr(kMissingMark));
        if (CellText(row, kFileNameColumn) != name)
            SetCellText(row, kFileNameColumn, name, QColor::fromRgb(kRowTextColour),
                        QColor::fromRgb(kRowBackgroundColour));
        if (IsRowEnabled(row) != present) SetRowEnabled(row, present);
    }
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

const RecordingEntry* CRecordingsList::PresentEntry(int row) {
    if (row < 0 || row >= static_cast<int>(entries_.size())) return nullptr;
    // A file that has gone since the last look is marked rather than handed on.
    if (!QFileInfo::exists(entries_[row].fullPath)) {
        entries_[row].missing = true;
        ShowFileStates();
        return nullptr;
    }
    return &entries_[row];
}

bool CRecordingsList::OpenRecording(int row) {
    const RecordingEntry* entry = PresentEntry(row);
    return entry && services_.openUrl(QUrl::fromLocalFile(entry->fullPath));
}

bool CRecordingsList::ShowInFolder(int row) {
    const RecordingEntry* entry = PresentEntry(row);
    return entry && services_.openUrl(QUrl::fromLocalFile(QFileInfo(entry->fullPath).path()));
}

bool CRecordingsList::RenameRecording(int row, QString newFileName) {
    const RecordingEntry* entry = PresentEntry(row);
    newFileName = newFileName.trimmed();
    if (!entry || newFileName.isEmpty() || newFileName == entry->fileName) return false;
    // A name, not a path: the recording stays in its folder.
    if (newFileName.contains(QLatin1Char('/')) || newFileName == QLatin1String(".") ||
        newFileName == QLatin1String("..")) {
        services_.showError(this, tr("\"%1\" is not a file name.").arg(newFileName));
        return false;
    }
    const QString suffix = QFileInfo(entry->fileName).suffix();
    if (!suffix.isEmpty() && QFileInfo(newFileName).suffix().compare(suffix, Qt::CaseInsensitive) != 0)
        newFileName += QLatin1Char('.') + suffix;
    const QString newPath = QFileInfo(entry->fullPath).dir().filePath(newFileName);
    // QFile::rename never replaces an existing file, so no other recording is lost.
    if (QFileInfo::exists(newPath) || !QFile::rename(entry->fullPath, newPath)) {
        services_.showError(this, tr("Could not rename \"%1\" to \"%2\". A file of "
                                     "that name may exist already.")
                                      .arg(entry->fileName, newFileName));
        return false;
    }
    RecordingEntry& renamed = entries_[row];
    renamed.fileName = newFileName;
    renamed.fullPath = newPath;
    RebuildRows();
    return true;
}

bool CRecordingsList::TrashRecording(int row) {
    const RecordingEntry* entry = PresentEntry(row);
    if (!entry) return false;
    QFile file(entry->fullPath);
    if (!file.moveToTrash()) {
        services_.showError(this, tr("Could not move \"%1\" to the trash.")
                                      .arg(entry->fileName));
        return false;
    }
    entries_.erase(entries_.begin() + row);
    RebuildRows();
    return true;
}

std::unique_ptr<QMenu> CRecordingsList::MakeRowMenu(int row) {
    if (row < 0 || row >= static_cast<int>(entries_.size())) return nullptr;
    const bool present = !entries_[row].missing;
    auto menu = std::make_unique<QMenu>();
    const auto add = [this, &menu, present](const QString& text, auto action) {
        QAction* item = menu->addAction(text);
        item->setEnabled(present);
        connect(item, &QAction::triggered, this, action);
    };
    // The entry is looked up again when an item is chosen: the list may have changed meanwhile.
    const QString path = entries_[row].fullPath;
    const auto rowOfPath = [this, path] {
        const auto found = std::find_if(entries_.begin(), entries_.end(),
                                        [&path](const RecordingEntry& e) { return e.fullPath == path; });
        return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
    };
    //: Opens the recording in the desktop's video player
    add(tr("Open", "recording"), [this, rowOfPath] { OpenRecording(rowOfPath()); });
    add(tr("Show in folder"), [this, rowOfPath] { ShowInFolder(rowOfPath()); });
    add(tr("Rename..."), [this, rowOfPath] {
        const int current = rowOfPath();
        if (current < 0) return;
        const QString name = services_.askNewName(this, entries_[current].fileName);
        if (!name.isEmpty()) RenameRecording(rowOfPath(), name);
    });
    menu->addSeparator();
    add(tr("Move to trash"), [this, rowOfPath] { TrashRecording(rowOfPath()); });
    return menu;
}

void CRecordingsList::contextMenuEvent(QContextMenuEvent* event) {
    const int row = indexAt(event->pos()).row();
    if (std::unique_ptr<QMenu> menu = MakeRowMenu(row)) {
        menu->exec(event->globalPos());
        event->accept();
        return;
    }
    CCheckListCtrl::contextMenuEvent(event);
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

}  // namespace controls

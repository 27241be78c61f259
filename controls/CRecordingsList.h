#pragma once

#include <QString>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>
#include <vector>

#include "controls/CCheckListCtrl.h"
#include "platform/FolderWorker.h"

class QMenu;

namespace controls {

class CallQueue;

// One finished recording as the list shows it.
struct RecordingEntry {
    int checked = controls::kChecked;  // the row's check box
    QString duration;                  // the elapsed time at the stop, "hh:mm:ss"
    QString fullPath;                  // output folder + "/" + file name
    QString fileName;
    bool missing = false;  // the file was not there at the last look
};

// The recordings made since the program started, newest first, one row each with its file
// name and duration. The rows are rebuilt from the entries after every change; the row check
// boxes write their state back into the entries, so a rebuild keeps it. A double click opens
// the recording with the desktop's default handler; a row whose file has gone from the disk
// (renamed, moved or trashed outside the program) is greyed out and marked "(missing)". The
// files are looked for every two seconds while the list is shown, on a thread of its own. A
// right click on a row offers Open, Show in folder, Rename and Move to trash.
class CRecordingsList : public controls::CCheckListCtrl {
    Q_OBJECT
public:
    static constexpr QRgb kRowTextColour = 0x000000;
    static constexpr QRgb kRowBackgroundColour = 0xFAFAFA;
    static constexpr int kFileCheckIntervalMs = 2000;

    //: After the name of a recording whose file is gone
    static constexpr const char* kMissingMark = QT_TR_NOOP(" (missing)");

    // The desktop's services the row actions use. Tests replace them to run without a desktop
    // and a person.
    struct Services {
        std::function<bool(const QUrl&)> openUrl;
        // The new file name the user typed, or an empty string when they cancelled.
        std::function<QString(QWidget* parent, const QString& currentName)> askNewName;
        std::function<void(QWidget* parent, const QString& message)> showError;
    };

    explicit CRecordingsList(QWidget* parent = nullptr);
    ~CRecordingsList() override;

    // Fonts, image lists and the three columns: the hidden check column 0 with its check-all
    // box, "FileName" and "Duration". Call once, after the list has its place and picture.
    void SetUpColumns();

    // Puts `entry` first and rebuilds the rows.
    void InsertEntry(const RecordingEntry& entry);
    // Makes the rows match the entries.
    void RebuildRows();
    // A stopped recording: a checked entry at the top of the list, which is then shown.
    void AddFinishedRecording(const QString& fileName, const QString& fullPath,
                              const QString& duration);

    const std::vector<RecordingEntry>& Entries() const { return entries_; }

    // Looks for the files, off the window's thread; then greys out and marks the rows whose
    // file no longer exists, and brings back those whose file is there again.
    void RefreshFileStates();
    // A look for the files is under way.
    bool LookingForFiles() const { return looking_; }

    // The row actions. Each refuses a row out of range or a missing file, and tells the user why
    // through the services when the file system refuses.
    // Opens the recording with the desktop's default handler.
    bool OpenRecording(int row);
    // Opens the folder that holds the recording.
    bool ShowInFolder(int row);
    // Renames the file to `newFileName` in its folder; an existing file of that name is never
    // replaced. A name without the recording's extension gets it.
    bool RenameRecording(int row, QString newFileName);
    // Moves the file to the desktop's trash (it can be restored from there) and drops its row.
    bool TrashRecording(int row);
    // The menu of a right click on `row`; nullptr outside the rows. Actions that need the file
    // are disabled while it is missing.
    std::unique_ptr<QMenu> MakeRowMenu(int row);

    Services& RowServices() { return services_; }

protected:
    void OnCellClicked(int row, int column) override;
    void OnColumnClicked(int column) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The row's entry when its file exists; otherwise marks the row and gives nullptr.
    const RecordingEntry* PresentEntry(int row);
    void ApplyFileStates(const QStringList& paths, const QList<bool>& present);
    // Makes the rows' marks match the entries' last look.
    void ShowFileStates();

    Services services_;
    std::vector<RecordingEntry> entries_;
    QTimer fileCheckTimer_;
    // The looks run on a thread of their own, and their answers come back through the queue.
    platform::FolderWorker lookWorker_;
    CallQueue* lookAnswers_;
    bool looking_ = false;
    bool lookAgain_ = false;  // the entries changed while a look was under way
};

}  // namespace controls

#pragma once

#include <QString>
#include <QTimer>

#include <vector>

#include "controls/CCheckListCtrl.h"

namespace recording {

// One finished recording as the list shows it.
struct RecordingEntry {
    int checked = controls::kChecked;  // the row's check box
    QString duration;                  // the elapsed time at the stop, "hh:mm:ss"
    QString fullPath;                  // output folder + "/" + file name
    QString fileName;
};

// The recordings made since the program started, newest first, one row each with its file
// name and duration. The rows are rebuilt from the entries after every change; the row check
// boxes write their state back into the entries, so a rebuild keeps it. A double click opens
// the recording with the desktop's default handler; a row whose file has gone from the disk is
// greyed out.
class CRecordingsList : public controls::CCheckListCtrl {
    Q_OBJECT
public:
    static constexpr QRgb kRowTextColour = 0x000000;
    static constexpr QRgb kRowBackgroundColour = 0xFAFAFA;
    static constexpr int kFileCheckIntervalMs = 2000;

    explicit CRecordingsList(QWidget* parent = nullptr);

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

    // Greys out the rows whose file no longer exists and brings back those whose file is there.
    void RefreshFileStates();

protected:
    void OnCellClicked(int row, int column) override;
    void OnColumnClicked(int column) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void OpenRecording(int row);

    std::vector<RecordingEntry> entries_;
    QTimer fileCheckTimer_;
};

}  // namespace recording

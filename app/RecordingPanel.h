#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "recording/CrashRepair.h"

class QLineEdit;

namespace controls {
class CRecordingsList;
}

namespace studio {
class StudioSession;
}

namespace app {

class CMainDialog;
class SnapshotCountdown;

// Recording and snapshots as the window shows them: the record and stop commands, the recording
// clock, the list of this run's recordings, the snapshot command with its countdown and flash,
// and what the status line says about recordings and their repair. The session does the work;
// what it does on the output folder is told back, so the window never waits on the folder.
class RecordingPanel : public QObject {
    Q_OBJECT

public:
    static constexpr int kClockIntervalMs = 1000;
    // Starting: the recording's file is being made; Stop calls the recording off.
    enum class State { Idle, Starting, Recording };

    RecordingPanel(CMainDialog& window, studio::StudioSession& session);

    void StartRecording();
    void StopRecording();
    // Takes the output frame as a snapshot now, with a flash in the preview; the file is written
    // behind the window, and the user is told when it cannot be.
    void TakeSnapshot();
    // The snapshot command: after the countdown the settings ask for, if any, the snapshot.
    // Ignored while a countdown runs.
    void RequestSnapshot();
    // Snapshots taken whose files are not written yet.
    int SnapshotsPending() const { return snapshotsPending; }

    State GetRecordState() const { return state; }
    const QString& RecordingPath() const { return recordingPath; }
    const QString& RecordingName() const { return recordingName; }
    int ElapsedSeconds() const { return elapsedSeconds; }
    // Sets the clock's count; the next tick shows it plus one second.
    void SetElapsedSeconds(int seconds) { elapsedSeconds = seconds; }
    const QString& ElapsedText() const { return elapsedText; }
    const QTimer& ClockTimer() const { return clockTimer; }
    controls::CRecordingsList* RecordingsList() const { return recordingsList; }
    SnapshotCountdown& Countdown() const { return *countdown; }

    // The session's notices, on the window's thread.
    void OnRecordingStarted(int serial, const QString& path);
    void OnRecordingNotStarted(int serial, const QString& message);
    void OnRecordingFailed(int serial, const QString& message);
    void OnSnapshotSaved();
    void OnSnapshotFailed(const QString& message);
    // The road stopped on an internal error: the recording is ended and the user told.
    void OnRoadFailed(const QString& message);
    void ShowRepairResult(const recording::RepairResult& result);
    // The end of the run: no countdown goes on, and nothing records.
    void Close();

private:
    // Ends the Recording state: the recording becomes the list's first row.
    void EndRecording();
    void AdvanceClock();

    CMainDialog& window;
    studio::StudioSession& session;
    QLineEdit* clockEdit;
    controls::CRecordingsList* recordingsList;
    SnapshotCountdown* countdown;

    State state = State::Idle;
    int recordingSerial = 0;
    QString recordingPath;
    QString recordingName;
    int elapsedSeconds = 0;
    QString elapsedText = QStringLiteral("00:00:00");
    QTimer clockTimer;
    QString statusAfterRecording;  // a notice that came while recording, shown at its end
    QString statusBeforeStart;     // put back when a recording does not start
    int snapshotsPending = 0;
};

}  // namespace app

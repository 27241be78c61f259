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
// and what the status line says about recordings and their repair. The session does the work.
class RecordingPanel : public QObject {
    Q_OBJECT

public:
    static constexpr int kClockIntervalMs = 1000;
    enum class State { Idle, Recording };

    RecordingPanel(CMainDialog& window, studio::StudioSession& session);

    void StartRecording();
    void StopRecording();
    // Saves the output frame as a snapshot now; false (after telling the user) when it fails.
    bool TakeSnapshot();
    // The snapshot command: after the countdown the settings ask for, if any, the snapshot and
    // a flash in the preview. Ignored while a countdown runs.
    void RequestSnapshot();

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
    void OnRecordingFailed(int serial, const QString& message);
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
};

}  // namespace app

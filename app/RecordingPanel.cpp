#include "app/RecordingPanel.h"

#include <QFileInfo>
#include <QLineEdit>

#include "app/CMainDialog.h"
#include "app/MainLayout.h"
#include "app/PreviewWidget.h"
#include "app/SnapshotCountdown.h"
#include "app/UserMessages.h"
#include "controls/CRecordingsList.h"
#include "recording/OutputNames.h"
#include "studio/StudioSession.h"

namespace app {

RecordingPanel::RecordingPanel(CMainDialog& window, studio::StudioSession& session)
    : QObject(&window),
      window(window),
      session(session),
      clockEdit(static_cast<QLineEdit*>(window.Control(kClock))),
      recordingsList(static_cast<controls::CRecordingsList*>(window.Control(kRecordingsList))),
      countdown(new SnapshotCountdown(this)) {
    // The clock shows whole seconds; a coarse timer would let it drift from the file's length.
    clockTimer.setTimerType(Qt::PreciseTimer);
    clockTimer.setInterval(kClockIntervalMs);
    connect(&clockTimer, &QTimer::timeout, this, &RecordingPanel::AdvanceClock);
    clockEdit->setText(elapsedText);
    connect(countdown, &SnapshotCountdown::Changed, window.Preview(), &PreviewWidget::SetCountdown);
    connect(countdown, &SnapshotCountdown::Finished, this, &RecordingPanel::TakeSnapshot);
}

void RecordingPanel::StartRecording() {
    if (state != State::Idle || session.IsShutDown()) return;
    const std::optional<int> serial = session.StartRecording();
    if (!serial) return;
    recordingSerial = *serial;
    state = State::Starting;
    statusBeforeStart = window.StatusText();
    window.SetStatusText(tr("Checking the output folder..."));
}

void RecordingPanel::OnRecordingStarted(int serial, const QString& path) {
    if (state != State::Starting || serial != recordingSerial) return;
    recordingPath = path;
    recordingName = QFileInfo(recordingPath).fileName();

    elapsedSeconds = 0;
    elapsedText = QString::fromStdString(recording::FormatElapsedTime(elapsedSeconds));
    clockEdit->setText(elapsedText);
    clockTimer.start();
    //: The status line while recording (a state, not a command)
    window.SetStatusText(tr("Recording", "status"));
    state = State::Recording;
}

void RecordingPanel::OnRecordingNotStarted(int serial, const QString& message) {
    if (state != State::Starting || serial != recordingSerial) return;
    // No file was made: the window is as it was and the list gets no row.
    state = State::Idle;
    window.SetStatusText(statusBeforeStart);
    if (!message.isEmpty()) ShowUserMessage(message);
}

void RecordingPanel::StopRecording() {
    if (state == State::Starting) {
        // Called off before its file was made: nothing is listed.
        session.StopRecording();
        state = State::Idle;
        window.SetStatusText(statusBeforeStart);
        return;
    }
    if (state != State::Recording) return;
    // Returns at once; the session finishes the file behind the window.
    session.StopRecording();
    EndRecording();
}

void RecordingPanel::EndRecording() {
    clockTimer.stop();
    recordingsList->AddFinishedRecording(recordingName, recordingPath, elapsedText);
    if (const LayoutEntry* place = FindLayoutEntry(kRecordingsList))
        recordingsList->setGeometry(place->x, place->y, place->width, place->height);
    // The new row is what the user looks for next.
    window.ShowEffectsPage(false);

    window.SetStatusText(statusAfterRecording.isEmpty() ? tr("Ready")
                                                        : statusAfterRecording);
    statusAfterRecording.clear();
    state = State::Idle;
}

void RecordingPanel::AdvanceClock() {
    ++elapsedSeconds;
    elapsedText = QString::fromStdString(recording::FormatElapsedTime(elapsedSeconds));
    clockEdit->setText(elapsedText);
}

void RecordingPanel::OnRecordingFailed(int serial, const QString& message) {
    // The end of the run reports what fails while it waits for the files.
    if (session.IsShutDown()) return;
    session.FailureShown(serial);
    // The recorder has ended its file by itself and kept what it wrote: the window goes back to
    // Ready before the user reads why, and the kept part is listed like any recording.
    if (state == State::Recording && recordingSerial == serial) {
        session.StopRecording();
        EndRecording();
    }
    ShowUserMessage(message);
}

void RecordingPanel::OnRoadFailed(const QString& message) {
    if (session.IsShutDown()) return;
    StopRecording();
    ShowUserMessage(message);
}

void RecordingPanel::ShowRepairResult(const recording::RepairResult& result) {
    if (result.repaired == 0 && result.failed == 0) return;
    // Short enough for the status line: "Repaired 2 files", or "Repaired 1 of 2" when some
    // could not be repaired.
    const QString text = result.failed > 0
                             //: The status line after repairing recordings a crash cut off:
                             //: %1 repaired out of %2 found
                             ? tr("Repaired %1 of %2")
                                   .arg(result.repaired)
                                   .arg(result.repaired + result.failed)
                             : result.repaired == 1
                             //: The status line after repairing a recording a crash cut off
                             ? tr("Repaired 1 file")
                             //: The status line after repairing recordings a crash cut off
                             //: (never fewer than 2)
                             : tr("Repaired %n files", nullptr, result.repaired);
    if (state == State::Recording)
        statusAfterRecording = text;
    else
        window.SetStatusText(text);
    // Which files could not be repaired, and why; each is told once.
    if (result.failures.empty()) return;
    QString failures = tr("These recordings could not be repaired:") + u'\n';
    for (const recording::RepairFailure& failure : result.failures)
        //: A recording's name and why it could not be repaired
        failures += u'\n' + tr("%1: %2.").arg(QString::fromStdString(failure.name),
                                                    QString::fromStdString(failure.reason));
    ShowUserMessage(failures);
}

void RecordingPanel::TakeSnapshot() {
    if (session.IsShutDown()) return;
    ++snapshotsPending;
    session.TakeSnapshot();
    // The flash marks the moment the picture is taken; a file that cannot be written is told
    // when the folder has answered.
    window.Preview()->Flash();
}

void RecordingPanel::OnSnapshotSaved() { --snapshotsPending; }

void RecordingPanel::OnSnapshotFailed(const QString& message) {
    --snapshotsPending;
    if (!session.IsShutDown()) ShowUserMessage(message);
}

void RecordingPanel::RequestSnapshot() {
    if (session.IsShutDown() || countdown->IsRunning()) return;
    if (const int seconds = window.Options().countdownSeconds; seconds > 0) {
        countdown->Start(seconds);
        return;
    }
    TakeSnapshot();
}

void RecordingPanel::Close() {
    // A snapshot still counting down is not taken; a running recording gets no row, as the
    // window is closing.
    countdown->Cancel();
    clockTimer.stop();
    state = State::Idle;
}

}  // namespace app

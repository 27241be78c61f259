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
    connect(countdown, &SnapshotCountdown::Finished, this, [this] {
        if (TakeSnapshot()) this->window.Preview()->Flash();
    });
}

void RecordingPanel::StartRecording() {
    if (state != State::Idle || session.IsShutDown()) return;
    std::string error;
    const std::optional<studio::StudioSession::Recording> started = session.StartRecording(error);
    if (!started) {
        // No file was made: the window stays Ready and the list gets no row.
        if (!error.empty()) ShowUserMessage(QString::fromStdString(error));
        return;
    }
    recordingSerial = started->serial;
    recordingPath = QString::fromStdString(started->path);
    recordingName = QFileInfo(recordingPath).fileName();

    elapsedSeconds = 0;
    elapsedText = QString::fromStdString(recording::FormatElapsedTime(elapsedSeconds));
    clockEdit->setText(elapsedText);
    clockTimer.start();
    window.SetStatusText(QStringLiteral("Recording"));
    state = State::Recording;
}

void RecordingPanel::StopRecording() {
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

    window.SetStatusText(statusAfterRecording.isEmpty() ? QStringLiteral("Ready")
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
                             ? QStringLiteral("Repaired %1 of %2")
                                   .arg(result.repaired)
                                   .arg(result.repaired + result.failed)
                             : QStringLiteral("Repaired %1 file%2")
                                   .arg(result.repaired)
                                   .arg(result.repaired == 1 ? QString() : QStringLiteral("s"));
    if (state == State::Recording)
        statusAfterRecording = text;
    else
        window.SetStatusText(text);
    // Which files could not be repaired, and why; each is told once.
    if (result.failures.empty()) return;
    QString failures = QStringLiteral("These recordings could not be repaired:\n");
    for (const recording::RepairFailure& failure : result.failures)
        failures += QStringLiteral("\n%1: %2.").arg(QString::fromStdString(failure.name),
                                                    QString::fromStdString(failure.reason));
    ShowUserMessage(failures);
}

bool RecordingPanel::TakeSnapshot() {
    std::string error;
    if (session.TakeSnapshot(error)) return true;
    ShowUserMessage(QString::fromStdString(error));
    return false;
}

void RecordingPanel::RequestSnapshot() {
    if (session.IsShutDown() || countdown->IsRunning()) return;
    if (const int seconds = window.Options().countdownSeconds; seconds > 0) {
        countdown->Start(seconds);
        return;
    }
    if (TakeSnapshot()) window.Preview()->Flash();
}

void RecordingPanel::Close() {
    // A snapshot still counting down is not taken; a running recording gets no row, as the
    // window is closing.
    countdown->Cancel();
    clockTimer.stop();
    state = State::Idle;
}

}  // namespace app

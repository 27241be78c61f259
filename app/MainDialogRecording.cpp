// Recording and snapshots: the record and stop commands, the recording clock, the recorders
// that finish their files behind the window, the snapshot command, and the repair of
// recordings a crash cut off.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include <algorithm>
#include <ctime>

#include "app/CMainDialog.h"
#include "app/Settings.h"
#include "app/UserMessages.h"
#include "controls/CRecordingsList.h"
#include "recording/OutputNames.h"
#include "recording/RoadRecording.h"
#include "recording/Snapshot.h"

namespace app {

namespace {
// How often stopped recorders are looked at until they have finished their files.
constexpr auto kFinishedRecorderCheck = recording::RecorderWorker::kIdleWait * 2;
}  // namespace

QString CMainDialog::FileFolder() const {
    // An empty folder text would put the files into the root of the file system; the default
    // folder stands in for it, made when it is used, as at start-up.
    const QString defaultFolder = DefaultOutputFolder();
    const QString folder = QString::fromStdString(
        recording::ResolveOutputFolder(OutputFolder().toStdString(), defaultFolder.toStdString()));
    if (folder == defaultFolder) QDir().mkdir(folder);
    return folder;
}

void CMainDialog::SetUpRecording() {
    // The clock shows whole seconds; a coarse timer would let it drift from the file's length.
    clockTimer.setTimerType(Qt::PreciseTimer);
    clockTimer.setInterval(kClockIntervalMs);
    connect(&clockTimer, &QTimer::timeout, this, &CMainDialog::AdvanceClock);
    finishedRecorderCheck.setInterval(kFinishedRecorderCheck);
    connect(&finishedRecorderCheck, &QTimer::timeout, this, &CMainDialog::DropEndedRecorders);
}

void CMainDialog::SetEncoderFactory(
    std::function<std::unique_ptr<recording::MMBoxInstance>()> factory) {
    encoderFactory = std::move(factory);
}

void CMainDialog::SetFreeSpaceSource(
    std::function<std::optional<uint64_t>(const std::string&)> source) {
    freeSpaceSource = std::move(source);
}

void CMainDialog::StartRecording() {
    if (recordState != RecordState::Idle || shutdownStarted) return;
    DropEndedRecorders();

    // A name taken already (a recording stopped within the same second, a clock set back) gets
    // a number; a recorder still finishing its file is never disturbed.
    const capture::RoadConfig road = frameRoad.Road();
    const std::string stampedPath = recording::OutputFilePath(
        FileFolder().toStdString(), recording::RecordingFileName(std::time(nullptr), road));

    recording::RecorderOptions options;
    options.settings = recording::EncoderSettingsFor(road);
    options.createEncoder = [road] { return recording::CreateEncoderFor(road); };
    if (encoderFactory) options.createEncoder = encoderFactory;
    if (freeSpaceSource) options.freeBytes = freeSpaceSource;
    options.sound = SoundForRecording();
    const int serial = ++recordingCount;
    // A failure part-way arrives on the recorder's thread; the window handles it on its own.
    options.onFailure = [this, serial](const std::string& message) {
        windowCalls->Post([this, serial, text = QString::fromStdString(message)] {
            OnRecordingFailed(serial, text);
        });
    };
    auto worker = std::make_unique<recording::RecorderWorker>(stampedPath, frameRoad, options);
    std::string error;
    if (!worker->Start(error)) {
        // No file was made: the window stays Ready and the list gets no row.
        ShowUserMessage(QString::fromStdString(error));
        return;
    }
    recordingPath = QString::fromStdString(worker->OutputPath());
    recordingName = QFileInfo(recordingPath).fileName();
    recorder = Recorder{serial, std::move(worker)};

    elapsedSeconds = 0;
    elapsedText = QString::fromStdString(recording::FormatElapsedTime(elapsedSeconds));
    clockEdit->setText(elapsedText);
    clockTimer.start();
    SetStatusText(QStringLiteral("Recording"));
    recordState = RecordState::Recording;
}

void CMainDialog::StopRecording() {
    if (recordState != RecordState::Recording) return;
    // Returns at once; the recorder finishes the file behind the window.
    recorder.worker->RequestStop();
    EndRecording();
}

void CMainDialog::EndRecording() {
    clockTimer.stop();
    finishingRecorders.push_back(std::move(recorder));
    recorder = Recorder{};

    recordingsList->AddFinishedRecording(recordingName, recordingPath, elapsedText);
    if (const LayoutEntry* place = FindLayoutEntry(kRecordingsList))
        recordingsList->setGeometry(place->x, place->y, place->width, place->height);
    // The new row is what the user looks for next.
    ShowEffectsPage(false);

    SetStatusText(statusAfterRecording.isEmpty() ? QStringLiteral("Ready") : statusAfterRecording);
    statusAfterRecording.clear();
    recordState = RecordState::Idle;
    DropEndedRecorders();
}

void CMainDialog::AdvanceClock() {
    ++elapsedSeconds;
    elapsedText = QString::fromStdString(recording::FormatElapsedTime(elapsedSeconds));
    clockEdit->setText(elapsedText);
}

void CMainDialog::OnRecordingFailed(int serial, const QString& message) {
    // The shutdown sequence reports what fails while it waits for the files.
    if (shutdownStarted) return;
    reportedFailures.insert(serial);
    // The recorder has ended its file by itself and kept what it wrote: the window goes back to
    // Ready before the user reads why, and the kept part is listed like any recording.
    if (recordState == RecordState::Recording && recorder.serial == serial) EndRecording();
    ShowUserMessage(message);
}

void CMainDialog::OnWorkerFailed(const QString& message) {
    if (shutdownStarted) return;
    StopRecording();
    ShowUserMessage(message);
}

void CMainDialog::DropEndedRecorders() {
    std::erase_if(finishingRecorders,
                  [](const Recorder& finishing) { return finishing.worker->HasEnded(); });
    if (finishingRecorders.empty())
        finishedRecorderCheck.stop();
    else if (!finishedRecorderCheck.isActive())
        finishedRecorderCheck.start();
}

void CMainDialog::RequestRecordersStop() {
    clockTimer.stop();
    finishedRecorderCheck.stop();
    if (recorder.worker) {
        recorder.worker->RequestStop();
        finishingRecorders.push_back(std::move(recorder));
        recorder = Recorder{};
        recordState = RecordState::Idle;
    }
    for (Recorder& finishing : finishingRecorders) finishing.worker->RequestStop();
}

void CMainDialog::FinishRecorders(bool interactive) {
    const auto deadline = std::chrono::steady_clock::now() + finishWaitLimit;
    const bool waiting = std::any_of(finishingRecorders.begin(), finishingRecorders.end(),
                                     [](const Recorder& each) { return !each.worker->HasEnded(); });
    if (waiting && interactive) {
        SetStatusText(QStringLiteral("Finishing the recording..."));
        repaint();
    }
    for (Recorder& finishing : finishingRecorders) {
        // Short steps, so the window keeps painting while a slow disk finishes the file.
        constexpr auto kStep = std::chrono::milliseconds(50);
        while (!finishing.worker->WaitUntilEnded(kStep)) {
            if (std::chrono::steady_clock::now() >= deadline) break;
            if (interactive) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        if (!finishing.worker->HasEnded()) {
            // Stuck (a hung network mount, for example): the file is left as a crash would
            // leave it, and the next start repairs it.
            recording::RecorderWorker::Abandon(std::move(finishing.worker));
            continue;
        }
        finishing.worker->StopAndWait();
        // A failure whose message has not reached the user yet is shown now, before the end.
        const std::optional<std::string> failure = finishing.worker->FailureText();
        if (failure && !reportedFailures.contains(finishing.serial) && interactive) {
            reportedFailures.insert(finishing.serial);
            ShowUserMessage(QString::fromStdString(*failure));
        }
    }
    finishingRecorders.clear();
}

void CMainDialog::EndWithoutEventLoop() {
    RequestRecordersStop();
    FinishRecorders(false);
    if (cameraSession) cameraSession->Stop();
    if (microphone) microphone->Stop();
    frameRoad.stopCapture = 1;
    frameRoad.tickEvent.Set();
    if (captureThread.joinable()) captureThread.join();
}

void CMainDialog::CheckForUnfinishedRecordings() {
    if (repairJob || shutdownStarted) return;
    repairJob = std::make_unique<recording::RepairJob>(
        FileFolder().toStdString(), runStarted, [this](const recording::RepairResult& result) {
            windowCalls->Post([this, result] { ShowRepairResult(result); });
        });
}

void CMainDialog::ShowRepairResult(const recording::RepairResult& result) {
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
    if (recordState == RecordState::Recording)
        statusAfterRecording = text;
    else
        SetStatusText(text);
}

bool CMainDialog::TakeSnapshot() {
    // A second snapshot within the same second gets a numbered name of its own.
    const std::string path = recording::OutputFilePath(
        FileFolder().toStdString(), recording::SnapshotFileName(std::time(nullptr)));
    std::string error;
    if (recording::SaveSnapshot(frameRoad, path, error)) return true;
    ShowUserMessage(QString::fromStdString(error));
    return false;
}

}  // namespace app

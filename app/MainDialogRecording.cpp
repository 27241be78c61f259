// Recording and snapshots: the record and stop commands, the recording clock, the recorders
// that finish their files behind the window, and the snapshot command.

#include <QDir>
#include <QLineEdit>

#include <algorithm>
#include <ctime>

#include "app/CMainDialog.h"
#include "app/Settings.h"
#include "app/UserMessages.h"
#include "recording/CRecordingsList.h"
#include "recording/OutputNames.h"
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

void CMainDialog::StartRecording() {
    if (recordState != RecordState::Idle || shutdownStarted) return;
    DropEndedRecorders();

    const std::time_t now = std::time(nullptr);
    const QString name = QString::fromStdString(recording::RecordingFileName(now));
    const QString path = QString::fromStdString(
        recording::OutputFilePath(FileFolder().toStdString(), name.toStdString()));
    // A recording stopped within the same second has the same name. It finishes its file first,
    // so that two recorders never write into one file; the new file then replaces it.
    for (Recorder& finishing : finishingRecorders)
        if (finishing.worker->OutputPath() == path.toStdString()) finishing.worker->StopAndWait();

    recording::RecorderOptions options;
    if (encoderFactory) options.createEncoder = encoderFactory;
    const int serial = ++recordingCount;
    // A failure part-way arrives on the recorder's thread; the window handles it on its own.
    options.onFailure = [this, serial](const std::string& message) {
        QMetaObject::invokeMethod(
            this,
            [this, serial, text = QString::fromStdString(message)] {
                OnRecordingFailed(serial, text);
            },
            Qt::QueuedConnection);
    };
    auto worker =
        std::make_unique<recording::RecorderWorker>(path.toStdString(), framePipeline, options);
    std::string error;
    if (!worker->Start(error)) {
        // No file was made: the window stays Ready and the list gets no row.
        ShowUserMessage(QString::fromStdString(error));
        return;
    }
    recorder = Recorder{serial, std::move(worker)};
    recordingName = name;
    recordingPath = path;

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

    SetStatusText(QStringLiteral("Ready"));
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

void CMainDialog::FinishRecorders() {
    for (Recorder& finishing : finishingRecorders) {
        finishing.worker->StopAndWait();
        // A failure whose message has not reached the user yet is shown now, before the end.
        const std::optional<std::string> failure = finishing.worker->FailureText();
        if (failure && !reportedFailures.contains(finishing.serial)) {
            reportedFailures.insert(finishing.serial);
            ShowUserMessage(QString::fromStdString(*failure));
        }
    }
    finishingRecorders.clear();
}

bool CMainDialog::TakeSnapshot() {
    const std::string path = recording::OutputFilePath(
        FileFolder().toStdString(), recording::SnapshotFileName(std::time(nullptr)));
    std::string error;
    if (recording::SaveSnapshot(framePipeline, path, error)) return true;
    ShowUserMessage(QString::fromStdString(error));
    return false;
}

}  // namespace app

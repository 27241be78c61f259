#include "app/CMainDialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPainter>

#include <chrono>

#include "app/PreviewWidget.h"

namespace app {

namespace {
constexpr const char* kWindowTitle = "Zelkorvan Quenvalor v2.2.32";
constexpr int kPreviewX = 16;
constexpr int kPreviewY = 101;
}  // namespace

CMainDialog::CMainDialog(QWidget* parent) : QWidget(parent) {
    setWindowFlag(Qt::FramelessWindowHint);
    setFixedSize(kWidth, kHeight);
    CreateControls();
}

CMainDialog::~CMainDialog() {
    // Normally the shutdown sequence has run; this keeps a destroyed window from leaving a
    // worker running behind it (in tests, for example).
    ShutdownSequence();
}

void CMainDialog::CreateControls() {
    preview = new PreviewWidget(this);
    preview->setGeometry(kPreviewX, kPreviewY, capture::FramePipeline::kPreviewWidth,
                         capture::FramePipeline::kPreviewHeight);
    framePipeline.previewSink = preview;
}

void CMainDialog::Initialise() {
    if (initialised) return;
    initialised = true;

    // Folders: everything the program reads lies beside the executable, whatever the current
    // folder is.
    programFolder = QCoreApplication::applicationDirPath();
    effectsFolder = programFolder + "/Effects/";
    thumbnailsFolder = programFolder + "/EffectsBmps/";
    skinFolder = programFolder + "/skin/";

    setWindowTitle(QString::fromLatin1(kWindowTitle));

    // The camera list and the first camera. With no camera the preview stays black and
    // nothing is reported.
    RefreshDeviceList();
    stopRecording = 0;
    recordState = RecordState::Idle;
    if (!deviceList.IsEmpty()) {
        currentDevice = deviceList[0].position;
        OpenCamera(currentDevice);
    }

    // The frame road: the events and frames exist since the pipeline was made; start the tick
    // and the worker.
    framePipeline.stopCapture = 0;
    connect(&tickTimer, &QTimer::timeout, this, [this] { framePipeline.tickEvent.Set(); });
    tickTimer.start(kTickIntervalMs);
    StartCaptureWorker();

    move(0, 0);
}

void CMainDialog::StartCaptureWorker() {
    captureThread = std::thread([this] { capture::CaptureWorker(&framePipeline); });
}

void CMainDialog::ShutdownSequence() {
    if (shutdownStarted) return;
    shutdownStarted = true;

    // Flags first, then the events, so a woken worker always finds its flag set.
    stopRecording = 1;
    framePipeline.stopCapture = 1;
    framePipeline.tickEvent.Set();
    framePipeline.frameReadyEvent.Set();
    tickTimer.stop();
    hide();

    if (captureThread.joinable()) {
        // The worker ends within one pass; a grab waits a bounded time, so this ends too.
        while (framePipeline.captureStopped == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(kShutdownPollMs));
        captureThread.join();
    }
    framePipeline.ReplaceDevice(nullptr);
    close();
    emit ShutDown();
}

void CMainDialog::closeEvent(QCloseEvent* event) {
    // A close from the window manager runs the same sequence as the close button.
    ShutdownSequence();
    event->accept();
}

void CMainDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(32, 36, 44));
}

}  // namespace app

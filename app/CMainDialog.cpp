#include "app/CMainDialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QSystemTrayIcon>

#include <chrono>

#include "app/DataFolder.h"
#include "app/FullScreenPreview.h"
#include "app/PreviewWidget.h"
#include "app/SnapshotCountdown.h"
#include "controls/CIconListBox.h"
#include "controls/ProgramResources.h"
#include "recording/ColourConversion.h"

namespace app {

namespace {
constexpr const char* kWindowTitle = "Zelkorvan Quenvalor v2.2.32";
}  // namespace

CMainDialog::CMainDialog(QWidget* parent, const QString& programFolder)
    : QWidget(parent), programFolder(programFolder) {
    setWindowFlag(Qt::FramelessWindowHint);
    setFixedSize(kWidth, kHeight);
    // Moves without a button count too: a press over the preview acts where the pointer last
    // moved to.
    setMouseTracking(true);
    CreateControls();
    ConnectCommands();
    ConnectBrowser();
    ConnectStudio();
    SetUpRecording();
    ConnectSnapshotCountdown();
}

CMainDialog::~CMainDialog() {
    // Normally the shutdown sequence has run; this keeps a destroyed window from leaving a
    // worker running behind it (in tests, for example).
    ShutdownSequence();
}

void CMainDialog::Initialise() {
    if (initialised) return;
    initialised = true;

    // Folders: everything the program reads lies beside the executable or in the installed data
    // folder, whatever the current folder is.
    if (programFolder.isEmpty())
        programFolder = FindDataFolder(QCoreApplication::applicationDirPath());
    effectsFolder = programFolder + "/Effects/";
    thumbnailsFolder = programFolder + "/EffectsBmps/";
    skinFolder = programFolder + "/skin/";
    setWindowIcon(controls::ApplicationIcon());

    // A missing background leaves the window's own base colour.
    classicBackground = QPixmap(skinFolder + "back_ui.bmp");
    studioBackground = QPixmap(skinFolder + "back_studio.bmp");
    backgroundPicture = classicBackground;
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    FillCategoryList();

    // Shape, skin and place the controls; read the output folder. Then the layout: the one asked
    // for on the command line, else the one the settings file keeps.
    LayOut();
    ConnectShortcuts();
    ApplyPictureOptions(PictureOptions::Read(settingsFile));
    if (const LayoutMode layout = startLayout.value_or(ReadLayoutSetting()); layout != layoutMode)
        SetLayoutMode(layout);

    // The cameras are listed and the remembered (or first) camera opened off the window's
    // thread; the window shows at once, saying "Opening camera..." until the camera delivers.
    frameRoad.Reconfigure(ReadRoadSetting(), nullptr, nullptr);
    StartCameras();
    StartMicrophone();
    recording::InitColourTables();
    recordState = RecordState::Idle;

    // The effect browser starts on "Distortions". The list announces the choice, and the window
    // asks for the grid once more itself; both are handled once the event loop runs.
    categoryList->Select(1);
    QMetaObject::invokeMethod(this, &CMainDialog::OnShowCategory, Qt::QueuedConnection);
    CreateEffectEngine();

    // The frame road: the events and frames exist since the frame road was made; the worker keeps
    // the road's time itself.
    frameRoad.stopCapture = 0;
    StartCaptureWorker();
}

void CMainDialog::StartCaptureWorker() {
    captureThread = std::thread([this] {
        // Nothing thrown leaves the thread: the window ends the recording and says why.
        QString failure;
        try {
            capture::CaptureWorker(&frameRoad);
        } catch (const std::exception& error) {
            failure = QStringLiteral("The camera picture stopped on an internal error (%1).")
                          .arg(QString::fromLocal8Bit(error.what()));
        } catch (...) {
            failure = QStringLiteral("The camera picture stopped on an internal error.");
        }
        if (failure.isEmpty()) return;
        frameRoad.captureStopped = 1;
        windowCalls->Post([this, failure] { OnWorkerFailed(failure); });
    });
}

void CMainDialog::ShutdownSequence() {
    if (shutdownStarted) return;
    shutdownStarted = true;

    // A snapshot still counting down is not taken.
    snapshotCountdown->Cancel();
    fullScreenPreview.reset();

    // Flags first, then the event, so a woken worker always finds its flag set. A running
    // recording ends at this moment; it gets no row, as the window is closing.
    RequestRecordersStop();
    // The session replaces no camera from here on.
    if (cameraSession) cameraSession->Stop();
    frameRoad.stopCapture = 1;
    frameRoad.tickEvent.Set();
    if (repairJob) repairJob->Stop(recording::RepairJob::kStopWait);
    // Nothing is lost at quit: every recording finishes its file before the window closes,
    // within a bounded wait that the status line explains.
    FinishRecorders(true);
    if (microphone) microphone->Stop();
    if (trayIcon) trayIcon->hide();
    hide();

    if (captureThread.joinable()) {
        // The worker ends within one pass; a grab waits a bounded time, so this ends too.
        while (frameRoad.captureStopped == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(kShutdownPollMs));
        captureThread.join();
    }
    frameRoad.ReplaceDevice(nullptr);
    close();
    emit ShutDown();
}

void CMainDialog::closeEvent(QCloseEvent* event) {
    // A close from the window manager runs the same sequence as the close button.
    ShutdownSequence();
    event->accept();
}

}  // namespace app

#include "app/CMainDialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSystemTrayIcon>

#include "app/BackgroundPanel.h"
#include "app/CPictureDialog.h"
#include "app/DataFolder.h"
#include "app/EffectsPanel.h"
#include "app/FullScreenPreview.h"
#include "app/PreviewWidget.h"
#include "app/RecordingPanel.h"
#include "app/SessionBridge.h"
#include "app/SkinPictures.h"
#include "app/UserMessages.h"
#include "app/VirtualCameraSwitch.h"
#include "controls/ProgramResources.h"
#include "studio/StudioSession.h"

namespace app {

namespace {
constexpr const char* kWindowTitle = "Zelkorvan Quenvalor v2.2.32";
}  // namespace

CMainDialog::CMainDialog(QWidget* parent, const QString& programFolder)
    : QWidget(parent), programFolder(programFolder), statusText(tr("Ready.")) {
    setWindowFlag(Qt::FramelessWindowHint);
    setFixedSize(kWidth, kHeight);
    // Moves without a button count too: a press over the preview acts where the pointer last
    // moved to.
    setMouseTracking(true);
    CreateControls();
    bridge = new SessionBridge(this);
    session = std::make_unique<studio::StudioSession>(*bridge, preview);
    recordingPanel = new RecordingPanel(*this, *session);
    effectsPanel = new EffectsPanel(*this, *session);
    backgroundPanel = new BackgroundPanel(*this, *session);
    ConnectCommands();
    ConnectSession();
}

CMainDialog::~CMainDialog() {
    // Normally the shutdown sequence has run; this keeps a destroyed window from leaving a
    // worker running behind it (in tests, for example).
    ShutdownSequence();
    // The picture dialog holds the camera's controls, which draw on the session's road: it goes
    // before the session does.
    delete pictureDialog;
}

void CMainDialog::Initialise() {
    if (initialised) return;
    initialised = true;

    // Folders: everything the program reads lies beside the executable or in the installed data
    // folder, whatever the current folder is.
    if (programFolder.isEmpty())
        programFolder = FindDataFolder(QCoreApplication::applicationDirPath());
    skinFolder = programFolder + "/skin/";
    settings = std::make_unique<ProgramSettings>(
        SettingsFilePath(programFolder, IsFolderWritable(programFolder)));
    setWindowIcon(controls::ApplicationIcon());

    // A missing background leaves the window's own base colour.
    classicBackground = SkinPictures::For(skinFolder).Picture(QStringLiteral("back_ui.bmp"));
    studioBackground = SkinPictures::For(skinFolder).Picture(QStringLiteral("back_studio.bmp"));
    backgroundPicture = classicBackground;
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    effectsPanel->Start(programFolder);

    // Shape, skin and place the controls. Then the layout: the one asked for on the command
    // line, else the one the settings file keeps.
    LayOut();
    virtualCamera = new VirtualCameraSwitch(*this, *session, *settings);
    connect(bridge, &SessionBridge::VirtualCameraChangedHere, virtualCamera,
            &VirtualCameraSwitch::OnChanged);
    UpdateKeyboardReach();
    // The keyboard starts on the preview, where Space takes a snapshot; nothing shows a focus
    // frame until Tab moves it.
    preview->setFocus(Qt::OtherFocusReason);
    // The session writes into whatever folder the edit holds.
    connect(folderEdit, &QLineEdit::textChanged, this,
            [this] { session->SetOutputFolder(OutputFolderBytes().toStdString()); });
    folderEdit->setText(QFile::decodeName(settings->OutputFolder()));
    ConnectShortcuts();
    if (const LayoutMode layout = startLayout.value_or(settings->Layout()); layout != layoutMode)
        SetLayoutMode(layout);

    // The cameras are listed and the remembered (or first) camera opened off the window's
    // thread; the window shows at once, saying "Opening camera..." until the camera delivers.
    studio::SessionStart start;
    start.road = settings->Road();
    start.camera = settings->Camera();
    start.microphone = settings->Microphone();
    start.mirrorPreview = Options().mirrorPreview;
    start.mirrorOutput = Options().mirrorOutput;
    start.outputFolder = OutputFolderBytes().toStdString();
    start.defaultFolder = DefaultOutputFolder().toStdString();
    start.homeFolder = QDir::homePath().toStdString();
    start.segmentationModel =
        segmentation::ModelPathIn(QFile::encodeName(programFolder).toStdString());
    start.background = settings->Background();
    for (const auto& [id, kept] : settings->CameraControls()) session->KeepCameraControls(id, kept);
    session->Start(start);
    virtualCamera->Start();
    backgroundPanel->Start(*settings, programFolder);
    cameraNote = tr("Opening camera...");
    if (settings->Unreadable())
        ShowUserMessage(tr("Quenvalor could not read its settings file \"%1\". It runs with "
                           "the default settings and will not save changes to them.")
                            .arg(settings->File()));
}

void CMainDialog::ShutdownSequence() {
    if (shutdownStarted) return;
    shutdownStarted = true;

    recordingPanel->Close();
    fullScreenPreview.reset();
    // Nothing is lost at quit: every recording finishes its file before the window closes,
    // within a bounded wait that the status line explains while the window keeps painting.
    const std::vector<std::string> failures = session->Shutdown([this](bool first) {
        if (first) {
            SetStatusText(tr("Finishing the recording..."));
            repaint();
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    // A failure whose message has not reached the user yet is shown now, before the end.
    for (const std::string& failure : failures) ShowUserMessage(QString::fromStdString(failure));
    if (trayIcon) trayIcon->hide();
    hide();
    close();
    emit ShutDown();
}

void CMainDialog::closeEvent(QCloseEvent* event) {
    // A close from the window manager runs the same sequence as the close button.
    ShutdownSequence();
    event->accept();
}

}  // namespace app

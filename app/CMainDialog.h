#pragma once

#include <QEvent>
#include <QPixmap>
#include <QPoint>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/MainLayout.h"
#include "app/PictureOptions.h"
#include "capture/DeviceList.h"
#include "capture/FramePipeline.h"
#include "effects/EffectEngine.h"
#include "recording/RecorderWorker.h"

class QLineEdit;
class QMenu;
class QSystemTrayIcon;

namespace controls {
class CCustomButton;
class CCustomTableControl;
class CHoverButton;
class CIconListBox;
class CThumbNailControl;
class CThumbnailButton;
}  // namespace controls
namespace recording {
class CRecordingsList;
}

namespace app {

class FullScreenPreview;
class PreviewWidget;
class SnapshotCountdown;

// The settings file's words for the two faces; anything unknown means classic.
QString LayoutSettingValue(LayoutMode mode);
LayoutMode LayoutFromSettingValue(const QString& value);

// The program's one window. It holds the state a run shares between the window's thread and the
// workers, creates every long-lived object at start-up in a fixed order, and ends them with one
// shutdown sequence, whoever asks for the end. Its behaviour lives in files by concern:
// MainDialogLayout.cpp (controls, shape, painting), MainDialogCommands.cpp (commands, tray,
// About), MainDialogSettings.cpp (output folder), MainDialogMouse.cpp (keys, mouse, dragging),
// MainDialogCamera.cpp (cameras), MainDialogRecording.cpp (recording, clock, snapshot),
// MainDialogBrowser.cpp (effect categories, thumbnails, current effects), MainDialogShortcuts.cpp
// (keyboard, full-screen preview), MainDialogPicture.cpp (mirrors, snapshot countdown).
//
// The window hears from its effect engine through EngineEvents and handles each notice after the
// event it is in, on its own thread.
class CMainDialog : public QWidget, private effects::EngineEvents {
    Q_OBJECT
public:
    static constexpr int kWidth = 510;
    static constexpr int kHeight = 680;
    static constexpr int kTickIntervalMs = 50;     // TICK_TIMER: at most 20 frames per second
    static constexpr int kClockIntervalMs = 1000;  // CLOCK_TIMER: the recording clock
    static constexpr int kShutdownPollMs = 200;

    // `programFolder` is where the program's data (skin/, Effects/, EffectsBmps/, README.md) and
    // its settings file are found; empty means the one FindDataFolder finds for the executable.
    explicit CMainDialog(QWidget* parent = nullptr, const QString& programFolder = QString());
    ~CMainDialog() override;

    // The face to start with, instead of the one the settings file keeps; before Initialise.
    void SetStartLayout(LayoutMode mode) { startLayout = mode; }
    // Creates the long-lived objects and starts the frame road. Runs once.
    void Initialise();
    // Stops the workers, removes the tray icon, hides the window and closes it. Safe to call
    // more than once.
    void ShutdownSequence();

    // Cameras.
    void RefreshDeviceList();
    bool OpenCamera(int position);
    // Lets the user choose a camera and opens it; the previous camera comes back when the
    // chosen one fails.
    void SelectWebcamSource();
    // Where RefreshDeviceList takes the source names from (indexed by enumeration position)
    // instead of the system's cameras; for tests. An empty function restores the cameras.
    void SetDeviceNameSource(std::function<std::vector<std::string>()> source);

    enum class RecordState { Idle, Recording };

    // Recording and snapshots.
    void StartRecording();
    void StopRecording();
    // Saves the output frame as a snapshot now; false (after telling the user) when it fails.
    bool TakeSnapshot();
    // The snapshot command: after the countdown the settings ask for, if any, the snapshot and
    // a flash in the preview. Ignored while a countdown runs.
    void RequestSnapshot();
    SnapshotCountdown& Countdown() const { return *snapshotCountdown; }
    RecordState GetRecordState() const { return recordState; }
    const QString& RecordingPath() const { return recordingPath; }
    const QString& RecordingName() const { return recordingName; }
    int ElapsedSeconds() const { return elapsedSeconds; }
    // Sets the clock's count; the next tick shows it plus one second.
    void SetElapsedSeconds(int seconds) { elapsedSeconds = seconds; }
    const QString& ElapsedText() const { return elapsedText; }
    const QTimer& ClockTimer() const { return clockTimer; }
    // Stopped recorders still finishing their files.
    std::size_t FinishingRecorderCount() const { return finishingRecorders.size(); }
    recording::CRecordingsList* RecordingsList() const { return recordingsList; }
    // Makes the recorders' encoders instead of the AVI encoder; for tests.
    void SetEncoderFactory(std::function<std::unique_ptr<recording::MMBoxInstance>()> factory);

    // Layout.
    LayoutMode Layout() const { return layoutMode; }
    // Shows the classic or the studio face: places, sizes, shape and background.
    void SetLayoutMode(LayoutMode mode);
    // Switches to the other face and keeps the choice in the settings file.
    void ToggleLayout();
    // In the studio, shows the current-effects table and its buttons (true) or the recordings
    // list (false) below the preview; in classic, remembers the choice for the studio.
    void ShowEffectsPage(bool effects);
    bool EffectsPageShown() const { return effectsPageShown; }
    // The control of layout row `id`, or nullptr when the window does not create it.
    QWidget* Control(int id) const;
    controls::CHoverButton* Button(int id) const;
    // The window's shape at `size`: square, with the two top corners rounded.
    static QRegion WindowRegion(QSize size = QSize(kWidth, kHeight));
    void SetStatusText(const QString& text);
    const QString& StatusText() const { return statusText; }

    // The mirrors and the snapshot countdown: in use, and kept in the settings file by
    // SetPictureOptions (MainDialogPicture.cpp).
    const PictureOptions& Options() const { return pictureOptions; }
    void SetPictureOptions(const PictureOptions& options);
    // The menu of a right click on the window's bands or the preview: the mirrors, the
    // countdown, the full-screen preview and the About box.
    std::unique_ptr<QMenu> MakeContextMenu();

    // The preview on a whole screen (F11), and back (MainDialogShortcuts.cpp).
    void ToggleFullScreenPreview();
    FullScreenPreview* FullScreen() const { return fullScreenPreview.get(); }

    // The output folder, as the folder edit holds it, and the file it is kept in.
    QString OutputFolder() const;
    const QString& SettingsFile() const { return settingsFile; }

    // Whether a press at `clientPoint` on the window's own area, in a window `windowWidth`
    // wide, drags the window: the top and bottom bands and the outer strips.
    static bool IsDragBand(const QPoint& clientPoint, int windowWidth = kWidth);
    // The last pointer position seen over the window, in the engine's frame pixels (the
    // preview's coordinates, flipped left to right while the preview is mirrored); outside the
    // preview until the pointer first moves.
    QPoint PreviewMousePoint() const { return previewMousePoint; }

    // The effect engine (null before Initialise) and the effect browser.
    effects::EffectEngine* Engine() const { return effectEngine.get(); }
    controls::CIconListBox* CategoryList() const { return categoryList; }
    controls::CThumbNailControl* ThumbnailGrid() const { return thumbnailGrid; }
    controls::CCustomTableControl* EffectsTable() const { return effectsTable; }
    const QString& EffectsFolder() const { return effectsFolder; }
    const QString& ThumbnailsFolder() const { return thumbnailsFolder; }
    // The effect categories, in list order; each is also the name of its sub-folder.
    static const QStringList& CategoryNames();
    // The two paths of an effect correspond by position: the effect file lies where its
    // thumbnail lies, with the effects folder in place of the thumbnails folder and the
    // extension "eft" in place of the thumbnail's three-letter one (and the other way round).
    static QString EffectPathForThumbnail(const QString& thumbnailPath,
                                          const QString& thumbnailsFolder,
                                          const QString& effectsFolder);
    static QString ThumbnailPathForEffect(const QString& effectPath, const QString& effectsFolder,
                                          const QString& thumbnailsFolder);

    // The tray icon and its menu, once the tray command has made them.
    QSystemTrayIcon* TrayIcon() const { return trayIcon.get(); }
    QMenu* TrayMenu() const { return trayMenu.get(); }

    // Read access for the parts of the program and for tests.
    const capture::DeviceList& Devices() const { return deviceList; }
    int CurrentDevice() const { return currentDevice; }
    capture::FramePipeline& Pipeline() { return framePipeline; }
    PreviewWidget* Preview() const { return preview; }
    const QString& ProgramFolder() const { return programFolder; }
    const QString& SkinFolder() const { return skinFolder; }
    bool IsShutDown() const { return shutdownStarted; }

signals:
    // Emitted once, when the shutdown sequence has stopped the workers and closed the window.
    void ShutDown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private slots:
    void OnTray();
    void OnMinimize();
    void OnHome();
    void OnEffectMode();
    void OnPaintMode();
    void OnBrowseFolder();
    void OnOpenFolder();
    void ShowWindowNormally();
    void ShowAboutBox();
    void OnErase();
    void OnBrush();
    void OnClearPaint();
    void OnChooseColour();

    // MainDialogBrowser.cpp
    void OnShowCategory();
    void OnThumbnailLeftClicked(controls::CThumbnailButton* item);
    void OnThumbnailRightClicked(controls::CThumbnailButton* item);
    void OnEffectsTableClicked(controls::CCustomButton* item);
    void OnSelectionChanged();
    void OnEffectEnded(const QString& effectPath);
    void OnDeleteEffect();
    void OnRemoveAllEffects();

private:
    // MainDialogLayout.cpp
    void CreateControls();
    QWidget* MakeControl(const LayoutEntry& entry);
    void LayOut();
    QString SkinPicture(const QString& name) const;
    void SetButtonPictures(int id, const QString& normal, const QString& hover,
                           const QString& click);

    // MainDialogStudio.cpp
    void ConnectStudio();
    LayoutMode ReadLayoutSetting() const;
    // Whether the window's own area at `clientPoint` is bare: no control lies over it.
    bool IsBareBand(const QPoint& clientPoint) const;

    // MainDialogPicture.cpp
    void ConnectSnapshotCountdown();
    // Puts the choices to use without keeping them.
    void ApplyPictureOptions(const PictureOptions& options);

    // MainDialogShortcuts.cpp
    // Makes the shortcuts and adds each to its button's tooltip; after the layout has given the
    // tooltips.
    void ConnectShortcuts();

    // MainDialogCommands.cpp
    void ConnectCommands();
    void CreateTrayIcon();

    // MainDialogBrowser.cpp
    void ConnectBrowser();
    void FillCategoryList();
    void CreateEffectEngine();
    // EngineEvents: each notice is posted to the window's own thread.
    void SelectionChanged() override;
    void EffectEnded(const std::string& effectPath) override;
    // The table position of the item standing for the effect file at `effectPath`, or -1.
    int TablePositionOfEffect(const QString& effectPath) const;

    // MainDialogMouse.cpp
    // Feeds a press, move or release over the window to the effect engine and, when the engine
    // took it, shows the cursor for the part of the selected effect under the pointer.
    void RouteMouseToEngine(QEvent::Type type, const QPointF& windowPoint);
    void ShowCursorForZone();

    // MainDialogSettings.cpp
    void ReadOutputFolderSetting();

    void StartCaptureWorker();

    // MainDialogRecording.cpp
    // A recorder and the number of its recording, by which a failure posted from its thread
    // finds the recording it belongs to.
    struct Recorder {
        int serial = 0;
        std::unique_ptr<recording::RecorderWorker> worker;
    };
    void SetUpRecording();
    void AdvanceClock();
    // Ends the Recording state: the recording becomes the list's first row.
    void EndRecording();
    void OnRecordingFailed(int serial, const QString& message);
    void DropEndedRecorders();
    // The folder recordings and snapshots go to.
    QString FileFolder() const;
    // Shutdown: every recorder takes its stop request, then every file is finished.
    void RequestRecordersStop();
    void FinishRecorders();

    // Folders, from the program's folder; the derived ones end with "/".
    QString programFolder;
    QString effectsFolder;
    QString thumbnailsFolder;
    QString skinFolder;
    QString settingsFile;

    QPixmap backgroundPicture;  // the face's background, one of the two below
    QPixmap classicBackground;
    QPixmap studioBackground;
    LayoutMode layoutMode = LayoutMode::Classic;
    std::optional<LayoutMode> startLayout;
    bool effectsPageShown = false;
    std::map<int, QWidget*> controls;  // by layout id; children of the window
    PreviewWidget* preview = nullptr;
    QLineEdit* clockEdit = nullptr;
    QLineEdit* folderEdit = nullptr;
    recording::CRecordingsList* recordingsList = nullptr;
    controls::CIconListBox* categoryList = nullptr;
    controls::CThumbNailControl* thumbnailGrid = nullptr;
    controls::CCustomTableControl* effectsTable = nullptr;

    std::unique_ptr<effects::EffectEngine> effectEngine;
    // Outside the preview, so a press before any movement is not taken for one on the preview.
    QPoint previewMousePoint{-1, -1};

    capture::DeviceList deviceList;
    std::function<std::vector<std::string>()> deviceNameSource;
    int currentDevice = -1;
    capture::FramePipeline framePipeline;
    std::thread captureThread;

    // Each recording has its own recorder with its own stop request, so a recording started
    // right after a stop never revives or disturbs the previous recorder while it finishes.
    RecordState recordState = RecordState::Idle;
    Recorder recorder;                         // the running recording
    std::vector<Recorder> finishingRecorders;  // stopped, kept until their files are finished
    std::set<int> reportedFailures;            // recordings whose failure the user has seen
    int recordingCount = 0;
    std::function<std::unique_ptr<recording::MMBoxInstance>()> encoderFactory;
    QString recordingPath;
    QString recordingName;
    int elapsedSeconds = 0;
    QString statusText = QStringLiteral("Ready.");
    QString elapsedText = QStringLiteral("00:00:00");
    QTimer clockTimer;             // CLOCK_TIMER
    QTimer finishedRecorderCheck;  // runs while stopped recorders finish their files

    PictureOptions pictureOptions;
    SnapshotCountdown* snapshotCountdown = nullptr;  // a child of the window
    std::unique_ptr<FullScreenPreview> fullScreenPreview;

    std::unique_ptr<QMenu> trayMenu;
    std::unique_ptr<QSystemTrayIcon> trayIcon;

    // Dragging by mouse movements, where the window system cannot move the window itself.
    bool dragging = false;
    QPoint dragGrabOffset;

    QTimer tickTimer;  // TICK_TIMER
    bool initialised = false;
    bool shutdownStarted = false;
};

}  // namespace app

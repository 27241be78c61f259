#pragma once

#include <QEvent>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/CallQueue.h"
#include "app/MainLayout.h"
#include "capture/CameraSession.h"
#include "app/PictureOptions.h"
#include "capture/DeviceList.h"
#include "capture/FrameRoad.h"
#include "effects/EffectEngine.h"
#include "effects/FaceTracker.h"
#include "recording/CrashRepair.h"
#include "recording/RecorderWorker.h"

class QLineEdit;
class QMenu;
class QSystemTrayIcon;

namespace controls {
class CCustomButton;
class CCustomTableControl;
class CHoverButton;
class CIconListBox;
class CRecordingsList;
class CThumbNailControl;
class CThumbnailButton;
}  // namespace controls

namespace app {

class CSourceDialog;
class FullScreenPreview;
class PreviewWidget;
class SnapshotCountdown;

// The settings file's words for the two layouts; anything unknown means classic.
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
// The window hears from its effect engine through EngineEvents and from its camera session through
// CameraEvents, and handles each notice after the event it is in, on its own thread.
class CMainDialog : public QWidget, private effects::EngineEvents, private capture::CameraEvents {
    Q_OBJECT
public:
    static constexpr int kWidth = 510;
    static constexpr int kHeight = 680;
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

    // Cameras. The camera session opens and watches them off the window's thread; the window
    // hears what happens and shows it.
    void RefreshDeviceList();
    // Opens the camera `cameraId` (an identity from Devices()) as the user's choice, and returns
    // at once. When it delivers, it is kept in the settings file; when it fails, the failure is
    // shown and the previous camera comes back.
    void OpenCamera(const std::string& cameraId);
    // Lets the user choose a camera and opens it. The dialog's list follows the cameras plugged
    // in and out while it is open.
    void SelectWebcamSource();

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
    controls::CRecordingsList* RecordingsList() const { return recordingsList; }
    // Makes the recorders' encoders instead of the AVI encoder; for tests.
    void SetEncoderFactory(std::function<std::unique_ptr<recording::MMBoxInstance>()> factory);
    // Answers the recorders' free-space questions instead of the file system; for tests.
    void SetFreeSpaceSource(std::function<std::optional<uint64_t>(const std::string&)> source);
    // How long quitting waits for recorders to finish their files before it leaves them as a
    // crash would (10 seconds; tests shorten it).
    static constexpr std::chrono::milliseconds kFinishWaitLimit{10000};
    void SetFinishWaitLimit(std::chrono::milliseconds limit) { finishWaitLimit = limit; }
    // Starts repairing, on a thread of its own, the recordings in the output folder that a
    // crash cut off before this run began; the status line tells how many were repaired.
    void CheckForUnfinishedRecordings();
    bool RepairCheckEnded() const { return !repairJob || repairJob->HasEnded(); }
    // Asks every recorder to stop and waits a bounded time for their files, then stops the road,
    // the camera and the microphone, without the event loop; for a process that is ending
    // without its window's shutdown sequence (Qt ends it with exit() when the display is lost).
    void EndWithoutEventLoop();

    // Layout.
    LayoutMode Layout() const { return layoutMode; }
    // Shows the classic or the studio layout: places, sizes, shape and background.
    void SetLayoutMode(LayoutMode mode);
    // Switches to the other layout and keeps the choice in the settings file.
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
    // What the status line shows: the camera's trouble ("Opening camera...", "No camera",
    // "Camera lost", "Camera unavailable") while there is one, else the microphone's, else the
    // status text.
    QString ShownStatus() const {
        return !cameraNote.isEmpty() ? cameraNote : !microphoneNote.isEmpty() ? microphoneNote
                                                                               : statusText;
    }

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
    // The last pointer position seen over the window, in the preview's coordinates (flipped left
    // to right while the preview is mirrored); outside the preview until the pointer first moves.
    // The engine gets it in studio-frame pixels (EnginePoint).
    QPoint PreviewMousePoint() const { return previewMousePoint; }

    // The effect engine (null before Initialise) and the effect browser.
    effects::EffectEngine* Engine() const { return effectEngine.get(); }
    // The face tracker, null when face following is not available.
    effects::FaceTracker* FaceTracker() const { return faceTracker.get(); }
    // The categories whose effects follow the face from the moment they are added.
    static bool FollowsFaceByDefault(const QString& category);
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
    // The identity of the camera the session keeps open (or waits for); empty when none.
    const std::string& CurrentCamera() const { return currentCamera; }
    capture::FrameRoad& Pipeline() { return frameRoad; }
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
    // Offers "Follow face" for the clicked item's effect.
    void OnEffectsTableRightClicked(controls::CCustomButton* item);
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
    // A face tracker for frames of `size`, or null when face following is not available.
    static std::unique_ptr<effects::FaceTracker> MakeFaceTracker(cv::Size size);
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
    // The preview point in the studio frame's pixels, where the preview shows the studio frame
    // fitted into it.
    QPoint EnginePoint() const;

    // MainDialogCamera.cpp
    // Starts the camera session for the road's camera need, with `camera` (else the remembered
    // camera) preferred.
    void StartCameras(std::optional<std::string> camera = std::nullopt);
    // Switches to the recording size of `road`: remembers it, carries the effects over to an
    // engine of its studio size, sets the tick, and opens the camera again for it. Only while
    // nothing records.
    void ChangeRoad(const capture::RoadConfig& road);
    void SetCameraNote(const QString& note);  // MainDialogLayout.cpp
    // CameraEvents: each notice is posted to the window's own thread.
    void CamerasChanged(const std::vector<capture::CameraDescription>& cameras) override;
    void CameraStateChanged(const std::string& id, capture::CameraState state) override;
    void CameraOpenFailed(const std::string& id, capture::CameraFailure failure) override;
    void OnCameraStateChanged(const std::string& id, capture::CameraState state);

    // MainDialogMicrophone.cpp
    void StartMicrophone();
    // Captures the microphone `setting` names (an identity, "None", or empty for the default).
    void UseMicrophone(const std::string& setting);
    // Keeps the user's choice in the settings file and captures it.
    void ChooseMicrophone(const std::string& setting);
    // What a new recording takes its sound from: the microphone while one is captured (live,
    // or lost and awaited); null records silence.
    capture::SoundFeed* SoundForRecording() const;

    // MainDialogSettings.cpp
    void ReadOutputFolderSetting();
    capture::RoadConfig ReadRoadSetting() const;

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
    // A worker thread stopped on an internal error: the recording is ended and the user told.
    void OnWorkerFailed(const QString& message);
    void ShowRepairResult(const recording::RepairResult& result);
    void DropEndedRecorders();
    // The folder recordings and snapshots go to.
    QString FileFolder() const;
    // Shutdown: every recorder takes its stop request, then every file is finished; the wait is
    // bounded by finishWaitLimit. `interactive` is for a window whose event loop still runs: the
    // status line says why it waits and keeps being painted, and failures not yet reported are
    // shown.
    void RequestRecordersStop();
    void FinishRecorders(bool interactive);

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
    // Notices from the camera, road, recorder, microphone and repair threads, run on this thread.
    CallQueue* windowCalls = new CallQueue(this);
    PreviewWidget* preview = nullptr;
    QLineEdit* clockEdit = nullptr;
    QLineEdit* folderEdit = nullptr;
    controls::CRecordingsList* recordingsList = nullptr;
    controls::CIconListBox* categoryList = nullptr;
    controls::CThumbNailControl* thumbnailGrid = nullptr;
    controls::CCustomTableControl* effectsTable = nullptr;

    std::unique_ptr<effects::EffectEngine> effectEngine;
    std::unique_ptr<effects::FaceTracker> faceTracker;
    // Outside the preview, so a press before any movement is not taken for one on the preview.
    QPoint previewMousePoint{-1, -1};

    capture::DeviceList deviceList;
    std::string currentCamera;
    std::string chosenCamera;  // chosen by the user, kept in the settings once it delivers
    QString cameraNote;
    QPointer<app::CSourceDialog> sourceDialog;  // while the camera chooser is open
    capture::FrameRoad frameRoad;
    std::thread captureThread;
    std::unique_ptr<capture::CameraSession> cameraSession;
    // Declared before the recorders, which listen to it, so it outlives them.
    std::unique_ptr<capture::AudioCapture> microphone;
    std::string microphoneSetting;
    QString microphoneNote;

    // Each recording has its own recorder with its own stop request, so a recording started
    // right after a stop never revives or disturbs the previous recorder while it finishes.
    RecordState recordState = RecordState::Idle;
    Recorder recorder;                         // the running recording
    std::vector<Recorder> finishingRecorders;  // stopped, kept until their files are finished
    std::set<int> reportedFailures;            // recordings whose failure the user has seen
    int recordingCount = 0;
    std::function<std::unique_ptr<recording::MMBoxInstance>()> encoderFactory;
    std::function<std::optional<uint64_t>(const std::string&)> freeSpaceSource;
    std::chrono::milliseconds finishWaitLimit = kFinishWaitLimit;
    // The crash repair: files changed from this moment on belong to this run.
    std::chrono::system_clock::time_point runStarted = std::chrono::system_clock::now();
    std::unique_ptr<recording::RepairJob> repairJob;
    QString statusAfterRecording;  // a notice that came while recording, shown at its end
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

    bool initialised = false;
    bool shutdownStarted = false;
};

}  // namespace app

#pragma once

#include <QEvent>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRegion>
#include <QString>
#include <QWidget>

#include <map>
#include <memory>
#include <optional>

#include "app/MainLayout.h"
#include "app/PictureOptions.h"
#include "app/Settings.h"
#include "capture/DeviceList.h"

class QLineEdit;
class QMenu;
class QSystemTrayIcon;

namespace controls {
class CHoverButton;
}

namespace studio {
class StudioSession;
}

namespace app {

class BackgroundPanel;
class CPictureDialog;
class CSourceDialog;
class EffectsPanel;
class FullScreenPreview;
class PreviewWidget;
class RecordingPanel;
class SessionBridge;
class VirtualCameraSwitch;

// The program's one window: a view over a studio session. It lays out and paints the skinned
// controls, takes the mouse, the keys, the menus and the dialogs, and calls the session for
// everything else; the session's notices reach it on its own thread through a SessionBridge.
// Its RecordingPanel shows recording and snapshots, its EffectsPanel the effect browser and the
// paint tools. The rest lives in MainDialog*.cpp files named by concern.
class CMainDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 510;
    static constexpr int kHeight = 680;

    // `programFolder` is where the program's data (skin/, Effects/, EffectsBmps/, README.md) and
    // its settings file are found; empty means the one FindDataFolder finds for the executable.
    explicit CMainDialog(QWidget* parent = nullptr, const QString& programFolder = QString());
    ~CMainDialog() override;

    // The layout to start with, instead of the one the settings file keeps; before Initialise.
    void SetStartLayout(LayoutMode mode) { startLayout = mode; }
    // Reads the settings, lays out the window and starts the session. Runs once.
    void Initialise();
    // Ends the session (recordings finish their files; the status line explains the wait),
    // removes the tray icon and closes the window. Safe to call again.
    void ShutdownSequence();
    bool IsShutDown() const { return shutdownStarted; }
    // Brings the window back from the tray or the task bar, raised and active.
    void ShowWindowNormally();

    studio::StudioSession& Session() const { return *session; }
    RecordingPanel& Recording() const { return *recordingPanel; }
    EffectsPanel& Effects() const { return *effectsPanel; }
    BackgroundPanel& Background() const { return *backgroundPanel; }
    const ProgramSettings& Settings() const { return *settings; }

    // Lets the user choose a camera, the recording size and the microphone.
    void SelectWebcamSource();
    const capture::DeviceList& Devices() const { return deviceList; }
    // Opens (or brings up) the camera's picture controls; null until opened.
    void ShowPictureDialog();
    CPictureDialog* PictureDialog() const;

    // Shows the classic or the studio layout: places, sizes, shape and background.
    void SetLayoutMode(LayoutMode mode);
    LayoutMode Layout() const { return layoutMode; }
    // Switches to the other layout and keeps the choice in the settings file.
    void ToggleLayout();
    // In the studio, shows the current-effects table and its buttons (true) or the recordings
    // list (false) below the preview; in classic, remembers the choice for the studio.
    void ShowEffectsPage(bool effects);
    bool EffectsPageShown() const { return effectsPageShown; }

    QWidget* Control(int id) const;  // of layout row `id`; null when the window has none
    controls::CHoverButton* Button(int id) const;
    void SetButtonPictures(int id, const QString& normal, const QString& hover,
                           const QString& click);
    PreviewWidget* Preview() const { return preview; }
    // The window's shape at `size`: square, with the two top corners rounded.
    static QRegion WindowRegion(QSize size = QSize(kWidth, kHeight));
    // Whether a press at `clientPoint` on the window's own area, in a window `windowWidth`
    // wide, drags the window: the top and bottom bands and the outer strips.
    static bool IsDragBand(const QPoint& clientPoint, int windowWidth = kWidth);

    void SetStatusText(const QString& text);
    const QString& StatusText() const { return statusText; }
    // What the status line shows: the camera's trouble ("No camera", ...) while there is one,
    // else the microphone's, else the status text.
    QString ShownStatus() const;

    // The mirrors and the snapshot countdown, in use and kept in the settings file.
    const PictureOptions& Options() const { return settings->Picture(); }
    void SetPictureOptions(const PictureOptions& options);
    // The menu of a right click on the window's bands or the preview: the mirrors, the
    // countdown, the virtual camera, the full-screen preview and the About box.
    std::unique_ptr<QMenu> MakeContextMenu();
    // The preview on a whole screen (F11), and back.
    void ToggleFullScreenPreview();
    FullScreenPreview* FullScreen() const { return fullScreenPreview.get(); }
    // The output folder, as the folder edit holds it.
    QString OutputFolder() const;

    // The last pointer position seen over the window, in the preview's coordinates (flipped left
    // to right while the preview is mirrored); outside the preview until the pointer first moves.
    QPoint PreviewMousePoint() const { return previewMousePoint; }
    // The tray icon and its menu, once the tray command has made them.
    QSystemTrayIcon* TrayIcon() const { return trayIcon.get(); }
    QMenu* TrayMenu() const { return trayMenu.get(); }

signals:
    // Emitted once, when the shutdown sequence has ended the session and closed the window.
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

private:
    // MainDialogLayout.cpp
    void CreateControls();
    // Keeps Tab to the controls inside the window's width.
    void UpdateKeyboardReach();
    // Tells screen readers what the status line shows now, when that changed.
    void AnnounceStatus();
    QWidget* MakeControl(const LayoutEntry& entry);
    void LayOut();
    // MainDialogCamera.cpp: the session's camera and microphone notices.
    void ConnectSession();
    void UpdateStatusLine();
    // MainDialogCommands.cpp
    void ConnectCommands();
    void ConnectShortcuts();
    void ShowInTray();
    // MainDialogPicture.cpp
    void BrowseFolder();
    QByteArray OutputFolderBytes() const;
    // MainDialogMouse.cpp. Whether the window's own area at `clientPoint` has no control over it.
    bool IsBareBand(const QPoint& clientPoint) const;
    // Feeds a press, move or release over the window to the effect engine and, when the engine
    // took it, shows the cursor for the part of the selected effect under the pointer.
    void RouteMouseToEngine(QEvent::Type type, const QPointF& windowPoint);
    void ShowCursorForZone();
    // The preview point in the studio frame's pixels, where the preview shows the studio frame
    // fitted into it.
    QPoint EnginePoint() const;

    QString programFolder;
    QString skinFolder;
    std::unique_ptr<ProgramSettings> settings;

    QPixmap backgroundPicture;  // the layout's background, one of the two below
    QPixmap classicBackground;
    QPixmap studioBackground;
    LayoutMode layoutMode = LayoutMode::Classic;
    std::optional<LayoutMode> startLayout;
    bool effectsPageShown = false;
    std::map<int, QWidget*> controls;  // by layout id; children of the window
    std::map<int, Qt::FocusPolicy> keyboardReach;  // each control's own focus policy
    QWidget* statusLine = nullptr;  // what screen readers read of the status line
    PreviewWidget* preview = nullptr;
    QLineEdit* folderEdit = nullptr;
    QString statusText;
    QString cameraNote;
    QString microphoneNote;
    QString controlsNote;  // the controls the camera refused when it opened
    // Outside the preview, so a press before any movement is not taken for one on the preview.
    QPoint previewMousePoint{-1, -1};
    // Dragging by mouse movements, where the window system cannot move the window itself.
    bool dragging = false;
    QPoint dragGrabOffset;

    capture::DeviceList deviceList;
    QPointer<CSourceDialog> sourceDialog;  // while the camera chooser is open
    QPointer<CPictureDialog> pictureDialog;
    std::unique_ptr<FullScreenPreview> fullScreenPreview;
    std::unique_ptr<QMenu> trayMenu;
    std::unique_ptr<QSystemTrayIcon> trayIcon;

    // The bridge, a child of the window, outlives the session; the panels are children too.
    SessionBridge* bridge = nullptr;
    std::unique_ptr<studio::StudioSession> session;
    RecordingPanel* recordingPanel = nullptr;
    EffectsPanel* effectsPanel = nullptr;
    VirtualCameraSwitch* virtualCamera = nullptr;  // made with the settings, in Initialise
    BackgroundPanel* backgroundPanel = nullptr;

    bool initialised = false;
    bool shutdownStarted = false;
};

}  // namespace app

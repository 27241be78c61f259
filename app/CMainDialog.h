#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <thread>

#include "capture/DeviceList.h"
#include "capture/FramePipeline.h"

namespace app {

class PreviewWidget;

// The program's one window. It holds the state a run shares between the window's thread and the
// workers, creates every long-lived object at start-up in a fixed order, and ends them with one
// shutdown sequence, whoever asks for the end.
class CMainDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 510;
    static constexpr int kHeight = 680;
    static constexpr int kTickIntervalMs = 50;  // TICK_TIMER: at most 20 frames per second
    static constexpr int kShutdownPollMs = 200;

    explicit CMainDialog(QWidget* parent = nullptr);
    ~CMainDialog() override;

    // Creates the long-lived objects and starts the frame road. Runs once.
    void Initialise();
    // Stops the workers, hides the window and closes it. Safe to call more than once.
    void ShutdownSequence();

    // Cameras.
    void RefreshDeviceList();
    bool OpenCamera(int position);

    // Read access for the parts of the program and for tests.
    const capture::DeviceList& Devices() const { return deviceList; }
    int CurrentDevice() const { return currentDevice; }
    capture::FramePipeline& Pipeline() { return framePipeline; }
    PreviewWidget* Preview() const { return preview; }
    const QString& ProgramFolder() const { return programFolder; }
    bool IsShutDown() const { return shutdownStarted; }

    enum class RecordState { Idle, Recording };

signals:
    // Emitted once, when the shutdown sequence has stopped the workers and closed the window.
    void ShutDown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateControls();
    void StartCaptureWorker();

    // Folders, from the executable's folder; the derived ones end with "/".
    QString programFolder;
    QString effectsFolder;
    QString thumbnailsFolder;
    QString skinFolder;

    capture::DeviceList deviceList;
    int currentDevice = -1;
    capture::FramePipeline framePipeline;
    std::thread captureThread;

    std::atomic<int> stopRecording{0};
    RecordState recordState = RecordState::Idle;
    QString statusText = QStringLiteral("Ready.");
    QString elapsedText = QStringLiteral("00:00:00");

    QTimer tickTimer;  // TICK_TIMER
    PreviewWidget* preview = nullptr;
    bool initialised = false;
    bool shutdownStarted = false;
};

}  // namespace app

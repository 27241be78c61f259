#pragma once

#include <QObject>
#include <QString>

#include <string>
#include <vector>

#include "controls/CallQueue.h"
#include "studio/StudioSession.h"

namespace app {

// Hands the session's notices to the window's thread: each notice, from whatever thread the
// session tells it on, is posted and then emitted as a signal on the thread this object lives on.
class SessionBridge : public QObject, public studio::SessionEvents {
    Q_OBJECT

public:
    explicit SessionBridge(QObject* parent) : QObject(parent) {}

signals:
    void CamerasChangedHere(const std::vector<capture::CameraDescription>& cameras);
    void CameraStateChangedHere(const std::string& id, capture::CameraState state);
    void CameraOpenFailedHere(const std::string& id, capture::CameraFailure failure);
    void CameraChoiceDeliveredHere(const std::string& id);
    void CameraControlsAppliedHere(const std::string& id, const std::vector<std::string>& refused);
    void MicrophoneStateChangedHere(capture::MicrophoneState state);
    void RecordingStartedHere(int serial, const QString& path);
    void RecordingNotStartedHere(int serial, const QString& message);
    void RecordingFailedHere(int serial, const QString& message);
    void RoadFailedHere(const QString& message);
    void RepairFinishedHere(const recording::RepairResult& result);
    void SnapshotSavedHere();
    void SnapshotFailedHere(const QString& message);
    void VirtualCameraChangedHere(const capture::VirtualCameraStatus& status);
    void SelectionChangedHere();
    void EffectEndedHere(const QString& effectPath);

private:
    void CamerasChanged(const std::vector<capture::CameraDescription>& cameras) override;
    void CameraStateChanged(const std::string& id, capture::CameraState state) override;
    void CameraOpenFailed(const std::string& id, capture::CameraFailure failure) override;
    void CameraChoiceDelivered(const std::string& id) override;
    void CameraControlsApplied(const std::string& id, const std::vector<std::string>& refused) override;
    void MicrophoneStateChanged(capture::MicrophoneState state) override;
    void RecordingStarted(int serial, const std::string& path) override;
    void RecordingNotStarted(int serial, const std::string& message) override;
    void RecordingFailed(int serial, const std::string& message) override;
    void RoadFailed(const std::string& message) override;
    void RepairFinished(const recording::RepairResult& result) override;
    void SnapshotSaved(const std::string& path) override;
    void SnapshotFailed(const std::string& message) override;
    void VirtualCameraChanged(const capture::VirtualCameraStatus& status) override;
    void SelectionChanged() override;
    void EffectEnded(const std::string& effectPath) override;

    controls::CallQueue* calls_ = new controls::CallQueue(this);
};

}  // namespace app

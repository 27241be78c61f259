#include "app/SessionBridge.h"

#include <QFile>

namespace app {

void SessionBridge::CamerasChanged(const std::vector<capture::CameraDescription>& cameras) {
    calls_->Post([this, cameras] { emit CamerasChangedHere(cameras); });
}

void SessionBridge::CameraStateChanged(const std::string& id, capture::CameraState state) {
    calls_->Post([this, id, state] { emit CameraStateChangedHere(id, state); });
}

void SessionBridge::CameraOpenFailed(const std::string& id, capture::CameraFailure failure) {
    calls_->Post([this, id, failure] { emit CameraOpenFailedHere(id, failure); });
}

void SessionBridge::CameraChoiceDelivered(const std::string& id) {
    calls_->Post([this, id] { emit CameraChoiceDeliveredHere(id); });
}

void SessionBridge::CameraControlsApplied(const std::string& id,
                                          const std::vector<std::string>& refused) {
    calls_->Post([this, id, refused] { emit CameraControlsAppliedHere(id, refused); });
}

void SessionBridge::MicrophoneStateChanged(capture::MicrophoneState state) {
    calls_->Post([this, state] { emit MicrophoneStateChangedHere(state); });
}

void SessionBridge::RecordingStarted(int serial, const std::string& path) {
    // Paths are the file system's bytes.
    calls_->Post([this, serial, text = QFile::decodeName(QByteArray::fromStdString(path))] {
        emit RecordingStartedHere(serial, text);
    });
}

void SessionBridge::RecordingNotStarted(int serial, const std::string& message) {
    calls_->Post([this, serial, text = QString::fromStdString(message)] {
        emit RecordingNotStartedHere(serial, text);
    });
}

void SessionBridge::RecordingFailed(int serial, const std::string& message) {
    calls_->Post([this, serial, text = QString::fromStdString(message)] {
        emit RecordingFailedHere(serial, text);
    });
}

void SessionBridge::RoadFailed(const std::string& message) {
    calls_->Post([this, text = QString::fromStdString(message)] { emit RoadFailedHere(text); });
}

void SessionBridge::RepairFinished(const recording::RepairResult& result) {
    calls_->Post([this, result] { emit RepairFinishedHere(result); });
}

void SessionBridge::SnapshotSaved(const std::string&) {
    calls_->Post([this] { emit SnapshotSavedHere(); });
}

void SessionBridge::SnapshotFailed(const std::string& message) {
    calls_->Post([this, text = QString::fromStdString(message)] { emit SnapshotFailedHere(text); });
}

void SessionBridge::VirtualCameraChanged(const capture::VirtualCameraStatus& status) {
    calls_->Post([this, status] { emit VirtualCameraChangedHere(status); });
}

void SessionBridge::SelectionChanged() {
    calls_->Post([this] { emit SelectionChangedHere(); });
}

void SessionBridge::EffectEnded(const std::string& effectPath) {
    // The engine names files as the file system does.
    calls_->Post([this, path = QFile::decodeName(QByteArray::fromStdString(effectPath))] {
        emit EffectEndedHere(path);
    });
}

}  // namespace app

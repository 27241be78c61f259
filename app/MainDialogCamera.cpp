// Cameras: the camera session that keeps the chosen camera running while cameras come and go,
// the camera list it keeps current, the camera chooser with the recording size and the microphone
// choice, the "Camera" and "RecordingSize" settings, and what the status line says about the
// camera.

#include <QComboBox>

#include <memory>

#include "app/CIniFile.h"
#include "app/CMainDialog.h"
#include "app/Settings.h"
#include "app/UserMessages.h"
#include "app/CSourceDialog.h"

namespace app {

namespace {

QString CameraNote(capture::CameraState state) {
    switch (state) {
        case capture::CameraState::Live: return {};
        case capture::CameraState::Opening: return QStringLiteral("Opening camera...");
        case capture::CameraState::NoCamera: return QStringLiteral("No camera");
        case capture::CameraState::Lost: return QStringLiteral("Camera lost");
        case capture::CameraState::Unavailable: return QStringLiteral("Camera unavailable");
    }
    return {};
}

}  // namespace

void CMainDialog::StartCameras(std::optional<std::string> camera) {
    capture::CameraEvents& events = *this;
    cameraSession = std::make_unique<capture::CameraSession>(
        frameRoad, events, frameRoad.Road().camera.width,
        frameRoad.Road().camera.height, frameRoad.Road().framesPerSecond);
    const QString remembered =
        CIniFile(settingsFile)
            .ReadString(QString::fromLatin1(kSettingsSection), QString::fromLatin1(kCameraKey), {});
    cameraSession->Start(camera.value_or(remembered.toStdString()));
    SetCameraNote(CameraNote(cameraSession->State()));
}

void CMainDialog::ChangeRoad(const capture::RoadConfig& road) {
    CIniFile(settingsFile)
        .WriteString(QString::fromLatin1(kSettingsSection), QString::fromLatin1(kRecordingSizeKey),
                     QString::fromStdString(capture::RecordingSizeText(road)));
    // The effects move to an engine of the new studio size, in the same places relative to the
    // picture; the old engine and tracker go once the road has let go of them.
    const cv::Size studio(road.studio.width, road.studio.height);
    std::unique_ptr<effects::EffectEngine> engine = effectEngine->RebuiltFor(studio, this);
    std::unique_ptr<effects::FaceTracker> tracker = faceTracker ? MakeFaceTracker(studio) : nullptr;
    frameRoad.Reconfigure(road, engine.get(), tracker.get());
    effectEngine = std::move(engine);
    faceTracker = std::move(tracker);
    OnSelectionChanged();
    // The camera is asked again, for a mode that covers the new size. It is let go first, so
    // the new request does not find it busy.
    const std::string camera = currentCamera;
    if (cameraSession) cameraSession->Stop();
    frameRoad.ReplaceDevice(nullptr);
    cameraSession.reset();
    StartCameras(camera);
}

void CMainDialog::RefreshDeviceList() {
    deviceList.Refresh(cameraSession ? cameraSession->Cameras()
                                     : std::vector<capture::CameraDescription>());
}

void CMainDialog::OpenCamera(const std::string& cameraId) {
    if (!cameraSession) return;
    chosenCamera = cameraId;
    cameraSession->Choose(cameraId);
}

void CMainDialog::SelectWebcamSource() {
    RefreshDeviceList();
    if (deviceList.IsEmpty()) {
        ShowUserMessage(QStringLiteral("There is no Webcam connected to your PC!"));
        return;
    }
    // The capture worker goes on with the current camera while the dialog is open, and the
    // dialog's lines follow the cameras plugged in and out meanwhile.
    app::CSourceDialog dialog(deviceList, skinFolder, this);
    dialog.SetRecordingSize(frameRoad.Road());
    // A recording keeps the size it started with.
    dialog.SizeBox()->setEnabled(recordState == RecordState::Idle);
    // The microphone line picked is heard at once, so the meter shows whether it hears the
    // user; Cancel goes back to the microphone of before.
    const std::string microphoneBefore = microphoneSetting;
    std::vector<app::CSourceDialog::MicrophoneLine> microphones;
    const std::vector<capture::MicrophoneSource> sources = capture::ListMicrophones();
    for (const capture::MicrophoneSource& source : sources)
        microphones.push_back({source.id, source.name});
    const int current = capture::ChooseMicrophone(sources, microphoneSetting);
    dialog.SetMicrophones(microphones,
                          current >= 0 ? sources[current].id : std::string(capture::kNoMicrophone));
    dialog.SetLevelSource([this] { return microphone ? microphone->Level() : 0.0; });
    connect(&dialog, &app::CSourceDialog::MicrophoneChanged, this,
            [this](const std::string& setting) { UseMicrophone(setting); });
    sourceDialog = &dialog;
    const int result = dialog.DoModal();
    sourceDialog = nullptr;
    if (result != QDialog::Accepted) {
        if (microphoneSetting != microphoneBefore) UseMicrophone(microphoneBefore);
        return;
    }
    ChooseMicrophone(dialog.MicrophoneSetting());
    if (recordState == RecordState::Idle && !(dialog.ChosenRoad() == frameRoad.Road()))
        ChangeRoad(dialog.ChosenRoad());
    const int selection = dialog.Selection();
    if (selection < 0 || selection >= deviceList.Count()) return;
    OpenCamera(deviceList[selection].id);
}

void CMainDialog::CamerasChanged(const std::vector<capture::CameraDescription>& cameras) {
    windowCalls->Post([this, cameras] {
        deviceList.Refresh(cameras);
        if (sourceDialog) sourceDialog->SetDevices(deviceList);
    });
}

void CMainDialog::CameraStateChanged(const std::string& id, capture::CameraState state) {
    windowCalls->Post([this, id, state] { OnCameraStateChanged(id, state); });
}

void CMainDialog::OnCameraStateChanged(const std::string& id, capture::CameraState state) {
    currentCamera = id;
    SetCameraNote(CameraNote(state));
    // The user's choice is kept once it delivers, so a choice that failed is not remembered.
    if (state == capture::CameraState::Live && !chosenCamera.empty() && id == chosenCamera) {
        CIniFile(settingsFile)
            .WriteString(QString::fromLatin1(kSettingsSection), QString::fromLatin1(kCameraKey),
                         QString::fromStdString(id));
        chosenCamera.clear();
    }
}

void CMainDialog::CameraOpenFailed(const std::string& id, capture::CameraFailure failure) {
    windowCalls->Post([this, id, failure] {
        if (id == chosenCamera) chosenCamera.clear();
        ShowUserMessage(failure == capture::CameraFailure::Busy
                            ? QStringLiteral("This webcam is occupied, please select another one")
                            : QStringLiteral("Fail to open the webcam!"));
    });
}

}  // namespace app

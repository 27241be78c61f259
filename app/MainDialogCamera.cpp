// The session's notices as the window shows them: the camera list, what the status line says
// about the camera and the microphone, the choices worth keeping in the settings file, and the
// camera chooser with the recording size and the microphone choice; the camera's picture
// controls, kept per camera.

#include <QComboBox>

#include "app/CMainDialog.h"
#include "app/CPictureDialog.h"
#include "app/CSourceDialog.h"
#include "app/CameraControlNames.h"
#include "app/EffectsPanel.h"
#include "app/RecordingPanel.h"
#include "app/SessionBridge.h"
#include "app/UserMessages.h"
#include "studio/StudioSession.h"

namespace app {

namespace {

QString CameraNote(capture::CameraState state) {
    switch (state) {
        case capture::CameraState::Live: return {};
        case capture::CameraState::Opening: return CMainDialog::tr("Opening camera...");
        case capture::CameraState::NoCamera: return CMainDialog::tr("No camera");
        case capture::CameraState::Lost: return CMainDialog::tr("Camera lost");
        case capture::CameraState::Unavailable: return CMainDialog::tr("Camera unavailable");
    }
    return {};
}

}  // namespace

void CMainDialog::ConnectSession() {
    connect(bridge, &SessionBridge::CamerasChangedHere, this,
            [this](const std::vector<capture::CameraDescription>& cameras) {
                deviceList.Refresh(cameras);
                if (sourceDialog) sourceDialog->SetDevices(deviceList);
            });
    connect(bridge, &SessionBridge::CameraStateChangedHere, this,
            [this](const std::string&, capture::CameraState state) {
                cameraNote = CameraNote(state);
                UpdateStatusLine();
                // The picture dialog says so while no camera is live; it gets the controls of
                // the next one that is.
                if (state != capture::CameraState::Live && pictureDialog)
                    pictureDialog->SetControls(nullptr, {});
            });
    // The user's choice is kept once it delivers, so a choice that failed is not remembered.
    connect(bridge, &SessionBridge::CameraChoiceDeliveredHere, this,
            [this](const std::string& id) { settings->SetCamera(id); });
    connect(bridge, &SessionBridge::CameraOpenFailedHere, this,
            [](const std::string&, capture::CameraFailure failure) {
                ShowUserMessage(failure == capture::CameraFailure::Busy
                                    ? tr("This webcam is occupied, please select another one")
                                    : tr("Fail to open the webcam!"));
            });
    // Each camera that goes live gets the settings kept for it; what it refused is named in
    // the status line until the next camera opens. An open picture dialog shows its controls.
    connect(bridge, &SessionBridge::CameraControlsAppliedHere, this,
            [this](const std::string& id, const std::vector<std::string>& refused) {
                QStringList names;
                for (const std::string& label : refused) names << CameraControlName(label);
                controlsNote = names.isEmpty() ? QString()
                                               : tr("The camera refused: %1")
                                                     .arg(names.join(tr(", ", "separator of a list of names")));
                UpdateStatusLine();
                if (pictureDialog) pictureDialog->SetControls(session->Controls(), id);
            });
    // A microphone that goes away leaves the recording to go on with silence, and says so until
    // it is back.
    connect(bridge, &SessionBridge::MicrophoneStateChangedHere, this,
            [this](capture::MicrophoneState state) {
                microphoneNote = state == capture::MicrophoneState::Lost
                                     ? tr("Microphone lost: recording silence")
                                     : QString();
                UpdateStatusLine();
            });
    connect(bridge, &SessionBridge::RecordingStartedHere, recordingPanel,
            &RecordingPanel::OnRecordingStarted);
    connect(bridge, &SessionBridge::RecordingNotStartedHere, recordingPanel,
            &RecordingPanel::OnRecordingNotStarted);
    connect(bridge, &SessionBridge::RecordingFailedHere, recordingPanel,
            &RecordingPanel::OnRecordingFailed);
    connect(bridge, &SessionBridge::SnapshotSavedHere, recordingPanel,
            &RecordingPanel::OnSnapshotSaved);
    connect(bridge, &SessionBridge::SnapshotFailedHere, recordingPanel,
            &RecordingPanel::OnSnapshotFailed);
    connect(bridge, &SessionBridge::RoadFailedHere, recordingPanel, &RecordingPanel::OnRoadFailed);
    connect(bridge, &SessionBridge::RepairFinishedHere, recordingPanel,
            &RecordingPanel::ShowRepairResult);
    connect(bridge, &SessionBridge::SelectionChangedHere, effectsPanel,
            &EffectsPanel::OnSelectionChanged);
    connect(bridge, &SessionBridge::EffectEndedHere, effectsPanel, &EffectsPanel::OnEffectEnded);
}

QString CMainDialog::ShownStatus() const {
    return !cameraNote.isEmpty()      ? cameraNote
           : !microphoneNote.isEmpty() ? microphoneNote
           : !controlsNote.isEmpty()   ? controlsNote
                                       : statusText;
}

CPictureDialog* CMainDialog::PictureDialog() const { return pictureDialog; }

void CMainDialog::ShowPictureDialog() {
    // Asked for from the modal camera chooser, the dialog stands over the chooser, so it takes
    // input while the chooser is open.
    QWidget* owner = sourceDialog ? static_cast<QWidget*>(sourceDialog.data()) : this;
    if (pictureDialog && pictureDialog->parentWidget() != owner)
        pictureDialog->setParent(owner, pictureDialog->windowFlags());
    if (!pictureDialog) {
        pictureDialog = new CPictureDialog(owner);
        pictureDialog->setAttribute(Qt::WA_DeleteOnClose);
        // What the user sets is applied whenever that camera opens again, and kept in the file.
        connect(pictureDialog, &CPictureDialog::SettingsChanged, this,
                [this](const std::string& id, const capture::ControlSettings& kept) {
                    session->KeepCameraControls(id, kept);
                    settings->SetCameraControls(id, kept);
                });
        // Reset leaves the camera at its own defaults: nothing is applied when it opens again
        // and the keys written for it leave its section.
        connect(pictureDialog, &CPictureDialog::SettingsReset, this, [this](const std::string& id) {
            session->KeepCameraControls(id, {});
            settings->ForgetCameraControls(id);
        });
        pictureDialog->SetControls(session->Controls(), session->CurrentCamera());
    }
    pictureDialog->show();
    pictureDialog->raise();
    pictureDialog->activateWindow();
}

void CMainDialog::SelectWebcamSource() {
    deviceList.Refresh(session->Cameras());
    if (deviceList.IsEmpty()) {
        ShowUserMessage(tr("There is no Webcam connected to your PC!"));
        return;
    }
    // The road goes on with the current camera while the dialog is open, and the dialog's lines
    // follow the cameras plugged in and out meanwhile.
    CSourceDialog dialog(deviceList, skinFolder, this);
    dialog.SetRecordingSize(session->Road());
    // A recording keeps the size it started with.
    dialog.SizeBox()->setEnabled(!session->IsRecording());
    // The microphone line picked is heard at once, so the meter shows whether it hears the
    // user; Cancel goes back to the microphone of before.
    const std::string microphoneBefore = session->MicrophoneSetting();
    std::vector<CSourceDialog::MicrophoneLine> microphones;
    const studio::StudioSession::MicrophoneList listed = session->Microphones();
    for (const auto& line : listed.lines) microphones.push_back({line.id, line.name});
    dialog.SetMicrophones(microphones, listed.inUse);
    dialog.SetLevelSource([this] { return session->MicrophoneLevel(); });
    connect(&dialog, &CSourceDialog::MicrophoneChanged, this,
            [this](const std::string& setting) { session->UseMicrophone(setting); });
    connect(&dialog, &CSourceDialog::PictureRequested, this, &CMainDialog::ShowPictureDialog);
    sourceDialog = &dialog;
    const int result = dialog.DoModal();
    sourceDialog = nullptr;
    if (result != QDialog::Accepted) {
        if (session->MicrophoneSetting() != microphoneBefore) session->UseMicrophone(microphoneBefore);
        return;
    }
    settings->SetMicrophone(dialog.MicrophoneSetting());
    if (dialog.MicrophoneSetting() != session->MicrophoneSetting())
        session->UseMicrophone(dialog.MicrophoneSetting());
    if (!session->IsRecording() && !(dialog.ChosenRoad() == session->Road())) {
        settings->SetRoad(dialog.ChosenRoad());
        session->SetRecordingSize(dialog.ChosenRoad());
    }
    const int selection = dialog.Selection();
    if (selection < 0 || selection >= deviceList.Count()) return;
    session->ChooseCamera(deviceList[selection].id);
}

}  // namespace app

// The microphone: the capture that the "Microphone" setting chooses, what the status line says
// about it, and the keeping of the choice made in the camera dialog.

#include "app/CIniFile.h"
#include "app/CMainDialog.h"
#include "app/Settings.h"

namespace app {

void CMainDialog::StartMicrophone() {
    const QString setting =
        CIniFile(settingsFile)
            .ReadString(QString::fromLatin1(kSettingsSection), QString::fromLatin1(kMicrophoneKey),
                        {});
    UseMicrophone(setting.toStdString());
}

void CMainDialog::UseMicrophone(const std::string& setting) {
    microphoneSetting = setting;
    if (!microphone) microphone = std::make_unique<capture::AudioCapture>();
    microphone->Start(setting, [this](capture::MicrophoneState state) {
        windowCalls->Post([this, state] {
                // A microphone that goes away leaves the recording to go on with silence, and
                // says so until it is back.
                microphoneNote = state == capture::MicrophoneState::Lost
                                     ? QStringLiteral("Microphone lost: recording silence")
                                     : QString();
                SetCameraNote(cameraNote);  // repaints the status line
            });
    });
}

void CMainDialog::ChooseMicrophone(const std::string& setting) {
    CIniFile(settingsFile)
        .WriteString(QString::fromLatin1(kSettingsSection), QString::fromLatin1(kMicrophoneKey),
                     QString::fromStdString(setting));
    if (setting != microphoneSetting) UseMicrophone(setting);
}

capture::SoundFeed* CMainDialog::SoundForRecording() const {
    // Without a microphone the recording is silent, exactly as one with "None".
    return microphone && microphone->State() != capture::MicrophoneState::None ? microphone.get()
                                                                                : nullptr;
}

}  // namespace app

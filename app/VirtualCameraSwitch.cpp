#include "app/VirtualCameraSwitch.h"

#include <QMenu>

#include "app/CMainDialog.h"
#include "controls/CHoverButton.h"
#include "studio/StudioSession.h"

namespace app {

VirtualCameraSwitch::VirtualCameraSwitch(CMainDialog& window, studio::StudioSession& session,
                                         ProgramSettings& settings)
    : QObject(&window), window(window), session(session), settings(settings) {
    if (controls::CHoverButton* button = window.Button(kVirtualCamera)) {
        button->SetTooltipText(tr("Virtual camera: other programs can show this picture"), true);
        connect(button, &controls::CHoverButton::clicked, this, [this] { SetOn(!IsOn()); });
    }
}

void VirtualCameraSwitch::Start() {
    ShowSwitch();
    if (IsOn()) session.SetVirtualCamera(true);
}

bool VirtualCameraSwitch::IsOn() const { return settings.VirtualCamera(); }

void VirtualCameraSwitch::SetOn(bool on) {
    // A file that cannot be written keeps the choice for this run only.
    settings.SetVirtualCamera(on);
    ShowSwitch();
    session.SetVirtualCamera(on);
}

void VirtualCameraSwitch::AddTo(QMenu& menu) {
    QAction* action = menu.addAction(tr("Virtual camera"));
    action->setCheckable(true);
    action->setChecked(IsOn());
    connect(action, &QAction::toggled, this, &VirtualCameraSwitch::SetOn);
}

QString VirtualCameraSwitch::StatusText(const capture::VirtualCameraStatus& status) {
    using State = capture::VirtualCameraStatus::State;
    switch (status.state) {
        case State::Off: return tr("Virtual camera off");
        case State::NeedsPipeWire: return tr("The virtual camera needs PipeWire, which is not running");
        case State::On:
            return status.readers == 0
                       ? tr("Virtual camera on")
                       : tr("Virtual camera on (programs watching: %1)").arg(status.readers);
    }
    return {};
}

void VirtualCameraSwitch::OnChanged(const capture::VirtualCameraStatus& status) {
    window.SetStatusText(StatusText(status));
}

void VirtualCameraSwitch::ShowSwitch() {
    if (controls::CHoverButton* button = window.Button(kVirtualCamera)) button->SetActive(IsOn());
    if (IsOn()) {
        window.SetButtonPictures(kVirtualCamera, "vcam_click.bmp", "vcam_click.bmp", "vcam_click.bmp");
    } else {
        window.SetButtonPictures(kVirtualCamera, "vcam_normal.bmp", "vcam_hover.bmp", "vcam_click.bmp");
    }
}

}  // namespace app

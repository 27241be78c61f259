#pragma once

#include <QObject>
#include <QString>

#include "capture/VirtualCamera.h"

class QMenu;

namespace studio {
class StudioSession;
}

namespace app {

class CMainDialog;
class ProgramSettings;

// The virtual camera as the window offers it: a checkable entry of the right-click menu and a
// button in the studio's top band switch it, the settings file keeps the choice, and the status
// line says when it starts, how many programs are watching, and when it cannot run without
// PipeWire. The session does the work.
class VirtualCameraSwitch : public QObject {
    Q_OBJECT

public:
    VirtualCameraSwitch(CMainDialog& window, studio::StudioSession& session, ProgramSettings& settings);

    // Switches the camera on if the settings file says so; after the session has started.
    void Start();
    // Whether the user has switched it on (it may still wait for PipeWire).
    bool IsOn() const;
    // Switches it and keeps the choice.
    void SetOn(bool on);
    // Adds the checkable "Virtual camera" entry to `menu`.
    void AddTo(QMenu& menu);
    // What the status line says about `status`.
    static QString StatusText(const capture::VirtualCameraStatus& status);

public slots:
    void OnChanged(const capture::VirtualCameraStatus& status);

private:
    // The band button looks pressed while the camera is switched on.
    void ShowSwitch();

    CMainDialog& window;
    studio::StudioSession& session;
    ProgramSettings& settings;
};

}  // namespace app

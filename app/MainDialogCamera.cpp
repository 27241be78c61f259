#include <memory>

#include "app/CMainDialog.h"
#include "app/UserMessages.h"
#include "capture/CCaptureDevice.h"
#include "capture/CSourceDialog.h"

namespace app {

void CMainDialog::RefreshDeviceList() {
    if (deviceNameSource)
        deviceList.Refresh(deviceNameSource());
    else
        deviceList.Refresh();
}

void CMainDialog::SetDeviceNameSource(std::function<std::vector<std::string>()> source) {
    deviceNameSource = std::move(source);
}

bool CMainDialog::OpenCamera(int position) {
    // The old camera goes first: a camera cannot be opened twice, and choosing the open one
    // again must reopen it. The swap waits for a grab in progress on the worker.
    framePipeline.ReplaceDevice(nullptr);
    auto device = std::make_unique<capture::CCaptureDevice>();
    bool opened = device->OpenDevice(position, capture::FramePipeline::kOutputWidth,
                                     capture::FramePipeline::kOutputHeight);
    const bool delivers = opened && device->QueryFrame() != nullptr;
    // The device becomes current even when it failed; it then yields no frames until another
    // camera is opened.
    framePipeline.ReplaceDevice(std::move(device));
    if (!opened) {
        ShowUserMessage(QStringLiteral("Fail to open the webcam!"));
        return false;
    }
    if (!delivers) {
        ShowUserMessage(QStringLiteral("This webcam is occupied, please select another one"));
        return false;
    }
    currentDevice = position;
    return true;
}

void CMainDialog::SelectWebcamSource() {
    RefreshDeviceList();
    if (deviceList.IsEmpty()) {
        ShowUserMessage(QStringLiteral("There is no Webcam connected to your PC!"));
        return;
    }
    // The capture worker goes on with the current camera while the dialog is open.
    capture::CSourceDialog dialog(deviceList, skinFolder, this);
    if (dialog.DoModal() != QDialog::Accepted) return;
    const int selection = dialog.Selection();
    if (selection < 0 || selection >= deviceList.Count()) return;
    if (OpenCamera(deviceList[selection].position)) return;
    // The chosen camera failed (its message has been shown): the previous one comes back.
    if (currentDevice >= 0) OpenCamera(currentDevice);
}

}  // namespace app

#include <memory>

#include "app/CMainDialog.h"
#include "app/UserMessages.h"
#include "capture/CCaptureDevice.h"

namespace app {

void CMainDialog::RefreshDeviceList() {
    deviceList.Refresh();
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

}  // namespace app

#include "capture/DeviceList.h"

#include "capture/CCaptureDevice.h"

namespace capture {

bool DeviceList::IsHiddenName(std::string_view name) {
    for (std::string_view hidden : {"Virtual", "virtual", "Zelkorvan", "ManyCam", "VCam", "Test"}) {
        if (name.find(hidden) != std::string_view::npos) return true;
    }
    return false;
}

void DeviceList::Refresh() { Refresh(CCaptureDevice::ListDeviceNames()); }

void DeviceList::Refresh(const std::vector<std::string>& names) {
    count_ = 0;
    for (int position = 0; position < static_cast<int>(names.size()); ++position) {
        if (count_ == kCapacity) break;
        std::string name = names[position];
        if (name.empty()) name = "Camera " + std::to_string(position + 1);
        if (IsHiddenName(name)) continue;
        entries_[count_++] = Entry{std::move(name), position};
    }
}

}  // namespace capture

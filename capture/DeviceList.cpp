#include "capture/DeviceList.h"

namespace capture {

bool DeviceList::IsHiddenName(std::string_view name) {
    for (std::string_view hidden : {"Virtual", "virtual", "Zelkorvan", "ManyCam", "VCam", "Test"}) {
        if (name.find(hidden) != std::string_view::npos) return true;
    }
    return false;
}

void DeviceList::Refresh(const std::vector<CameraDescription>& cameras) {
    count_ = 0;
    for (int position = 0; position < static_cast<int>(cameras.size()); ++position) {
        if (count_ == kCapacity) break;
        std::string name = cameras[position].name;
        if (name.empty()) name = "Camera " + std::to_string(position + 1);
        if (IsHiddenName(name)) continue;
        entries_[count_++] = Entry{std::move(name), position, cameras[position].id};
    }
}

int DeviceList::IndexOf(const std::string& id) const {
    for (int index = 0; index < count_; ++index)
        if (entries_[index].id == id) return index;
    return -1;
}

}  // namespace capture

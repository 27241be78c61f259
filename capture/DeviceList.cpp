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

std::vector<MergedSource> MergeProviderLists(const std::vector<ListedSource>& sources,
                                             bool pipeWireRunning) {
    // The provider whose row stands for a camera listed twice.
    const CameraProvider preferred = pipeWireRunning ? CameraProvider::PipeWire : CameraProvider::V4l2;
    const CameraProvider other = pipeWireRunning ? CameraProvider::V4l2 : CameraProvider::PipeWire;
    auto twinOf = [&](std::size_t index, CameraProvider provider) -> const ListedSource* {
        const ListedSource& source = sources[index];
        if (source.hardwarePath.empty()) return nullptr;
        for (const ListedSource& candidate : sources)
            if (candidate.provider == provider && candidate.hardwarePath == source.hardwarePath)
                return &candidate;
        return nullptr;
    };
    std::vector<MergedSource> merged;
    for (std::size_t index = 0; index < sources.size(); ++index) {
        const ListedSource& source = sources[index];
        if (source.provider == CameraProvider::PipeWire && !pipeWireRunning) continue;
        if (source.provider == other && twinOf(index, preferred)) continue;
        MergedSource row{index, {}};
        if (source.provider == preferred)
            if (const ListedSource* twin = twinOf(index, other))
                row.aliases.push_back(twin->description.id);
        merged.push_back(std::move(row));
    }
    return merged;
}

int DeviceList::IndexOf(const std::string& id) const {
    for (int index = 0; index < count_; ++index)
        if (entries_[index].id == id) return index;
    return -1;
}

}  // namespace capture

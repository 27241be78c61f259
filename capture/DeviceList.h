#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace capture {

// A camera as it is listed: its identity, which stays the same across plugging and restarts
// (see CameraIdentity), and its display name.
struct CameraDescription {
    std::string id;
    std::string name;
    bool operator==(const CameraDescription&) const = default;
};

// Which device provider listed a video source.
enum class CameraProvider { Other, V4l2, PipeWire };

// What the device monitor says of one video source, as far as the merging of the providers'
// lists needs it. `hardwarePath` is the V4L2 node behind the source (for example /dev/video0)
// where the provider names one: a V4L2 device's own node, or the node a PipeWire camera reads.
struct ListedSource {
    CameraDescription description;
    CameraProvider provider = CameraProvider::Other;
    std::string hardwarePath;
};

// One row of the merged list: the source at `index` of the providers' list, and the identities
// of the sources it stands for besides its own (the same camera as the other provider lists it),
// so that a camera remembered under either identity is found again.
struct MergedSource {
    std::size_t index = 0;
    std::vector<std::string> aliases;
    bool operator==(const MergedSource&) const = default;
};

// One camera, one row. A camera that both the V4L2 and the PipeWire providers list (the same V4L2
// node behind both) is kept once: the PipeWire row while `pipeWireRunning`, the V4L2 row
// otherwise. Without a running PipeWire daemon its rows are left out altogether, as a daemon that
// went away leaves them behind. The order of the rows kept is the input's.
std::vector<MergedSource> MergeProviderLists(const std::vector<ListedSource>& sources,
                                             bool pipeWireRunning);

// The cameras offered to the user: every source whose name passes the filter that hides
// virtual cameras and test devices, each with its position in the source enumeration and its
// identity.
class DeviceList {
public:
    static constexpr int kCapacity = 20;

    struct Entry {
        std::string name;
        int position = -1;
        std::string id;
    };

    // A plain, case-sensitive substring test against the names of virtual and test devices.
    static bool IsHiddenName(std::string_view name);

    // Rebuilds the list from `cameras`, indexed by enumeration position. An empty name (one that
    // could not be read) is shown as "Camera N", N counting from 1. At most kCapacity entries
    // are kept; later sources are left out.
    void Refresh(const std::vector<CameraDescription>& cameras);

    int Count() const { return count_; }
    bool IsEmpty() const { return count_ == 0; }
    const Entry& operator[](int index) const { return entries_[index]; }
    // The line of the camera `id`, or -1 when it is not listed.
    int IndexOf(const std::string& id) const;

private:
    std::array<Entry, kCapacity> entries_;
    int count_ = 0;
};

}  // namespace capture

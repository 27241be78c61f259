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

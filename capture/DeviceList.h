#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace capture {

// The cameras offered to the user: every source whose name passes the filter that hides
// virtual cameras and test devices, each with its position in the source enumeration.
class DeviceList {
public:
    static constexpr int kCapacity = 20;

    struct Entry {
        std::string name;
        int position = -1;
    };

    // A plain, case-sensitive substring test against the names of virtual and test devices.
    static bool IsHiddenName(std::string_view name);

    // Rebuilds the list from the current source enumeration.
    void Refresh();
    // Rebuilds the list from `names`, indexed by enumeration position. An empty name (one that
    // could not be read) is shown as "Camera N", N counting from 1. At most kCapacity entries
    // are kept; later sources are left out.
    void Refresh(const std::vector<std::string>& names);

    int Count() const { return count_; }
    bool IsEmpty() const { return count_ == 0; }
    const Entry& operator[](int index) const { return entries_[index]; }

private:
    std::array<Entry, kCapacity> entries_;
    int count_ = 0;
};

}  // namespace capture

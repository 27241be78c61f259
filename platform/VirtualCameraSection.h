#pragma once

#include <semaphore.h>

#include <cstddef>
#include <string>

namespace platform {

// The shared-memory section a virtual camera driver may read frames from, and its event.
// The section is opened when it exists and created otherwise; this program never writes to it.
class VirtualCameraSection {
public:
    static constexpr const char* kSectionName = "/VCAMBUFFER";
    static constexpr const char* kEventName = "/VCAMBUFFEREVENT";
    static constexpr size_t kSectionSize = 640 * 480 * 3;
    static constexpr size_t kViewSize = 320 * 240 * 3;

    VirtualCameraSection() = default;
    ~VirtualCameraSection();
    VirtualCameraSection(const VirtualCameraSection&) = delete;
    VirtualCameraSection& operator=(const VirtualCameraSection&) = delete;

    // Opens or creates the section, maps its first kViewSize bytes and opens or creates the
    // event. On failure prints "Could not map view of file (errno)." to standard output and
    // returns false; the caller carries on without it.
    bool Open();

    const void* View() const { return view_; }
    bool HasEvent() const { return event_ != SEM_FAILED; }

private:
    int fd_ = -1;
    void* view_ = nullptr;
    sem_t* event_ = SEM_FAILED;
};

}  // namespace platform

#include "platform/VirtualCameraSection.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace platform {

VirtualCameraSection::~VirtualCameraSection() {
    if (event_ != SEM_FAILED) sem_close(event_);
    if (view_) munmap(view_, kViewSize);
    if (fd_ >= 0) close(fd_);
}

bool VirtualCameraSection::Open() {
    fd_ = shm_open(kSectionName, O_RDWR, 0);
    if (fd_ < 0 && errno == ENOENT) {
        // O_EXCL so that a section another process makes meanwhile is not resized under it.
        fd_ = shm_open(kSectionName, O_RDWR | O_CREAT | O_EXCL, 0600);
        if (fd_ >= 0 && ftruncate(fd_, kSectionSize) != 0) {
            close(fd_);
            fd_ = -1;
        }
        if (fd_ < 0 && errno == EEXIST) fd_ = shm_open(kSectionName, O_RDWR, 0);
    }
    void* view = MAP_FAILED;
    if (fd_ >= 0) view = mmap(nullptr, kViewSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd_, 0);
    if (view == MAP_FAILED) {
        std::printf("Could not map view of file (%d).\n", errno);
        std::fflush(stdout);
        return false;
    }
    view_ = view;
    event_ = sem_open(kEventName, O_CREAT, 0600, 1);
    return true;
}

}  // namespace platform

#pragma once

extern "C" {
#include <libavformat/avio.h>
}

#include <memory>

namespace recording {

// A muxer's byte stream over the descriptor of a file the program created itself (see
// OpenNewFile), so the file is made exclusively (never an existing file, never through a link)
// and written nowhere else. For as long as it is open the file carries a write lock of its open
// file description, which other processes (and network file systems) respect: crash repair in
// another instance sees that the file is still being written and leaves it alone.
class FileOutput {
public:
    static constexpr int kBufferBytes = 64 * 1024;

    // Takes `fd`; null when memory runs out (the descriptor is closed then).
    static std::unique_ptr<FileOutput> Make(int fd);
    ~FileOutput();
    FileOutput(const FileOutput&) = delete;
    FileOutput& operator=(const FileOutput&) = delete;

    // For AVFormatContext::pb; it stays this object's.
    AVIOContext* Context() const { return context_; }

    // Writes what is buffered (with `sync`, through to the disk) and closes the file: 0, or a
    // negative FFmpeg error code.
    int Close(bool sync = false);

private:
    explicit FileOutput(int fd) : fd_(fd) {}

    int fd_;
    AVIOContext* context_ = nullptr;
};

}  // namespace recording

#include "recording/FileOutput.h"

#include <fcntl.h>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/mem.h>
}

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace recording {
namespace {

#if LIBAVFORMAT_VERSION_MAJOR >= 61
int Write(void* opaque, const uint8_t* data, int size) {
#else
int Write(void* opaque, uint8_t* data, int size) {
#endif
    const int fd = *static_cast<int*>(opaque);
    int done = 0;
    while (done < size) {
        const ssize_t written = write(fd, data + done, static_cast<std::size_t>(size - done));
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return AVERROR(errno);
        if (written == 0) return AVERROR(EIO);
        done += static_cast<int>(written);
    }
    return done;
}

int64_t Seek(void* opaque, int64_t offset, int whence) {
    const int fd = *static_cast<int*>(opaque);
    if (whence & AVSEEK_SIZE) {
        struct stat info {};
        return fstat(fd, &info) == 0 ? static_cast<int64_t>(info.st_size) : AVERROR(errno);
    }
    const off_t position = lseek(fd, offset, whence & ~AVSEEK_FORCE);
    return position < 0 ? AVERROR(errno) : static_cast<int64_t>(position);
}

}  // namespace

std::unique_ptr<FileOutput> FileOutput::Make(int fd) {
    // A file system without locks still records; only the protection from repair is lost.
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    fcntl(fd, F_OFD_SETLK, &lock);
    auto output = std::unique_ptr<FileOutput>(new FileOutput(fd));
    auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferBytes));
    if (!buffer) return nullptr;
    output->context_ =
        avio_alloc_context(buffer, kBufferBytes, 1, &output->fd_, nullptr, &Write, &Seek);
    if (!output->context_) {
        av_free(buffer);
        return nullptr;
    }
    return output;
}

FileOutput::~FileOutput() {
    Close();
}

int FileOutput::Close(bool sync) {
    int result = 0;
    if (context_) {
        avio_flush(context_);
        result = context_->error;
        av_freep(&context_->buffer);
        avio_context_free(&context_);
    }
    if (fd_ >= 0) {
        if (sync && fsync(fd_) != 0 && result == 0) result = AVERROR(errno);
        if (close(fd_) != 0 && result == 0) result = AVERROR(errno);
        fd_ = -1;
    }
    return result;
}

}  // namespace recording

#include "recording/Snapshot.h"

#include <unistd.h>

#include <opencv2/imgcodecs.hpp>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/UserText.h"
#include "recording/OutputNames.h"

namespace recording {

namespace {

bool WriteAll(int fd, const std::vector<uchar>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

std::optional<std::string> SaveSnapshot(const cv::Mat& picture, const std::string& path,
                                        std::string& errorText) {
    std::vector<uchar> jpeg;
    bool encoded = false;
    try {
        encoded = cv::imencode(".jpg", picture, jpeg);
    } catch (const cv::Exception&) {
        encoded = false;
    }
    if (!encoded) {
        errorText = platform::UserText(
            "Recording", QT_TRANSLATE_NOOP("Recording", "Could not save the snapshot \"%1\": the picture could not be encoded."),
            {path});
        return std::nullopt;
    }
    // The file is new, so a snapshot never replaces another (or writes through a link); the
    // bytes are complete before the name is claimed, so a failed write leaves no part file.
    std::string writeError;
    const std::optional<std::string> created =
        CreateUnderFreeName(path, [&](const std::string& candidate) {
            const int fd = OpenNewFile(candidate);
            if (fd < 0) return false;
            const bool written = WriteAll(fd, jpeg);
            const int error = errno;
            if (close(fd) != 0 || !written) {
                writeError = std::strerror(written ? errno : error);
                unlink(candidate.c_str());
            }
            return true;
        });
    if (!created || !writeError.empty()) {
        errorText =
            writeError.empty()
                ? platform::UserText("Recording", QT_TRANSLATE_NOOP("Recording", "Could not save the snapshot \"%1\". Check that the "
                                                       "output folder exists and can be written "
                                                       "to."),
                                     {path})
                : platform::UserText("Recording", QT_TRANSLATE_NOOP("Recording", "Could not save the snapshot \"%1\" (%2). Check that "
                                                       "the output folder exists and can be "
                                                       "written to."),
                                     {path, writeError});
        return std::nullopt;
    }
    return created;
}

}  // namespace recording

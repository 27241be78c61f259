#include "recording/OutputNames.h"

#include <cstdio>

namespace recording {

std::string FormatFileStamp(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    const std::size_t length = std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H-%M-%S", &local);
    return std::string(stamp, length);
}

std::string RecordingFileName(std::time_t when) {
    return FormatFileStamp(when) + ".avi";
}

std::string SnapshotFileName(std::time_t when) {
    return FormatFileStamp(when) + ".jpg";
}

std::string FormatElapsedTime(int64_t seconds) {
    if (seconds < 0) seconds = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02d:%02d", static_cast<long long>(seconds / 3600),
                  static_cast<int>(seconds % 3600 / 60), static_cast<int>(seconds % 60));
    return text;
}

std::string ResolveOutputFolder(std::string_view folderText, std::string_view defaultFolder) {
    return std::string(folderText.empty() ? defaultFolder : folderText);
}

std::string OutputFilePath(std::string_view folder, std::string_view fileName) {
    std::string path(folder);
    if (path.empty() || path.back() != '/') path += '/';
    path += fileName;
    return path;
}

}  // namespace recording

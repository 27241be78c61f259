#include "recording/OutputNames.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>

#include "platform/UserText.h"

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

std::string ResolveOutputFolder(std::string_view folderText, std::string_view defaultFolder,
                                std::string_view homeFolder) {
    if (folderText.empty()) return std::string(defaultFolder);
    if (folderText.front() == '/' || homeFolder.empty()) return std::string(folderText);
    if (folderText == "~") return std::string(homeFolder);
    if (folderText.starts_with("~/")) folderText.remove_prefix(2);
    return OutputFilePath(homeFolder, folderText);
}

std::string MiBText(uint64_t bytes) {
    //: A size in mebibytes (2^20 bytes)
    return platform::UserText("Recording", QT_TRANSLATE_NOOP("Recording", "%1 MiB"),
                              {std::to_string(bytes >> 20)});
}

std::string OutputFilePath(std::string_view folder, std::string_view fileName) {
    std::string path(folder);
    if (path.empty() || path.back() != '/') path += '/';
    path += fileName;
    return path;
}

std::string NumberedFileName(std::string_view fileName, int number) {
    if (number < 2) return std::string(fileName);
    // The extension starts at the last dot of the name, unless the name starts there.
    std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot == 0) dot = fileName.size();
    return std::string(fileName.substr(0, dot)) + " (" + std::to_string(number) + ")" +
           std::string(fileName.substr(dot));
}

std::optional<std::string> CreateUnderFreeName(
    const std::string& path, const std::function<bool(const std::string& candidate)>& create) {
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string folder = path.substr(0, nameStart);
    const std::string name = path.substr(nameStart);
    for (int number = 1; number <= kMaxFileNumber; ++number) {
        const std::string candidate = folder + NumberedFileName(name, number);
        struct stat info {};
        if (lstat(candidate.c_str(), &info) == 0) continue;
        if (create(candidate)) return candidate;
        // Taken between the look and the creation: on to the next number. Any other failure
        // is the caller's to report.
        if (lstat(candidate.c_str(), &info) != 0) return std::nullopt;
    }
    return std::nullopt;
}

int OpenNewFile(const std::string& path) {
    // O_EXCL with O_CREAT fails on any existing entry, symbolic links included, and
    // O_NOFOLLOW says so once more for readers of this line.
    return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
}

}  // namespace recording

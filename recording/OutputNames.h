#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace recording {

// "%Y-%m-%d %H-%M-%S" of the local time `when`, for example "2010-05-17 14-03-09".
std::string FormatFileStamp(std::time_t when);
// The stamp followed by ".avi".
std::string RecordingFileName(std::time_t when);
// The stamp followed by ".jpg".
std::string SnapshotFileName(std::time_t when);

// The elapsed-time display: "%02d:%02d:%02d" of hours, minutes and seconds; hours grow to three
// digits and more ("100:00:00"). Negative counts show as "00:00:00".
std::string FormatElapsedTime(int64_t seconds);

// The folder recordings and snapshots go to, from the text of the folder setting: `defaultFolder`
// when the text is empty (an empty folder would put the files into the root of the file system);
// `homeFolder` for "~", and in place of the "~" of "~/..."; a relative path is taken inside
// `homeFolder`, never inside whatever folder the program was started from.
std::string ResolveOutputFolder(std::string_view folderText, std::string_view defaultFolder,
                                std::string_view homeFolder);
// A size for the user, in whole mebibytes: "512 MiB".
std::string MiBText(uint64_t bytes);
// `folder` + "/" + `fileName`, without doubling a slash the folder already ends with.
std::string OutputFilePath(std::string_view folder, std::string_view fileName);

// `fileName` with " (number)" before its extension when `number` is 2 or more:
// ("a.avi", 1) gives "a.avi", ("a.avi", 3) gives "a (3).avi".
std::string NumberedFileName(std::string_view fileName, int number);

// Creates a new file for `path` without ever touching one that exists: `create` is called with
// `path` and, while the name it was given turns out to be taken, with its numbered names
// "name (2).ext", "name (3).ext" and so on. `create` must make the file exclusively (see
// OpenNewFile), so that a name taken between the look and the creation, or a planted symbolic
// link, fails instead of being written through. Returns the path `create` succeeded with, or
// nothing when it failed for another reason (or every numbered name up to kMaxFileNumber was
// taken).
inline constexpr int kMaxFileNumber = 9999;
std::optional<std::string> CreateUnderFreeName(
    const std::string& path, const std::function<bool(const std::string& candidate)>& create);

// Opens a new file for writing, failing with errno EEXIST when anything (a file, a folder, a
// symbolic link, even a dangling one) stands at `path`. -1 on failure, with errno set.
int OpenNewFile(const std::string& path);

}  // namespace recording

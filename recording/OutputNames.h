#pragma once

#include <cstdint>
#include <ctime>
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

// The folder recordings and snapshots go to: the text of the folder setting, or `defaultFolder`
// when that text is empty (an empty folder would put the files into the root of the file system).
std::string ResolveOutputFolder(std::string_view folderText, std::string_view defaultFolder);
// `folder` + "/" + `fileName`, without doubling a slash the folder already ends with.
std::string OutputFilePath(std::string_view folder, std::string_view fileName);

}  // namespace recording

#pragma once

#include <opencv2/core.hpp>

#include <optional>
#include <string>

namespace recording {

// Writes `picture` (a copy of the frame road's output frame, of the recording size: 320 x 240 in
// classic, else the studio frame with its effects) as a new JPEG file at `path`, with the JPEG writer's default quality. When the
// name is taken, the snapshot gets the first free numbered name ("name (2).jpg", ...) instead;
// an existing file is never touched. Returns the path written, or nothing with a message for the
// user in `errorText` when the file cannot be written (the folder is missing or not writable,
// for example).
std::optional<std::string> SaveSnapshot(const cv::Mat& picture, const std::string& path,
                                        std::string& errorText);

}  // namespace recording

#pragma once

#include <optional>
#include <string>

#include "capture/FrameRoad.h"

namespace recording {

// Writes a whole copy of the frame road's output frame (of the recording size: 320 x 240 in
// classic, else the studio frame with its effects; taken so the capture worker cannot tear it)
// as a new JPEG file at `path`, with the JPEG writer's default quality. When the
// name is taken, the snapshot gets the first free numbered name ("name (2).jpg", ...) instead;
// an existing file is never touched. Returns the path written, or nothing with a message for the
// user in `errorText` when the file cannot be written (the folder is missing or not writable,
// for example).
std::optional<std::string> SaveSnapshot(const capture::FrameRoad& frameRoad,
                                        const std::string& path, std::string& errorText);

}  // namespace recording

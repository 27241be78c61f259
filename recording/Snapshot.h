#pragma once

#include <string>

#include "capture/FramePipeline.h"

namespace recording {

// Writes a whole copy of the pipeline's output frame (320 x 240, taken so the capture worker
// cannot tear it) as a JPEG file at `path`, with the JPEG writer's default quality. Returns false
// with a message for the user in `errorText` when the file cannot be written (the folder is
// missing or not writable, for example).
bool SaveSnapshot(const capture::FramePipeline& pipeline, const std::string& path,
                  std::string& errorText);

}  // namespace recording

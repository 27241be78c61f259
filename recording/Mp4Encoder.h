#pragma once

#include <memory>

#include "recording/MMBoxEncoder.h"

namespace recording {

// Makes an encoder that writes a fragmented MP4 file: H.264 video (libx264, a key frame and a
// new fragment every second, no B-frames, so browsers and common players play it) and an AAC
// audio track. The file is playable up to its last complete fragment, so a recording that is
// cut off keeps all but its last second. Null when either encoder is missing.
std::unique_ptr<MMBoxInstance> CreateMp4Encoder();

}  // namespace recording

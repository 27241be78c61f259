#pragma once

namespace capture {

// The setting value that records no sound.
inline constexpr const char* kNoMicrophone = "None";

enum class MicrophoneState {
    None,  // no microphone is wanted, or none is plugged in
    Live,  // the microphone delivers sound
    Lost,  // the microphone went away; it is opened again when it is listed again
};

}  // namespace capture

#pragma once

#include <chrono>
#include <string>

typedef struct _GstCaps GstCaps;
typedef struct _GstElement GstElement;

namespace capture {

// The pattern sources beep and flash together: the pattern microphone plays a 1 kHz tone, and the
// pattern camera draws a white kPatternSquareSize square in its top-left corner, during the first
// kPatternBeep of every second of the monotonic clock (the clock GStreamer's system clock uses),
// and neither does anything of the kind otherwise. A recording of both shows any offset between
// sound and picture directly.
inline constexpr std::chrono::milliseconds kPatternBeep{100};
inline constexpr int kPatternToneHz = 1000;
inline constexpr int kPatternSquareSize = 40;

// Whether the moment `time` of the monotonic clock lies in a beep.
bool InPatternBeep(std::chrono::steady_clock::time_point time);

// The pattern microphone's caps: 16-bit stereo at 48 kHz.
GstCaps* PatternMicrophoneCaps();

// A new pattern microphone source: live 10 ms buffers of 48 kHz stereo, each stamped with the
// moment its first sample was captured, delivered when its last sample has been. With a
// `presenceFile`, it behaves like a microphone that is plugged in while that file exists: it fails
// to start without the file, and its stream fails with a read error when the file is removed.
GstElement* CreatePatternMicrophoneSource(const std::string& presenceFile);

}  // namespace capture

#pragma once

// GStreamer hands buffers from a source's streaming thread to the thread that pulls them through
// its own futex-based locks, which ThreadSanitizer cannot see. Where this program both makes a
// buffer (its pattern sources) and reads it (its sinks), the hand-off is marked, so that the
// buffer's contents are not taken for a race many times a second. Without ThreadSanitizer the
// marks are nothing.

#if defined(__SANITIZE_THREAD__)
#define QUENVALOR_MARK_HAND_OFFS 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define QUENVALOR_MARK_HAND_OFFS 1
#endif
#endif

#ifdef QUENVALOR_MARK_HAND_OFFS
#include <sanitizer/tsan_interface.h>
#endif

namespace capture {

// On the making thread, once the buffer is filled and before it is pushed.
inline void MarkBufferHandedOn([[maybe_unused]] const void* buffer) {
#ifdef QUENVALOR_MARK_HAND_OFFS
    __tsan_release(const_cast<void*>(buffer));
#endif
}

// On the pulling thread, before the buffer is read.
inline void MarkBufferTakenOver([[maybe_unused]] const void* buffer) {
#ifdef QUENVALOR_MARK_HAND_OFFS
    __tsan_acquire(const_cast<void*>(buffer));
#endif
}

}  // namespace capture

#pragma once

// GStreamer and GLib hand objects from one thread to another through their own futex-based locks,
// which ThreadSanitizer cannot see: a source element built on the program's thread and then run
// on a streaming thread, a buffer filled on a streaming thread and pulled on another, a device
// made on a provider's thread and opened on the program's. Where this program's own code sits on
// both sides of such a hand-over, the hand-over is marked here, so that ThreadSanitizer orders the
// two sides as GStreamer does and still reports every access the marks do not cover. Without
// ThreadSanitizer the marks are nothing.

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

// On the handing thread, once `object` is ready and before GStreamer passes it on.
inline void MarkHandedOver([[maybe_unused]] const void* object) {
#ifdef QUENVALOR_MARK_HAND_OFFS
    __tsan_release(const_cast<void*>(object));
#endif
}

// On the taking thread, before `object` is used.
inline void MarkTakenOver([[maybe_unused]] const void* object) {
#ifdef QUENVALOR_MARK_HAND_OFFS
    __tsan_acquire(const_cast<void*>(object));
#endif
}

// A callback GStreamer runs for one of the program's objects on whichever thread it chooses (a
// source's create, a pad probe, a bus handler): it takes the object over on entry and hands it
// back on return, as the element's stream and state locks do.
class HandedOverCall {
public:
    explicit HandedOverCall(const void* object) : object_(object) { MarkTakenOver(object_); }
    ~HandedOverCall() { MarkHandedOver(object_); }
    HandedOverCall(const HandedOverCall&) = delete;
    HandedOverCall& operator=(const HandedOverCall&) = delete;

private:
    const void* object_;
};

}  // namespace capture

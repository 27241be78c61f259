#pragma once

#include <functional>
#include <memory>

struct pw_thread_loop;
struct pw_context;
struct pw_core;
struct pw_loop;

namespace capture {

// A connection of the program's own to the PipeWire daemon, with a thread that runs its loop.
// Whoever uses it makes its objects on Core() before Run() and takes them down after Stop(), so
// no call needs the loop's lock; work for the loop's thread goes through Loop()'s invoke queue.
class PipeWireConnection {
public:
    // `lost` is called once, on the loop's thread, when the daemon hangs up.
    explicit PipeWireConnection(std::function<void()> lost);
    ~PipeWireConnection();
    PipeWireConnection(const PipeWireConnection&) = delete;
    PipeWireConnection& operator=(const PipeWireConnection&) = delete;

    // Connects to the daemon; false when none answers.
    bool Connect(const char* threadName);
    // Starts the loop's thread; false when it cannot run.
    bool Run();
    // Ends the loop's thread, if it runs.
    void Stop();

    pw_core* Core() const { return core_; }
    pw_loop* Loop() const;

    // The daemon's hang-up, from the core's error event.
    void HungUp();

private:
    std::function<void()> lost_;
    bool lostTold_ = false;
    pw_thread_loop* loop_ = nullptr;
    pw_context* context_ = nullptr;
    pw_core* core_ = nullptr;
    struct Hook;
    std::unique_ptr<Hook> hook_;
};

}  // namespace capture

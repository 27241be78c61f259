#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace platform {

// Runs the calls on the output folder (making it, checking its room, creating files, writing
// snapshots) one after another on a thread of its own, in the order they were posted, so that a
// folder on a stalled mount never holds up the thread that asked for them.
class FolderWorker {
public:
    // Given to each piece of work, for telling what it found: Deliver runs `tell` unless the
    // worker has been let go, and false when it has. A piece of work touches whoever posted it
    // only inside `tell`, so nothing it does outlives them.
    class Outlet {
    public:
        bool Deliver(const std::function<void()>& tell) const;

    private:
        friend class FolderWorker;
        struct State;
        explicit Outlet(std::shared_ptr<State> state) : state_(std::move(state)) {}
        std::shared_ptr<State> state_;
    };
    using Work = std::function<void(const Outlet&)>;

    FolderWorker();
    // Lets go without waiting.
    ~FolderWorker();
    FolderWorker(const FolderWorker&) = delete;
    FolderWorker& operator=(const FolderWorker&) = delete;

    // Queues `work`; ignored once the worker has been let go.
    void Post(Work work);
    // Waits at most `limit` until no work waits or runs; true when none does.
    bool WaitUntilIdle(std::chrono::milliseconds limit);
    // Waits at most `limit` for the work posted so far to end, then lets the thread go: work
    // that has not begun is dropped, and work still under way (stuck on a hung mount) finishes
    // on its own with nothing delivered. True when everything ended in time.
    bool LetGo(std::chrono::milliseconds limit);

private:
    std::shared_ptr<Outlet::State> state_;
};

}  // namespace platform

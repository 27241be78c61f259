#include "platform/FolderWorker.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace platform {

struct FolderWorker::Outlet::State {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Work> queue;
    bool busy = false;     // a piece of work is under way
    bool letGo = false;    // nothing is run or delivered any more
    std::thread thread;
};

bool FolderWorker::Outlet::Deliver(const std::function<void()>& tell) const {
    // Held while telling, so that LetGo cannot return while a delivery is under way.
    std::lock_guard lock(state_->mutex);
    if (state_->letGo) return false;
    tell();
    return true;
}

FolderWorker::FolderWorker() : state_(std::make_shared<Outlet::State>()) {
    // The thread owns a share of the state, so it may outlive this object (see LetGo).
    state_->thread = std::thread([state = state_] {
        const Outlet outlet(state);
        std::unique_lock lock(state->mutex);
        for (;;) {
            state->changed.wait(lock, [&] { return state->letGo || !state->queue.empty(); });
            if (state->letGo) return;
            Work work = std::move(state->queue.front());
            state->queue.pop_front();
            state->busy = true;
            lock.unlock();
            // Nothing thrown leaves the thread; each piece of work reports its own failures.
            try {
                work(outlet);
            } catch (...) {
            }
            work = nullptr;
            lock.lock();
            state->busy = false;
            state->changed.notify_all();
        }
    });
}

FolderWorker::~FolderWorker() { LetGo(std::chrono::milliseconds(0)); }

void FolderWorker::Post(Work work) {
    std::lock_guard lock(state_->mutex);
    if (state_->letGo) return;
    state_->queue.push_back(std::move(work));
    state_->changed.notify_all();
}

bool FolderWorker::WaitUntilIdle(std::chrono::milliseconds limit) {
    std::unique_lock lock(state_->mutex);
    return state_->changed.wait_for(lock, limit,
                                    [&] { return state_->queue.empty() && !state_->busy; });
}

bool FolderWorker::LetGo(std::chrono::milliseconds limit) {
    bool ended = false;
    {
        std::unique_lock lock(state_->mutex);
        if (state_->letGo) return !state_->busy;
        ended = state_->changed.wait_for(
            lock, limit, [&] { return state_->queue.empty() && !state_->busy; });
        state_->letGo = true;
        state_->queue.clear();
        state_->changed.notify_all();
    }
    // A thread stuck in a call on the folder is left to end by itself.
    if (ended)
        state_->thread.join();
    else
        state_->thread.detach();
    return ended;
}

}  // namespace platform

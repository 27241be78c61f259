#include "controls/CallQueue.h"

namespace controls {

void CallQueue::Post(std::function<void()> call) {
    {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    // By name, so that Qt makes and frees the queued event itself.
    QMetaObject::invokeMethod(this, "RunPosted", Qt::QueuedConnection);
}

void CallQueue::RunPosted() {
    std::deque<std::function<void()>> due;
    {
        std::lock_guard lock(mutex_);
        due.swap(calls_);
    }
    for (std::function<void()>& call : due) call();
}

}  // namespace controls

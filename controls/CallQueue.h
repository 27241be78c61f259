#pragma once

#include <QObject>

#include <deque>
#include <functional>
#include <mutex>

namespace controls {

// Runs calls posted from any thread on the thread this object lives on (the window's), in the
// order they were posted. The calls wait in a queue of its own under a standard mutex rather than
// as Qt's queued functors: what a call carries is then handed over through a lock that
// ThreadSanitizer sees, where Qt's event queue locks are invisible to it. Calls still waiting
// when the object is destroyed are dropped.
class CallQueue : public QObject {
    Q_OBJECT

public:
    explicit CallQueue(QObject* parent) : QObject(parent) {}

    void Post(std::function<void()> call);

private:
    Q_INVOKABLE void RunPosted();

    std::mutex mutex_;
    std::deque<std::function<void()>> calls_;
};

}  // namespace controls

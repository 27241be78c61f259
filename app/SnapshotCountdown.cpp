#include "app/SnapshotCountdown.h"

namespace app {

SnapshotCountdown::SnapshotCountdown(QObject* parent, int stepMs) : QObject(parent) {
    // The steps are what the user counts along with; a coarse timer would let them wobble.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(stepMs);
    connect(&timer_, &QTimer::timeout, this, &SnapshotCountdown::Step);
}

bool SnapshotCountdown::Start(int seconds) {
    if (IsRunning() || seconds <= 0) return false;
    remaining_ = seconds;
    timer_.start();
    emit Changed(remaining_);
    return true;
}

void SnapshotCountdown::Cancel() {
    if (!IsRunning()) return;
    timer_.stop();
    remaining_ = 0;
    emit Changed(0);
}

void SnapshotCountdown::Step() {
    --remaining_;
    emit Changed(remaining_);
    if (remaining_ > 0) return;
    timer_.stop();
    emit Finished();
}

}  // namespace app

#pragma once

#include <QObject>
#include <QTimer>

namespace app {

// The countdown before a delayed snapshot: Start(n) announces n at once, then n - 1, ... 1, one
// step per interval, and Finished() one interval after 1. While it runs, further starts are
// ignored, so pressing the snapshot key again does not restart or double it.
class SnapshotCountdown : public QObject {
    Q_OBJECT
public:
    static constexpr int kStepMs = 1000;

    explicit SnapshotCountdown(QObject* parent = nullptr, int stepMs = kStepMs);

    // Starts counting down from `seconds`; false (and nothing happens) when already running or
    // when `seconds` is not positive.
    bool Start(int seconds);
    // Stops without finishing; Remaining() becomes 0.
    void Cancel();
    bool IsRunning() const { return remaining_ > 0; }
    // The number on show; 0 when not counting.
    int Remaining() const { return remaining_; }

signals:
    // The number to show, each time it changes; 0 when the countdown ends or is cancelled.
    void Changed(int remaining);
    // The moment to take the picture.
    void Finished();

private:
    void Step();

    QTimer timer_;
    int remaining_ = 0;
};

}  // namespace app

#pragma once

#include <opencv2/core.hpp>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "capture/HandOff.h"

namespace capture {

// A picture of the hub's, shared with its consumers. OpenCV counts the shares inside its own
// library, where ThreadSanitizer cannot see the count fall; so each share marks its end as a
// hand-over, and the road marks taking the picture back (FrameHub::FreePicture). The road then
// writes a picture again only after every consumer's last read of it, as far as the checker can
// tell too.
struct HubPicture : cv::Mat {
    HubPicture() = default;
    HubPicture(const cv::Mat& picture) : cv::Mat(picture) {}  // NOLINT: a picture is one
    HubPicture(const HubPicture&) = default;
    HubPicture(HubPicture&&) = default;
    ~HubPicture() { EndShare(); }
    HubPicture& operator=(const HubPicture& other) {
        if (other.u != u) EndShare();
        cv::Mat::operator=(other);
        return *this;
    }
    HubPicture& operator=(HubPicture&& other) {
        if (other.u != u) EndShare();
        cv::Mat::operator=(std::move(other));
        return *this;
    }

private:
    void EndShare() const {
        if (u) MarkHandedOver(u);
    }
};

// A finished output frame as the road publishes it. The picture is shared by every consumer and
// never written again once published.
struct PublishedFrame {
    HubPicture picture;
    // When the camera picture in it was captured (monotonic clock); nothing for a placard or the
    // start-up black.
    std::optional<std::chrono::steady_clock::time_point> captured;
    uint64_t number = 0;  // counts up from 1 with every frame published
};

// Hands each finished output frame to any number of consumers (the recorders, and whoever else
// follows the road), each through a latest-frame slot of its own: a consumer that has not taken
// a frame when the next one comes loses it, and only it; the road never waits for a consumer.
// The last frame stays for whoever asks for it (a snapshot).
class FrameHub {
public:
    class Slot {
    public:
        // Waits up to `limit` for a frame newer than the last one taken. False when none came
        // or the wait was woken.
        bool Take(PublishedFrame& frame, std::chrono::milliseconds limit);
        // Ends a wait under way, or the next one, at once (a consumer told to stop).
        void Wake();
        // Frames published while this slot still held one not taken.
        uint64_t Dropped() const { return dropped_; }

    private:
        friend class FrameHub;
        void Offer(const PublishedFrame& frame);

        std::mutex mutex_;
        std::condition_variable changed_;
        std::optional<PublishedFrame> waiting_;
        bool woken_ = false;
        std::atomic<uint64_t> dropped_{0};
    };

    // A new slot that receives every frame published from now on.
    std::shared_ptr<Slot> Attach();
    void Detach(const std::shared_ptr<Slot>& slot);
    // Whether any slot is attached: a road need not make frames for a hub nobody follows.
    bool HasConsumers() const;

    // A picture of `size` to fill and publish: one no consumer holds any more, so no frame is
    // written after it was published.
    cv::Mat FreePicture(cv::Size size);
    void Publish(PublishedFrame frame);
    // The frame published last (the start-up picture until the first one).
    PublishedFrame Latest() const;

private:
    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<Slot>> slots_;
    PublishedFrame latest_;
    uint64_t published_ = 0;
    std::vector<cv::Mat> pictures_;  // every picture made, for reuse once only they hold it
};

}  // namespace capture

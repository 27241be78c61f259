#include "capture/FrameHub.h"

#include <algorithm>

namespace capture {

bool FrameHub::Slot::Take(PublishedFrame& frame, std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, limit, [this] { return woken_ || waiting_.has_value(); });
    if (woken_) {
        woken_ = false;
        return false;
    }
    if (!waiting_) return false;
    frame = std::move(*waiting_);
    waiting_.reset();
    return true;
}

void FrameHub::Slot::Wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    changed_.notify_all();
}

void FrameHub::Slot::Offer(const PublishedFrame& frame) {
    {
        std::lock_guard lock(mutex_);
        if (waiting_) ++dropped_;
        waiting_ = frame;
    }
    changed_.notify_all();
}

std::shared_ptr<FrameHub::Slot> FrameHub::Attach() {
    auto slot = std::make_shared<Slot>();
    std::lock_guard lock(mutex_);
    slots_.push_back(slot);
    return slot;
}

void FrameHub::Detach(const std::shared_ptr<Slot>& slot) {
    std::lock_guard lock(mutex_);
    slots_.erase(std::remove(slots_.begin(), slots_.end(), slot), slots_.end());
}

bool FrameHub::HasConsumers() const {
    std::lock_guard lock(mutex_);
    return !slots_.empty();
}

cv::Mat FrameHub::FreePicture(cv::Size size) {
    std::lock_guard lock(mutex_);
    // A picture held by the list alone is free: no slot, consumer or latest frame shares it. The
    // count is read atomically, as consumers drop their shares on their own threads; that also
    // orders their last reads before the road writes the picture again.
    for (cv::Mat& picture : pictures_) {
        if (picture.size() == size && picture.u && CV_XADD(&picture.u->refcount, 0) == 1) {
            MarkTakenOver(picture.u);
            return picture;
        }
    }
    // Pictures of another size (the road was switched) are let go.
    std::erase_if(pictures_, [size](const cv::Mat& picture) { return picture.size() != size; });
    pictures_.emplace_back(size, CV_8UC3);
    return pictures_.back();
}

void FrameHub::Publish(PublishedFrame frame) {
    std::vector<std::shared_ptr<Slot>> slots;
    {
        std::lock_guard lock(mutex_);
        frame.number = ++published_;
        latest_ = frame;
        slots = slots_;
    }
    for (const std::shared_ptr<Slot>& slot : slots) slot->Offer(frame);
}

PublishedFrame FrameHub::Latest() const {
    std::lock_guard lock(mutex_);
    return latest_;
}

}  // namespace capture

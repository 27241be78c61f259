#include "effects/FaceTracker.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>

namespace effects {
namespace {

cv::Point2d Centre(const cv::Rect2d& rect) {
    return {rect.x + rect.width / 2, rect.y + rect.height / 2};
}

double Distance(const cv::Rect2d& a, const cv::Rect2d& b) {
    const cv::Point2d d = Centre(a) - Centre(b);
    return std::hypot(d.x, d.y);
}

}  // namespace

std::string FaceTracker::FindCascade() {
    if (const char* configured = std::getenv("QUENVALOR_FACE_CASCADE"))
        return std::filesystem::is_regular_file(configured) ? configured : std::string();
    for (const char* folder : {"/usr/share/opencv4/haarcascades", "/usr/share/opencv/haarcascades"}) {
        const std::filesystem::path path =
            std::filesystem::path(folder) / "haarcascade_frontalface_default.xml";
        if (std::filesystem::is_regular_file(path)) return path.string();
    }
    return {};
}

FaceTracker::FaceTracker(const std::string& cascadePath, cv::Size frameSize)
    : frameSize_(frameSize) {
    try {
        available_ = !cascadePath.empty() && cascade_.load(cascadePath) && !cascade_.empty();
    } catch (const cv::Exception&) {
        available_ = false;  // a damaged cascade file
    }
    if (available_) worker_ = std::thread([this] { DetectLoop(); });
}

FaceTracker::~FaceTracker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable()) worker_.join();
}

void FaceTracker::Offer(const cv::Mat& frame, uint32_t nowMs) {
    if (!available_ || frame.empty() || frame.type() != CV_8UC3) return;
    {
        std::lock_guard lock(mutex_);
        if (busy_ || (offeredOnce_ && nowMs - lastOfferMs_ < kDetectionIntervalMs)) return;
        offeredOnce_ = true;
        lastOfferMs_ = nowMs;
        busy_ = true;
    }
    // The reduction happens here, outside the lock; the detector is idle until it is handed on.
    const double scale = static_cast<double>(kDetectionWidth) / frame.cols;
    cv::Mat small;
    cv::resize(frame, small, {}, scale, scale, cv::INTER_AREA);
    cv::Mat grey;
    cv::cvtColor(small, grey, cv::COLOR_BGR2GRAY);
    {
        std::lock_guard lock(mutex_);
        pending_ = grey;
    }
    wake_.notify_one();
}

void FaceTracker::DetectLoop() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
        if (stopping_) return;
        cv::Mat grey;
        std::swap(grey, pending_);
        lock.unlock();
        const std::vector<cv::Rect> found =
            Detect(grey, static_cast<double>(frameSize_.width) / grey.cols);
        lock.lock();
        detections_ = found;
        ++detectionCount_;
        busy_ = false;
    }
}

std::vector<cv::Rect> FaceTracker::Detect(const cv::Mat& grey, double scaleToFrame) {
    std::vector<cv::Rect> faces;
    try {
        // A face narrower than an eighth of the picture is too far from the camera to carry an
        // effect, and leaving the smaller scales out saves most of the detector's work. Five
        // neighbours keep the false finds of a busy background out.
        const int smallest = std::max(12, grey.cols / 8);
        cascade_.detectMultiScale(grey, faces, 1.1, 5, 0, {smallest, smallest});
    } catch (const cv::Exception&) {
        return {};
    }
    for (cv::Rect& face : faces) {
        face = cv::Rect(cvRound(face.x * scaleToFrame), cvRound(face.y * scaleToFrame),
                        cvRound(face.width * scaleToFrame), cvRound(face.height * scaleToFrame));
    }
    std::sort(faces.begin(), faces.end(),
              [](const cv::Rect& a, const cv::Rect& b) { return a.area() > b.area(); });
    return faces;
}

std::vector<cv::Rect> FaceTracker::DetectNow(const cv::Mat& frame) {
    if (!available_ || frame.empty()) return {};
    const double scale = std::min(1.0, static_cast<double>(2 * kDetectionWidth) / frame.cols);
    cv::Mat small;
    cv::resize(frame, small, {}, scale, scale, cv::INTER_AREA);
    cv::Mat grey;
    if (small.channels() == 1) {
        grey = small;
    } else {
        cv::cvtColor(small, grey, small.channels() == 4 ? cv::COLOR_BGRA2GRAY : cv::COLOR_BGR2GRAY);
    }
    return Detect(grey, 1.0 / scale);
}

std::vector<TrackedFace> FaceTracker::Step() {
    std::vector<cv::Rect> fresh;
    bool haveFresh = false;
    {
        std::lock_guard lock(mutex_);
        if (detectionCount_ != matchedCount_) {
            matchedCount_ = detectionCount_;
            fresh = detections_;
            haveFresh = true;
        }
    }
    if (haveFresh) Match(fresh);

    std::vector<TrackedFace> faces;
    faces.reserve(tracks_.size());
    for (Track& track : tracks_) {
        cv::Rect2d& rect = track.face.rect;
        const cv::Rect2d& target = track.target;
        // Position and size settle apart: a face that moves keeps its size, and the detector's
        // wobble of a few pixels in size does not rescale the effects on it.
        const double still = kStillness * rect.width;
        if (std::max(std::abs(target.x - rect.x), std::abs(target.y - rect.y)) > still) {
            rect.x += (target.x - rect.x) * kSmoothing;
            rect.y += (target.y - rect.y) * kSmoothing;
        }
        if (std::abs(target.width - rect.width) > 2 * still) {
            const double grow = (target.width - rect.width) * kSmoothing;
            const double growHeight = (target.height - rect.height) * kSmoothing;
            // Grows about its centre, so the centre stays where the position put it.
            rect.x -= grow / 2;
            rect.y -= growHeight / 2;
            rect.width += grow;
            rect.height += growHeight;
        }
        faces.push_back(track.face);
    }
    return faces;
}

void FaceTracker::Match(const std::vector<cv::Rect>& detections) {
    std::vector<bool> taken(detections.size(), false);
    for (Track& track : tracks_) {
        // The nearest detection not yet taken, when it is near enough to be the same face.
        double best = std::numeric_limits<double>::max();
        int chosen = -1;
        for (size_t i = 0; i < detections.size(); ++i) {
            if (taken[i]) continue;
            const double distance = Distance(track.face.rect, cv::Rect2d(detections[i]));
            if (distance < best) {
                best = distance;
                chosen = static_cast<int>(i);
            }
        }
        if (chosen >= 0 && best < track.face.rect.width) {
            taken[static_cast<size_t>(chosen)] = true;
            track.target = detections[static_cast<size_t>(chosen)];
            track.misses = 0;
        } else {
            ++track.misses;
        }
    }
    std::erase_if(tracks_, [](const Track& track) { return track.misses >= kMissesBeforeLost; });
    for (size_t i = 0; i < detections.size(); ++i) {
        if (taken[i]) continue;
        Track track;
        track.face = {nextId_++, cv::Rect2d(detections[i])};
        track.target = track.face.rect;
        tracks_.push_back(track);
    }
}

}  // namespace effects

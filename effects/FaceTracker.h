#pragma once

#include <opencv2/core.hpp>
#include <opencv2/objdetect.hpp>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "effects/FaceFollowing.h"

namespace effects {

// Finds frontal faces in the live picture and follows them smoothly.
//
// Detection runs on a thread of its own, on a reduced grey copy of the frame, a few times a
// second; the frame road hands frames over with Offer, which never waits. Step, once per pass,
// moves each followed face a part of the way toward its latest detection, so effects that follow
// neither jitter with the detector's small changes nor jump when it moves on.
class FaceTracker {
public:
    // Where the frontal-face cascade lies: QUENVALOR_FACE_CASCADE when it is set, else the
    // cascade of Debian's opencv-data package. Empty when there is none.
    static std::string FindCascade();

    // A tracker for frames of `frameSize`, with the cascade at `cascadePath`. One that cannot
    // load it is unavailable: Offer does nothing and there are never faces.
    FaceTracker(const std::string& cascadePath, cv::Size frameSize);
    ~FaceTracker();
    FaceTracker(const FaceTracker&) = delete;
    FaceTracker& operator=(const FaceTracker&) = delete;

    bool Available() const { return available_; }

    // Hands `frame` (BGR, the tracker's frame size) to the detector when it is idle and the
    // last detection is at least kDetectionIntervalMs old at `nowMs`; otherwise does nothing.
    void Offer(const cv::Mat& frame, uint32_t nowMs);
    // The followed faces after one more smoothing step.
    std::vector<TrackedFace> Step();

    // Finds the faces of one picture at once, on the caller's thread (for tools and tests), in
    // its own pixels, largest first. A still picture is searched at up to twice the live
    // detection's width.
    std::vector<cv::Rect> DetectNow(const cv::Mat& frame);

    // Detection works on frames reduced to this width.
    static constexpr int kDetectionWidth = 240;
    static constexpr uint32_t kDetectionIntervalMs = 250;
    // Each step covers this share of the way to the latest detection.
    static constexpr double kSmoothing = 0.35;
    // Differences below this share of the face's width are the detector's noise, not motion.
    static constexpr double kStillness = 0.03;
    // A face no detection has found this many times in a row is given up.
    static constexpr int kMissesBeforeLost = 4;

private:
    struct Track {
        TrackedFace face;
        cv::Rect2d target;
        int misses = 0;
    };

    void DetectLoop();
    std::vector<cv::Rect> Detect(const cv::Mat& grey, double scaleToFrame);
    // Takes a new set of detections into the tracks: each track takes the nearest detection,
    // the rest start tracks of their own.
    void Match(const std::vector<cv::Rect>& detections);

    const cv::Size frameSize_;
    bool available_ = false;
    cv::CascadeClassifier cascade_;

    std::mutex mutex_;
    std::condition_variable wake_;
    cv::Mat pending_;  // reduced grey frame waiting for the detector
    bool busy_ = false;
    bool stopping_ = false;
    bool offeredOnce_ = false;
    uint32_t lastOfferMs_ = 0;
    std::vector<cv::Rect> detections_;  // the latest, in frame pixels
    uint64_t detectionCount_ = 0;

    // Used by Step only (the road's thread).
    std::vector<Track> tracks_;
    uint64_t matchedCount_ = 0;
    int nextId_ = 1;

    std::thread worker_;
};

}  // namespace effects

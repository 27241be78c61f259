#pragma once

#include <opencv2/core.hpp>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "segmentation/Network.h"

namespace segmentation {

// The person segmentation model of a data folder: "models/selfie_segmentation_landscape.tflite",
// the 256 x 144 network made for pictures in landscape shape.
std::string ModelPathIn(const std::string& dataFolder);

// A network made from a model file that tells, for each pixel of a picture, how likely it is to
// belong to a person in front of the camera.
class PersonSegmenter {
public:
    // Nothing (with `error` saying why) when the file is missing, damaged or not such a model.
    static std::unique_ptr<PersonSegmenter> Load(const std::string& modelPath, std::string& error);

    // The person's likelihood (0 to 1) for each pixel of the network's output, as a float
    // picture of the network's size, for a BGR `picture` of any size (stretched to the network's
    // input). The result is valid until the next call.
    const cv::Mat& Segment(const cv::Mat& picture, OperatorCosts* costs = nullptr);
    cv::Size InputSize() const { return {network_.InputWidth(), network_.InputHeight()}; }

private:
    explicit PersonSegmenter(Network network) : network_(std::move(network)) {}
    Network network_;
    cv::Mat small_, input_, output_;
};

// Smooths masks over time so the edge does not flicker: each new mask is blended into the kept
// one, fully where the network is sure (near 0 or 1) and only partly where it hesitates (near
// 1/2), so a momentary doubt never flashes the background through while a real move is followed
// within a few masks.
class MaskSmoother {
public:
    // Where the new mask is least sure, this share of it is taken.
    static constexpr float kLeastUpdate = 0.3f;

    // Takes in the next mask (float, 0 to 1) and returns the smoothed one. A mask of another
    // size starts afresh.
    const cv::Mat& Add(const cv::Mat& mask);
    void Reset() { kept_.release(); }

private:
    cv::Mat kept_;
};

// Makes the coarse `mask` (float, 0 to 1, any size) into an alpha picture (8 bits) of `picture`'s
// size whose edges follow the picture's own edges: a guided filter with the picture's grey
// levels as guide, worked at up to kRefineWidth pixels wide, so hair and shoulders take the
// picture's outline instead of the network's blocky one.
void RefineMask(const cv::Mat& picture, const cv::Mat& mask, cv::Mat& alpha);
constexpr int kRefineWidth = 640;

// Makes person masks of the live picture on a thread of its own. The road offers each picture
// (never waiting); the thread takes one whenever it is idle and at least kMaskIntervalMs have
// passed since it took the last, segments, smooths and refines it, and keeps the latest alpha
// for the road to draw with. Asked for a blur, it also blurs the room of that picture, once per
// mask rather than once per frame: the room changes slowly and is blurred anyway.
class MaskWorker {
public:
    static constexpr uint32_t kMaskIntervalMs = 40;  // at most 25 masks a second

    explicit MaskWorker(std::unique_ptr<PersonSegmenter> segmenter);
    ~MaskWorker();
    MaskWorker(const MaskWorker&) = delete;
    MaskWorker& operator=(const MaskWorker&) = delete;

    // What the worker made of one picture: the alpha (8 bits, the picture's size) and, when a
    // blur was asked for, the room blurred with that strength (BGR, the picture's size).
    struct Mask {
        cv::Mat alpha;
        cv::Mat blurred;
        int blur = 0;
    };

    // Hands `picture` (BGR) over when the worker is idle and due at `nowMs`; otherwise nothing.
    // `blur` (1 to 100) asks for the room blurred too, 0 for none.
    void Offer(const cv::Mat& picture, uint32_t nowMs, int blur = 0);
    // The latest mask, with an empty alpha before the first; `serial` counts the masks made.
    Mask Latest(uint64_t* serial = nullptr) const;
    // Forgets the smoothing history and the latest alpha (a new camera, a new size).
    void Reset();

private:
    void Loop();

    std::unique_ptr<PersonSegmenter> segmenter_;
    MaskSmoother smoother_;  // the worker's own

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    cv::Mat pending_;
    int pendingBlur_ = 0;
    bool busy_ = false;
    bool stopping_ = false;
    bool reset_ = false;
    bool offeredOnce_ = false;
    uint32_t lastOfferMs_ = 0;
    Mask latest_;
    uint64_t serial_ = 0;
    std::thread thread_;
};

}  // namespace segmentation

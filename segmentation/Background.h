#pragma once

#include <opencv2/core.hpp>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "segmentation/PersonMask.h"

namespace segmentation {

enum class BackgroundMode { None, Blur, Replace };

// What is drawn behind the person: nothing changed, the room blurred (strength 1 to 100), or a
// picture from a file in its place.
struct BackgroundChoice {
    static constexpr int kMinBlur = 1;
    static constexpr int kMaxBlur = 100;
    static constexpr int kDefaultBlur = 50;

    BackgroundMode mode = BackgroundMode::None;
    int blur = kDefaultBlur;
    std::string picture;

    bool operator==(const BackgroundChoice&) const = default;
};

// The words the settings file keeps the mode in: "none", "blur", "replace"; anything else is
// none.
const char* BackgroundModeWord(BackgroundMode mode);
BackgroundMode BackgroundModeFromWord(const std::string& word);

// The picture of `path` as a background: the picture of an effect file (".eft", as the Scenes
// are), or a picture file OpenCV reads (PNG, JPEG, BMP, ...). Empty when it cannot be read.
cv::Mat ReadBackgroundPicture(const std::string& path);

// The room behind the person, blurred: the picture reduced, blurred with the strength's radius
// and enlarged again. Where `alpha` (8 bits, the picture's size) is given, the person's own
// pixels are left out of the blur, so their colours do not bleed into the room as a halo.
void BlurBackground(const cv::Mat& picture, const cv::Mat& alpha, int strength, cv::Mat& blurred);
// `picture` made to cover `size`: scaled to fill it and cut evenly on the sides that overhang.
void CoverSize(const cv::Mat& picture, cv::Size size, cv::Mat& covered);
// out = background + (person - background) * alpha / 255, per pixel (8-bit BGR, alpha 8-bit).
void Composite(const cv::Mat& person, const cv::Mat& background, const cv::Mat& alpha,
               cv::Mat& out);

// The background choice on the frame road: a mask worker fed with the camera pictures, and the
// chosen background drawn behind the person with its latest mask. Available only when the
// person segmentation model could be loaded; otherwise every picture passes unchanged and
// UnavailableReason says why.
class BackgroundStage {
public:
    explicit BackgroundStage(const std::string& modelPath);
    ~BackgroundStage();

    bool Available() const { return worker_ != nullptr; }
    const std::string& UnavailableReason() const { return unavailable_; }

    // From any thread; the next picture uses it. False (and nothing changes) when a replacing
    // picture cannot be read, or the stage is not available.
    bool Choose(const BackgroundChoice& choice, std::string* error = nullptr);
    BackgroundChoice Choice() const;

    // On the road's thread: `picture` with the chosen background behind the person, or
    // `picture` itself (None, not available, no mask yet). The result lives until the next call.
    const cv::Mat& Apply(const cv::Mat& picture, uint32_t nowMs);

    // The whole work on one still picture, at once on the caller's thread (for the tool and
    // tests): segment, refine, draw. False with `error` when the model or the picture fails.
    static bool ApplyToStill(const std::string& modelPath, const BackgroundChoice& choice,
                             const cv::Mat& picture, cv::Mat& out, std::string& error);

private:
    std::string unavailable_;
    std::unique_ptr<MaskWorker> worker_;
    mutable std::mutex choiceMutex_;
    BackgroundChoice choice_;
    cv::Mat replacement_;  // the replacing picture as read, under choiceMutex_
    // The road thread's own.
    cv::Mat coverSource_;  // the replacing picture that covered_ was made from
    cv::Mat covered_;      // that picture covering the frame
    cv::Mat background_;   // the blurred room in use: the worker's, or own_
    cv::Mat own_;          // the room blurred here, while the worker's is of another strength
    cv::Mat out_;
    bool wasOn_ = false;
};

}  // namespace segmentation

#include "segmentation/Background.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

#include "effects/DecodedPicture.h"
#include "effects/EffectFile.h"
#include "effects/PngDecoder.h"

namespace segmentation {

cv::Mat ReadBackgroundPicture(const std::string& path) {
    if (path.size() > 4 && path.compare(path.size() - 4, 4, ".eft") == 0) {
        effects::EffectFile file;
        if (!file.Open(path, true)) return {};
        const effects::EffectDescriptor* descriptor = file.ReadDescriptor();
        if (!descriptor) return {};
        const auto picture = effects::DecodePng(descriptor->image);
        if (!picture || picture->Empty()) return {};
        // A Scene's windows (where the camera picture goes) are transparent: they are filled
        // with a light grey rather than whatever colour the transparent pixels hold.
        const cv::Mat colour = effects::PictureToColourImage(*picture);
        const cv::Mat grey(colour.size(), CV_8UC3, cv::Scalar::all(200));
        cv::Mat filled;
        Composite(colour, grey, effects::PictureToMaskImage(*picture), filled);
        return filled;
    }
    try {
        return cv::imread(path, cv::IMREAD_COLOR);
    } catch (const cv::Exception&) {
        return {};
    }
}

const char* BackgroundModeWord(BackgroundMode mode) {
    switch (mode) {
        case BackgroundMode::Blur:
            return "blur";
        case BackgroundMode::Replace:
            return "replace";
        case BackgroundMode::None:
            break;
    }
    return "none";
}

BackgroundMode BackgroundModeFromWord(const std::string& word) {
    if (word == "blur") return BackgroundMode::Blur;
    if (word == "replace") return BackgroundMode::Replace;
    return BackgroundMode::None;
}

void BlurBackground(const cv::Mat& picture, const cv::Mat& alpha, int strength, cv::Mat& blurred) {
    strength = std::clamp(strength, BackgroundChoice::kMinBlur, BackgroundChoice::kMaxBlur);
    // Strength 100 blurs with a sigma of a twentieth of the picture's width. The blur is worked
    // on the picture reduced until that sigma is about two pixels (at most to half the size):
    // the reduction costs little and the blur next to nothing, and the enlargement back is as
    // soft as the blur is wide.
    const double sigma = picture.cols / 20.0 * strength / BackgroundChoice::kMaxBlur;
    const double factor = std::clamp(2.0 / sigma, 1.0 / 64, 0.5);
    const cv::Size reduced(std::max(2, static_cast<int>(std::lround(picture.cols * factor))),
                           std::max(2, static_cast<int>(std::lround(picture.rows * factor))));
    const double reducedSigma = std::max(sigma * reduced.width / picture.cols, 0.3);
    // Reduced in two steps: by the largest of 8, 4 or 2 that divides the picture's sides and
    // does not go past the reduced size (the resize's quick path for whole factors), then the
    // rest.
    int whole = 1;
    for (const int step : {8, 4, 2})
        if (picture.cols % step == 0 && picture.rows % step == 0 && picture.cols / step >= reduced.width &&
            picture.rows / step >= reduced.height) {
            whole = step;
            break;
        }
    const cv::Size first(picture.cols / whole, picture.rows / whole);
    cv::Mat small;
    cv::resize(picture, small, first, 0, 0, cv::INTER_AREA);
    cv::resize(small, small, reduced, 0, 0, cv::INTER_AREA);
    small.convertTo(small, CV_32F);
    cv::Mat out;
    cv::GaussianBlur(small, out, {0, 0}, reducedSigma, reducedSigma, cv::BORDER_REFLECT);
    if (!alpha.empty()) {
        // A blur of the room alone: the room's pixels weighted by (1 - alpha), divided by the
        // blurred weights; where no room is near (deep inside the person) the plain blur stays.
        cv::Mat weight, weighted, spread;
        cv::resize(alpha, weight, first, 0, 0, cv::INTER_AREA);
        cv::resize(weight, weight, reduced, 0, 0, cv::INTER_AREA);
        weight.convertTo(weight, CV_32F, -1.0 / 255, 1.0);
        cv::Mat channels[3];
        cv::split(small, channels);
        for (cv::Mat& channel : channels) channel = channel.mul(weight);
        cv::merge(channels, 3, weighted);
        cv::GaussianBlur(weighted, weighted, {0, 0}, reducedSigma, reducedSigma,
                         cv::BORDER_REFLECT);
        cv::GaussianBlur(weight, spread, {0, 0}, reducedSigma, reducedSigma, cv::BORDER_REFLECT);
        for (int y = 0; y < out.rows; ++y) {
            const float* w = weighted.ptr<float>(y);
            const float* s = spread.ptr<float>(y);
            float* o = out.ptr<float>(y);
            for (int x = 0; x < out.cols; ++x)
                if (s[x] > 0.05f)
                    for (int c = 0; c < 3; ++c) o[3 * x + c] = w[3 * x + c] / s[x];
        }
    }
    out.convertTo(small, CV_8U);
    cv::resize(small, blurred, picture.size(), 0, 0, cv::INTER_LINEAR);
}

void CoverSize(const cv::Mat& picture, cv::Size size, cv::Mat& covered) {
    const double scale = std::max(static_cast<double>(size.width) / picture.cols,
                                  static_cast<double>(size.height) / picture.rows);
    const int width = std::min(picture.cols, static_cast<int>(std::ceil(size.width / scale)));
    const int height = std::min(picture.rows, static_cast<int>(std::ceil(size.height / scale)));
    const cv::Rect middle((picture.cols - width) / 2, (picture.rows - height) / 2, width, height);
    cv::resize(picture(middle), covered, size, 0, 0, scale < 1 ? cv::INTER_AREA : cv::INTER_LINEAR);
}

void Composite(const cv::Mat& person, const cv::Mat& background, const cv::Mat& alpha,
               cv::Mat& out) {
    out.create(person.size(), CV_8UC3);
    thread_local cv::Mat weights;  // alpha repeated for the three channels
    cv::cvtColor(alpha, weights, cv::COLOR_GRAY2BGR);
    const int bytes = person.cols * 3;
    for (int y = 0; y < person.rows; ++y) {
        const uint8_t* __restrict p = person.ptr<uint8_t>(y);
        const uint8_t* __restrict b = background.ptr<uint8_t>(y);
        const uint8_t* __restrict w = weights.ptr<uint8_t>(y);
        uint8_t* __restrict o = out.ptr<uint8_t>(y);
        for (int i = 0; i < bytes; ++i) {
            // (b * (255 - w) + p * w) / 255, rounded, without a division; at most 65153, so
            // sixteen bits hold it.
            const uint16_t t = static_cast<uint16_t>(b[i] * (255 - w[i]) + p[i] * w[i] + 128);
            o[i] = static_cast<uint8_t>((t + (t >> 8)) >> 8);
        }
    }
}

BackgroundStage::BackgroundStage(const std::string& modelPath) {
    auto segmenter = PersonSegmenter::Load(modelPath, unavailable_);
    if (segmenter) worker_ = std::make_unique<MaskWorker>(std::move(segmenter));
}

BackgroundStage::~BackgroundStage() = default;

bool BackgroundStage::Choose(const BackgroundChoice& wanted, std::string* error) {
    if (!Available()) {
        if (error) *error = unavailable_;
        return false;
    }
    BackgroundChoice choice = wanted;
    choice.blur = std::clamp(choice.blur, BackgroundChoice::kMinBlur, BackgroundChoice::kMaxBlur);
    cv::Mat replacement;
    if (choice.mode == BackgroundMode::Replace) {
        replacement = ReadBackgroundPicture(choice.picture);
        if (replacement.empty()) {
            if (error) *error = "cannot read the picture " + choice.picture;
            return false;
        }
    }
    std::lock_guard lock(choiceMutex_);
    choice_ = choice;
    replacement_ = replacement;
    return true;
}

BackgroundChoice BackgroundStage::Choice() const {
    std::lock_guard lock(choiceMutex_);
    return choice_;
}

const cv::Mat& BackgroundStage::Apply(const cv::Mat& picture, uint32_t nowMs) {
    BackgroundChoice choice;
    cv::Mat replacement;
    {
        std::lock_guard lock(choiceMutex_);
        choice = choice_;
        replacement = replacement_;
    }
    const bool on = Available() && choice.mode != BackgroundMode::None && picture.type() == CV_8UC3;
    if (!on) {
        // Masks are made only while a background is chosen; a later choice starts afresh.
        if (wasOn_) worker_->Reset();
        wasOn_ = false;
        return picture;
    }
    wasOn_ = true;
    const bool blur = choice.mode == BackgroundMode::Blur;
    worker_->Offer(picture, nowMs, blur ? choice.blur : 0);
    const MaskWorker::Mask mask = worker_->Latest();
    if (mask.alpha.size() != picture.size()) return picture;
    if (blur) {
        // The worker's blur of the room, made with its mask; until one of this strength comes
        // (just after the strength changed), a blur made here.
        if (mask.blur == choice.blur && mask.blurred.size() == picture.size()) {
            background_ = mask.blurred;
        } else {
            BlurBackground(picture, mask.alpha, choice.blur, own_);
            background_ = own_;
        }
        Composite(picture, background_, mask.alpha, out_);
    } else {
        // The replacing picture is made to cover the frame once for each picture and size.
        if (replacement.data != coverSource_.data || covered_.size() != picture.size()) {
            CoverSize(replacement, picture.size(), covered_);
            coverSource_ = replacement;
        }
        Composite(picture, covered_, mask.alpha, out_);
    }
    return out_;
}

bool BackgroundStage::ApplyToStill(const std::string& modelPath, const BackgroundChoice& choice,
                                   const cv::Mat& picture, cv::Mat& out, std::string& error) {
    auto segmenter = PersonSegmenter::Load(modelPath, error);
    if (!segmenter) return false;
    cv::Mat replacement;
    if (choice.mode == BackgroundMode::Replace) {
        replacement = ReadBackgroundPicture(choice.picture);
        if (replacement.empty()) {
            error = "cannot read the picture " + choice.picture;
            return false;
        }
    }
    if (choice.mode == BackgroundMode::None) {
        out = picture.clone();
        return true;
    }
    cv::Mat alpha, background;
    RefineMask(picture, segmenter->Segment(picture), alpha);
    if (choice.mode == BackgroundMode::Blur)
        BlurBackground(picture, alpha, choice.blur, background);
    else
        CoverSize(replacement, picture.size(), background);
    Composite(picture, background, alpha, out);
    return true;
}

}  // namespace segmentation

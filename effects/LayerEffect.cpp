#include "effects/LayerEffect.h"

#include <opencv2/imgproc.hpp>

#include "effects/Compositing.h"

namespace effects {

void ScaleInto(const cv::Mat& source, cv::Mat& destination) {
    cv::resize(source, destination, destination.size(), 0, 0, cv::INTER_LINEAR);
}

bool LayerEffect::Load(const DecodedPicture& picture, int kind, int frameCount, int, int) {
    if (frameCount != 1 || picture.Empty()) return false;
    if (picture.width > kMaxEffectSide || picture.height > kMaxEffectSide) return false;
    SetSize(picture.width, picture.height);
    imageA_ = PictureToColourImage(picture);
    imageB_ = imageA_.clone();
    maskSrc_ = PictureToMaskImage(picture);
    maskOut_ = maskSrc_.clone();
    ForgetRuns();
    outputStale_ = false;
    kind_ = kind;
    return true;
}

bool LayerEffect::Apply(cv::Mat& frame, bool drawSelection) {
    if (frame.empty() || frame.type() != CV_8UC3) return false;
    const cv::Size size = GetSize();
    Resize(size.width, size.height);
    RefreshFromSource(frame);
    const cv::Mat* image = CurrentImage(frame);
    if (drawSelection && selected_) DrawBorder();
    if (!image || image->empty()) return false;
    const cv::Mat* mask = CurrentMask();
    CompositeLayer(frame, *image, mask, {x_, y_}, blendMode_, CurrentRuns(mask));
    return true;
}

int LayerEffect::HitTest(int px, int py) const {
    const auto rect = GetRect();
    if (!rect || !rect->Contains(px, py)) return kZoneOutside;
    const long long b = borderWidth_;
    enum { kLeftOrTop, kMiddle, kRightOrBottom };
    int column = kMiddle;
    if (px <= rect->left + b) {
        column = kLeftOrTop;
    } else if (px >= rect->right - b) {
        column = kRightOrBottom;
    }
    int row = kLeftOrTop;
    if (rect->top + b < py && py < rect->bottom - b) {
        row = kMiddle;
    } else if (py > rect->top + b) {
        row = kRightOrBottom;
    }
    static constexpr int kZones[3][3] = {
        {kZoneTopLeft, kZoneTop, kZoneTopRight},
        {kZoneLeft, kZoneBody, kZoneRight},
        {kZoneBottomLeft, kZoneBottom, kZoneBottomRight},
    };
    return kZones[row][column];
}

std::optional<EffectRect> LayerEffect::GetRect() const {
    return OwnRect();
}

void LayerEffect::DrawSelectionOutline(cv::Mat& frame) const {
    const EffectRect rect = OwnRect();
    effects::DrawSelectionOutline(frame, rect.left, rect.top, rect.right, rect.bottom, borderWidth_,
                                  borderGrey_);
}

const cv::Mat* LayerEffect::CurrentImage(const cv::Mat&) {
    return imageB_.empty() ? nullptr : &imageB_;
}

const cv::Mat* LayerEffect::CurrentMask() {
    return maskOut_.empty() ? nullptr : &maskOut_;
}

const MaskRuns* LayerEffect::CurrentRuns(const cv::Mat* mask) {
    return mask == &maskOut_ ? RunsOf(maskOut_, 0) : nullptr;
}

const MaskRuns* LayerEffect::RunsOf(const cv::Mat& mask, size_t index) {
    if (runs_.size() <= index) runs_.resize(index + 1);
    MaskRuns& runs = runs_[index];
    if (runs.Empty() || !runs.Fits(mask)) runs = MaskRuns(mask);
    return &runs;
}

void LayerEffect::RefreshFromSource(const cv::Mat&) {
    if (!outputStale_) return;
    if (!imageA_.empty() && !imageB_.empty()) ScaleInto(imageA_, imageB_);
    if (!maskSrc_.empty() && !maskOut_.empty()) ScaleInto(maskSrc_, maskOut_);
    ForgetRuns();
    outputStale_ = false;
}

void LayerEffect::DrawBorder() {
    DrawSelectionBorder(imageB_, maskOut_.empty() ? nullptr : &maskOut_, borderWidth_, borderGrey_);
    ForgetRuns();
    outputStale_ = true;
}

void LayerEffect::Resize(int width, int height) {
    if (width < 1 || height < 1 || width > kMaxEffectSide || height > kMaxEffectSide) return;
    if (imageB_.empty()) {
        imageB_ = cv::Mat::zeros(height, width, CV_8UC3);
        outputStale_ = true;
        return;
    }
    if (imageB_.cols == width && imageB_.rows == height) return;
    cv::Mat scaled;
    cv::resize(imageB_, scaled, {width, height}, 0, 0, cv::INTER_LINEAR);
    imageB_ = scaled;
    if (!maskOut_.empty()) {
        cv::Mat scaledMask;
        cv::resize(maskOut_, scaledMask, {width, height}, 0, 0, cv::INTER_LINEAR);
        maskOut_ = scaledMask;
    }
    ForgetRuns();
    outputStale_ = true;
}

}  // namespace effects

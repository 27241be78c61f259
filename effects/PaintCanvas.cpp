#include "effects/PaintCanvas.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>

namespace effects {
namespace {

// Slightly above 1 / 255, so that full coverage reproduces the painted colour exactly.
constexpr double kBlendScale = 0.003921569;

bool IsNoPoint(cv::Point point) {
    return point.x == PaintCanvas::kNoPoint.x || point.y == PaintCanvas::kNoPoint.y;
}

}  // namespace

PaintCanvas::PaintCanvas() {
    kind_ = EffectKind::kPaintCanvas;
    // No stroke passes yet, even before the first Apply.
    SetPosition(kNoPoint.x, kNoPoint.y);
}

bool PaintCanvas::Create(int width, int height, int kind) {
    if (width > 0 && height > 0) SetSize(width, height);
    if (!EffectBase::Create(width, height, kind)) return false;
    coverage_ = cv::Mat::zeros(height, width, CV_8UC1);
    hasPaint_ = false;
    return true;
}

bool PaintCanvas::Apply(cv::Mat& frame, bool) {
    if (frame.empty() || frame.type() != CV_8UC3 || imageB_.empty() || coverage_.empty()) {
        return false;
    }
    if (paintEnabled_) {
        if (!selected_) {
            SetPosition(kNoPoint.x, kNoPoint.y);
        } else if (previousPressed_ && !IsNoPoint(previousPoint_)) {
            DrawSegment(previousPoint_, Position());
        }
        previousPoint_ = Position();
        previousPressed_ = selected_;
    }
    // Until something is painted the coverage is clear everywhere and blending changes nothing.
    if (hasPaint_) Blend(frame);
    return true;
}

int PaintCanvas::HitTest(int px, int py) const {
    return px >= 0 && py >= 0 && px < width_ && py < height_ ? kZoneBody : kZoneOutside;
}

std::optional<EffectRect> PaintCanvas::GetRect() const {
    return EffectRect{0, 0, width_, height_};
}

bool PaintCanvas::SetBrushWidth(int width) {
    if (width < 1 || width > kMaxBrushWidth) return false;
    brushWidth_ = width;
    return true;
}

void PaintCanvas::SetBrushColour(int red, int green, int blue) {
    brushColour_ = cv::Scalar(blue, green, red, 0);
}

void PaintCanvas::TakeScaled(const PaintCanvas& other) {
    if (!other.imageB_.empty() && !imageB_.empty()) {
        cv::resize(other.imageB_, imageB_, imageB_.size(), 0, 0, cv::INTER_LINEAR);
        cv::resize(other.coverage_, coverage_, coverage_.size(), 0, 0, cv::INTER_LINEAR);
    }
    hasPaint_ = other.hasPaint_;
    paintEnabled_ = other.paintEnabled_;
    brushColour_ = other.brushColour_;
    eraser_ = other.eraser_;
    const int otherHeight = std::max(other.coverage_.rows, 1);
    brushWidth_ = std::clamp((other.brushWidth_ * coverage_.rows + otherHeight / 2) / otherHeight, 1,
                             kMaxBrushWidth);
}

void PaintCanvas::Clear() {
    if (!imageB_.empty()) imageB_.setTo(cv::Scalar::all(0));
    if (!coverage_.empty()) coverage_.setTo(cv::Scalar::all(0));
    hasPaint_ = false;
}

void PaintCanvas::EndStroke() {
    SetPosition(kNoPoint.x, kNoPoint.y);
    previousPoint_ = kNoPoint;
    previousPressed_ = false;
}

void PaintCanvas::DrawSegment(cv::Point from, cv::Point to) {
    const cv::Scalar colour = eraser_ ? cv::Scalar::all(0) : brushColour_;
    const cv::Scalar coverage = eraser_ ? cv::Scalar::all(0) : cv::Scalar::all(255);
    cv::line(imageB_, from, to, colour, brushWidth_, cv::LINE_AA, 0);
    cv::line(coverage_, from, to, coverage, brushWidth_, cv::LINE_AA, 0);
    if (!eraser_) hasPaint_ = true;
}

void PaintCanvas::Blend(cv::Mat& frame) const {
    // Only the part of the frame the layers cover is blended.
    const int rows = std::min(frame.rows, coverage_.rows);
    const int columns = std::min(frame.cols, coverage_.cols);
    for (int y = 0; y < rows; ++y) {
        const uint8_t* mask = coverage_.ptr<uint8_t>(y);
        const uint8_t* paint = imageB_.ptr<uint8_t>(y);
        uint8_t* pixel = frame.ptr<uint8_t>(y);
        for (int x = 0; x < columns; ++x) {
            const int m = mask[x];
            if (m == 0) continue;  // no paint: the frame stays exactly as it is
            for (int channel = 0; channel < 3; ++channel) {
                const int f = pixel[3 * x + channel];
                const int c = paint[3 * x + channel];
                pixel[3 * x + channel] =
                    static_cast<uint8_t>((f * (255 - m) + m * c) * kBlendScale);
            }
        }
    }
}

}  // namespace effects

#pragma once

#include <opencv2/core.hpp>

#include <atomic>

namespace capture {

// Changes the colours of a BGR picture in place, in one pass of a single colour matrix:
// `brightness` adds that share of full white (-1 to 1), `contrast` scales the distance from
// mid-grey (1 leaves it), `saturation` scales the distance from the pixel's grey (0 gives grey,
// 1 leaves it) and `hueDegrees` turns the colours round the grey axis. Values out of range
// saturate at black and white.
void AdjustColours(cv::Mat& bgr, double brightness, double contrast, double saturation,
                   double hueDegrees);

// The road's own brightness, contrast, saturation and hue, for cameras that do not offer them
// themselves. Each is a whole number from kMinimum to kMaximum with 0 for "unchanged" (hue in
// degrees, from -180 to 180). Set from any thread; the road applies the values of the moment to
// each camera picture, and does nothing while all are 0.
class PictureAdjustment {
public:
    static constexpr int kMinimum = -100;
    static constexpr int kMaximum = 100;
    static constexpr int kHueMinimum = -180;
    static constexpr int kHueMaximum = 180;

    enum Channel { Brightness, Contrast, Saturation, Hue, kChannels };

    void Set(Channel channel, int value);
    int Get(Channel channel) const { return values_[channel].load(); }
    // Every channel back to 0.
    void Reset();
    bool IsNeutral() const;
    // Applies the values of the moment to `bgr`.
    void Apply(cv::Mat& bgr) const;

private:
    std::atomic<int> values_[kChannels]{};
};

}  // namespace capture

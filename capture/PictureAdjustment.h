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

// Applies a colour balance in the units cameras and the program's settings use: `brightness`
// from -100 to 100 adds 1.27 times its value to every channel, `contrast` from 0 to 200 scales
// the distance from mid-grey by contrast/100, `saturation` from 0 to 200 scales the distance
// from the pixel's grey by saturation/100, `hueDegrees` from -180 to 180 turns the colours.
void ApplyColourBalance(cv::Mat& bgr, int brightness, int contrast, int saturation, int hueDegrees);

// The road's own brightness, contrast, saturation and hue, for cameras that do not offer them
// themselves: whole numbers in the ranges and meanings of ApplyColourBalance, neutral at
// 0, 100, 100 and 0. Set from any thread; the road applies the values of the moment to each
// camera picture, and does nothing while all are neutral.
class PictureAdjustment {
public:
    enum Channel { Brightness, Contrast, Saturation, Hue, kChannels };

    static int Minimum(Channel channel);
    static int Maximum(Channel channel);
    static int Neutral(Channel channel);

    PictureAdjustment() { Reset(); }
    void Set(Channel channel, int value);
    int Get(Channel channel) const { return values_[channel].load(); }
    // Every channel back to neutral.
    void Reset();
    bool IsNeutral() const;
    // Applies the values of the moment to `bgr`.
    void Apply(cv::Mat& bgr) const;

private:
    std::atomic<int> values_[kChannels]{};
};

}  // namespace capture

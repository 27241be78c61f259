#pragma once

#include <opencv2/core.hpp>

#include <cstdint>

namespace effects {

// How a masked layer is blended onto the frame.
enum BlendMode : int {
    kBlendNormal = 0,    // the mask says how much of the layer covers the frame
    kBlendInverted = 1,  // the mask says how much of the frame stays over the layer
};

// Draws `layer` (BGR) onto `frame` (BGR) with its top-left corner at `topLeft`, clipped to the
// frame. Without a mask the layer replaces the frame; with one (1 channel, the layer's size)
// each sample becomes ((255 - A) * F + A * E) / 255 in mode 0 and ((255 - A) * E + A * F) / 255
// in mode 1, truncated; any other mode leaves the frame as it is.
void CompositeLayer(cv::Mat& frame, const cv::Mat& layer, const cv::Mat* mask, cv::Point topLeft,
                    int blendMode);

// Sets the outermost `width` columns and rows of `image` to `grey` in every channel, and of
// `mask` (when given) to 255, so the border is opaque.
void DrawSelectionBorder(cv::Mat& image, cv::Mat* mask, int width, uint8_t grey);

// Draws the same border straight onto `frame`: the outermost `width` columns and rows of the
// rectangle [left, right) x [top, bottom), clipped to the frame, in `grey`. This is how a
// selected effect looks when its border is drawn in its picture.
void DrawSelectionOutline(cv::Mat& frame, long long left, long long top, long long right,
                          long long bottom, int width, uint8_t grey);

}  // namespace effects

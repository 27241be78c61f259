#pragma once

#include <opencv2/core.hpp>

#include <cstdint>
#include <vector>

namespace effects {

// The circular warps. Each samples, for every point (x, y) of the bottom-up working picture
// (y = H - 1 - frame row), one source point computed from its distance and angle to the centre
// (W / 2, H / 2); points at or beyond rmax = trunc(sqrt(xmid^2 + ymid^2)) from the centre, and
// sources outside the picture, read working point (0, 0): the first pixel of the frame's last
// row.
enum class CircularWarp : int {
    kBulge = 0,        // r' = radius^2 / rmax
    kPinch = 1,        // r' = sqrt(radius * rmax)
    kSwirl = 2,        // r' = radius, the angle turned by radius / factor
    kPolarUnwrap = 3,  // the angle spread across the width, the radius down the height
    kRipple = 4,       // vertical stripes: x reads x + (x mod 32) - 16
};

// For each pixel of a frame of `size`, in top-down order, the byte offset in the frame of the
// pixel it samples. Depends only on the size, the warp and the factor (0 counts as 1), so a
// filter builds it once per frame size. Empty for frames too large for 32-bit offsets.
std::vector<int32_t> BuildCircularWarpMap(cv::Size size, CircularWarp warp, int factor);

// output(pixel i) = input(map[i]) for 8-bit BGR images of the map's size; output must not
// share its pixels with input.
void ApplySamplingMap(const cv::Mat& input, cv::Mat& output, const std::vector<int32_t>& map);

// Column x takes column W - 1 - x.
void MirrorLeftRight(cv::Mat& image, cv::Mat& scratch);

// Turns the picture by `degrees` about its centre ((W - 1) / 2, (H - 1) / 2), sampling
// bilinearly and repeating the border pixels where the turned picture leaves the frame.
void RotateAboutCentre(cv::Mat& image, int degrees, cv::Mat& scratch);

}  // namespace effects

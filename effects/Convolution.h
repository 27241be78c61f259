#pragma once

#include <opencv2/core.hpp>

#include <cstdint>
#include <span>

namespace effects {

// Convolves an 8-bit BGR image in place with a size x size kernel (size 3 or 5, values row by
// row), as a routine of the bottom-up working picture: kernel row u weights the working-picture
// row y + u - size / 2, which is frame row r - (u - size / 2), so kernel row 0 applies below the
// centre in the frame. Only taps inside the picture count: with sum their weighted values, used
// their weights and total all weights, a channel becomes
//   offset + sum                                 when divisor = 0 or used = 0,
//   offset + sum / divisor                       when used = total,
//   offset + (sum * total) / (divisor * used)    otherwise,
// divisions truncating toward zero, clamped to 0..255. All taps read the picture as it was.
// `scratch` holds the previous picture between calls so no frame allocates.
void Convolve(cv::Mat& image, std::span<const int32_t> kernel, int size, int divisor, int offset,
              cv::Mat& scratch);

// The emboss of the filters: the 3 x 3 kernel 0 0 -1 / 0 0 0 / 1 0 0, divisor -1, offset 127.
// In frame terms each channel is 127 + (pixel one column left and one row up) - (pixel one
// column right and one row down); the outermost rows and columns become 127.
void Emboss(cv::Mat& image, cv::Mat& scratch);

}  // namespace effects

#pragma once

#include <opencv2/core.hpp>

#include <cstdint>
#include <vector>

namespace effects {

// A picture as the PNG decoder hands it to the effects: 8-bit blue, green, red and alpha per
// pixel, rows held bottom-up (row 0 is the bottom row of the picture as seen), no padding.
struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // width * height * 4 bytes

    // True when there is nothing to convert: no size, or fewer bytes than the size needs.
    bool Empty() const;
};

// The picture as an upright (top-down) 3-channel BGR image.
cv::Mat PictureToColourImage(const DecodedPicture& picture);
// The picture's alpha as an upright 1-channel mask (0 transparent, 255 opaque).
cv::Mat PictureToMaskImage(const DecodedPicture& picture);

}  // namespace effects

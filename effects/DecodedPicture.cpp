#include "effects/DecodedPicture.h"

#include <opencv2/core.hpp>

namespace effects {
namespace {

// The pixels viewed as a top-down BGRA image (shares the picture's bytes, read only).
cv::Mat UprightBgra(const DecodedPicture& picture) {
    const cv::Mat bottomUp(picture.height, picture.width, CV_8UC4,
                           const_cast<uint8_t*>(picture.pixels.data()));
    cv::Mat upright;
    cv::flip(bottomUp, upright, 0);
    return upright;
}

}  // namespace

bool DecodedPicture::Empty() const {
    if (width < 1 || height < 1) return true;
    return pixels.size() / 4 / static_cast<size_t>(width) < static_cast<size_t>(height);
}

cv::Mat PictureToColourImage(const DecodedPicture& picture) {
    if (picture.Empty()) return {};
    const cv::Mat bgra = UprightBgra(picture);
    cv::Mat colour(bgra.size(), CV_8UC3);
    const int fromTo[] = {0, 0, 1, 1, 2, 2};
    cv::mixChannels(&bgra, 1, &colour, 1, fromTo, 3);
    return colour;
}

cv::Mat PictureToMaskImage(const DecodedPicture& picture) {
    if (picture.Empty()) return {};
    const cv::Mat bgra = UprightBgra(picture);
    cv::Mat mask;
    cv::extractChannel(bgra, mask, 3);
    return mask;
}

}  // namespace effects

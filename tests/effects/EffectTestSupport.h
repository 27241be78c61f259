#pragma once

#include <opencv2/core.hpp>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "effects/DecodedPicture.h"
#include "effects/EffectBase.h"
#include "effects/EffectEventSink.h"
#include "platform/Clock.h"

namespace effects {
inline void PrintTo(const EffectRect& rect, std::ostream* os) {
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}
}  // namespace effects

namespace effects_test {

// A BGR frame of seeded random bytes.
inline cv::Mat RandomFrame(int width, int height, uint64_t seed) {
    cv::Mat frame(height, width, CV_8UC3);
    cv::RNG rng(seed);
    rng.fill(frame, cv::RNG::UNIFORM, 0, 256);
    return frame;
}

// The decoded (bottom-up BGRA) form of an upright BGR picture and its mask.
inline effects::DecodedPicture ToDecodedPicture(const cv::Mat& colour, const cv::Mat& alpha) {
    effects::DecodedPicture picture;
    picture.width = colour.cols;
    picture.height = colour.rows;
    picture.pixels.resize(static_cast<size_t>(colour.total()) * 4);
    for (int r = 0; r < colour.rows; ++r) {
        // Upright row r is stored as row height - 1 - r.
        uint8_t* out =
            picture.pixels.data() + static_cast<size_t>(colour.rows - 1 - r) * colour.cols * 4;
        for (int c = 0; c < colour.cols; ++c) {
            const cv::Vec3b bgr = colour.at<cv::Vec3b>(r, c);
            out[c * 4 + 0] = bgr[0];
            out[c * 4 + 1] = bgr[1];
            out[c * 4 + 2] = bgr[2];
            out[c * 4 + 3] = alpha.at<uint8_t>(r, c);
        }
    }
    return picture;
}

// A picture of one colour and one alpha.
inline effects::DecodedPicture UniformPicture(int width, int height, cv::Vec3b colour,
                                              uint8_t alpha) {
    return ToDecodedPicture(
        cv::Mat(height, width, CV_8UC3, cv::Scalar(colour[0], colour[1], colour[2])),
        cv::Mat(height, width, CV_8UC1, cv::Scalar(alpha)));
}

// Pins the effects' clock for the life of a test.
class FixedClock {
public:
    explicit FixedClock(uint32_t ms) { Set(ms); }
    ~FixedClock() { platform::Clock::UseSystemTime(); }
    void Set(uint32_t ms) { platform::Clock::SetFixedTime(ms); }
};

struct RecordingSink : effects::EffectEventSink {
    std::vector<std::string> ended;
    void EffectEnded(const std::string& effectPath) override { ended.push_back(effectPath); }
};

// Number of samples in which two images of the same size and type differ.
inline int CountDifferences(const cv::Mat& a, const cv::Mat& b) {
    cv::Mat difference;
    cv::compare(a, b, difference, cv::CMP_NE);
    return cv::countNonZero(difference.reshape(1));
}

}  // namespace effects_test

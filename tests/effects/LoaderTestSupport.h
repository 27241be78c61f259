#pragma once

// Effect descriptors with real PNG pictures (encoded by OpenCV, not by the code under test),
// and effect files written from them.

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>

#include <string>
#include <vector>

#include "effects/EffectDescriptor.h"
#include "effects/EffectFileWriter.h"
#include "tests/effects/EffectFileTestBytes.h"

namespace loader_test {

inline std::vector<uint8_t> EncodePng(const cv::Mat& picture) {
    std::vector<uint8_t> png;
    cv::imencode(".png", picture, png);
    return png;
}

inline std::vector<uint8_t> SolidPng(int width, int height, cv::Scalar bgra) {
    return EncodePng(cv::Mat(height, width, CV_8UC4, bgra));
}

// A still picture of one opaque colour, shown at `size` with its top-left corner at `at`.
inline effects::EffectDescriptor PictureDescriptor(int type, cv::Size size, cv::Point at,
                                                   cv::Scalar bgra = {0, 0, 255, 255}) {
    effects::EffectDescriptor d;
    d.type = type;
    d.frameCount = 1;
    d.delays = {100};
    d.width = size.width;
    d.height = size.height;
    d.x = at.x;
    d.y = at.y;
    d.image = SolidPng(8, 8, bgra);
    d.imageSize = static_cast<int32_t>(d.image.size());
    return d;
}

inline std::string WriteEffect(const effect_file_test::ScratchFolder& folder,
                               const std::string& name, const effects::EffectDescriptor& d) {
    const std::string path = folder / name;
    std::string error;
    EXPECT_TRUE(effects::WriteEffectFile(path, d, {}, error)) << error;
    return path;
}

}  // namespace loader_test

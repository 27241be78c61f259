#include "capture/PatternPicture.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace capture {
namespace {

uint8_t Clamp(double value) {
    return static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value + 0.5);
}

}  // namespace

std::optional<PatternPicture> PatternPicture::FromEnvironment() {
    const char* path = std::getenv("QUENVALOR_PATTERN_CAMERA_PICTURE");
    if (!path || !*path) return std::nullopt;
    cv::Mat picture;
    try {
        picture = cv::imread(path, cv::IMREAD_COLOR);
    } catch (const cv::Exception&) {
        return std::nullopt;
    }
    if (picture.empty()) return std::nullopt;
    return PatternPicture(picture);
}

void PatternPicture::Prepare(int width, int height) {
    const double scale = 0.95 * height / picture_.rows;
    const int scaledWidth = std::clamp(static_cast<int>(std::lround(picture_.cols * scale)), 1, width);
    const int scaledHeight = std::max(1, static_cast<int>(std::lround(picture_.rows * scale)));
    cv::resize(picture_, scaled_, {scaledWidth, scaledHeight}, 0, 0, cv::INTER_AREA);
}

void PatternPicture::Draw(uint64_t frameNumber, cv::Mat& frameBgr) const {
    frameBgr.setTo(cv::Scalar::all(128));
    if (scaled_.empty()) return;
    const double angle = 2 * std::numbers::pi * static_cast<double>(frameNumber % kFramesPerTurn) /
                         static_cast<double>(kFramesPerTurn);
    // The drift uses the room the picture leaves, up to an eighth of the frame each way.
    const double reachX = std::min((frameBgr.cols - scaled_.cols) / 2.0, frameBgr.cols / 8.0);
    const double reachY = std::min((frameBgr.rows - scaled_.rows) / 2.0, frameBgr.rows / 8.0);
    const int left = static_cast<int>(std::lround((frameBgr.cols - scaled_.cols) / 2.0 +
                                                  reachX * std::cos(angle)));
    const int top = static_cast<int>(std::lround((frameBgr.rows - scaled_.rows) / 2.0 +
                                                 reachY * std::sin(angle)));
    const cv::Rect place = cv::Rect(left, top, scaled_.cols, scaled_.rows) &
                           cv::Rect(0, 0, frameBgr.cols, frameBgr.rows);
    scaled_(cv::Rect(place.x - left, place.y - top, place.width, place.height))
        .copyTo(frameBgr(place));
}

void BgrToYuy2(const cv::Mat& bgr, uint8_t* out) {
    for (int row = 0; row < bgr.rows; ++row) {
        const cv::Vec3b* pixel = bgr.ptr<cv::Vec3b>(row);
        for (int x = 0; x + 1 < bgr.cols; x += 2, out += 4) {
            const cv::Vec3b& first = pixel[x];
            const cv::Vec3b& second = pixel[x + 1];
            const auto luma = [](const cv::Vec3b& p) {
                return Clamp(16 + 0.257 * p[2] + 0.504 * p[1] + 0.098 * p[0]);
            };
            out[0] = luma(first);
            out[1] = Clamp(128 - 0.148 * first[2] - 0.291 * first[1] + 0.439 * first[0]);
            out[2] = luma(second);
            out[3] = Clamp(128 + 0.439 * first[2] - 0.368 * first[1] - 0.071 * first[0]);
        }
    }
}

}  // namespace capture

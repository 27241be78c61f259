#pragma once

#include <opencv2/core.hpp>

#include <cstdint>
#include <optional>
#include <string>

namespace capture {

// A still picture that the pattern camera shows instead of its bars, drifting slowly around the
// frame so that whatever follows it in the picture (a face, say) can be seen following.
class PatternPicture {
public:
    // The picture named by QUENVALOR_PATTERN_CAMERA_PICTURE; nothing when the variable is unset
    // or the file cannot be read as a picture.
    static std::optional<PatternPicture> FromEnvironment();
    explicit PatternPicture(cv::Mat picture) : picture_(std::move(picture)) {}

    // Sizes the picture for frames of width x height: its height becomes nineteen twentieths of
    // the frame's, its shape kept (narrower than the frame, so it has room to drift sideways).
    void Prepare(int width, int height);
    // Frame `frameNumber` (30 a second): the picture on a grey ground, its centre going round an
    // ellipse about the frame's centre once every kFramesPerTurn frames.
    void Draw(uint64_t frameNumber, cv::Mat& frameBgr) const;

    static constexpr uint64_t kFramesPerTurn = 300;

private:
    cv::Mat picture_;
    cv::Mat scaled_;
};

// Converts a BGR frame of even width into YUY2 (two pixels share U and V, limited-range BT.601)
// at `out`, 2 bytes a pixel.
void BgrToYuy2(const cv::Mat& bgr, uint8_t* out);

}  // namespace capture

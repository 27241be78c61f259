#pragma once

#include <opencv2/core.hpp>

#include <cstdint>
#include <span>
#include <vector>

namespace effects {

// How a masked layer is blended onto the frame.
enum BlendMode : int {
    kBlendNormal = 0,    // the mask says how much of the layer covers the frame
    kBlendInverted = 1,  // the mask says how much of the frame stays over the layer
};

// Each row of a mask cut into runs of equal coverage: fully transparent (0), fully opaque (255)
// or partly covered. Compositing skips or copies whole runs and blends only the partial ones,
// so an overlay that is clear over most of the picture, as a frame is, costs little. Built once
// per mask picture, whenever that picture changes.
class MaskRuns {
public:
    enum Coverage : uint8_t { kClear, kPartial, kSolid };
    struct Run {
        int begin;  // first column
        int end;    // one past the last column
        Coverage coverage;
    };

    MaskRuns() = default;
    explicit MaskRuns(const cv::Mat& mask);

    // Whether these runs were cut from a mask of this size.
    bool Fits(const cv::Mat& mask) const { return mask.rows == rows_ && mask.cols == cols_; }
    bool Empty() const { return rowStarts_.empty(); }
    // The runs of one row, left to right, covering all its columns.
    std::span<const Run> Row(int row) const {
        return {runs_.data() + rowStarts_[static_cast<size_t>(row)],
                runs_.data() + rowStarts_[static_cast<size_t>(row) + 1]};
    }

private:
    std::vector<Run> runs_;
    std::vector<size_t> rowStarts_;  // rows + 1 offsets into runs_
    int rows_ = 0;
    int cols_ = 0;
};

// Draws `layer` (BGR) onto `frame` (BGR) with its top-left corner at `topLeft`, clipped to the
// frame. Without a mask the layer replaces the frame; with one (1 channel, the layer's size)
// each sample becomes ((255 - A) * F + A * E) / 255 in mode 0 and ((255 - A) * E + A * F) / 255
// in mode 1, truncated; any other mode leaves the frame as it is. `runs`, when given and cut
// from a mask of the mask's size, must describe that mask; they let fully clear and fully
// opaque stretches be skipped or copied, with the same result.
void CompositeLayer(cv::Mat& frame, const cv::Mat& layer, const cv::Mat* mask, cv::Point topLeft,
                    int blendMode, const MaskRuns* runs = nullptr);

// Sets the outermost `width` columns and rows of `image` to `grey` in every channel, and of
// `mask` (when given) to 255, so the border is opaque.
void DrawSelectionBorder(cv::Mat& image, cv::Mat* mask, int width, uint8_t grey);

// Draws the same border straight onto `frame`: the outermost `width` columns and rows of the
// rectangle [left, right) x [top, bottom), clipped to the frame, in `grey`. This is how a
// selected effect looks when its border is drawn in its picture.
void DrawSelectionOutline(cv::Mat& frame, long long left, long long top, long long right,
                          long long bottom, int width, uint8_t grey);

}  // namespace effects

#include "effects/Compositing.h"

#include <algorithm>

namespace effects {
namespace {

// v / 255 for 0 <= v <= 255 * 255, without a division.
inline int DivideBy255(int v) {
    return (v + 1 + (v >> 8)) >> 8;
}

void SetBorder(cv::Mat& image, int width, const cv::Scalar& value) {
    if (image.empty() || width < 1) return;
    const int columns = std::min(width, image.cols);
    const int rows = std::min(width, image.rows);
    image.colRange(0, columns).setTo(value);
    image.colRange(image.cols - columns, image.cols).setTo(value);
    image.rowRange(0, rows).setTo(value);
    image.rowRange(image.rows - rows, image.rows).setTo(value);
}

// Sets the part of [left, right) x [top, bottom) that lies on the frame to `value`.
void FillClipped(cv::Mat& frame, long long left, long long top, long long right, long long bottom,
                 const cv::Scalar& value) {
    left = std::max(left, 0LL);
    top = std::max(top, 0LL);
    right = std::min<long long>(right, frame.cols);
    bottom = std::min<long long>(bottom, frame.rows);
    if (left >= right || top >= bottom) return;
    frame(cv::Rect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                   static_cast<int>(bottom - top)))
        .setTo(value);
}

}  // namespace

void CompositeLayer(cv::Mat& frame, const cv::Mat& layer, const cv::Mat* mask, cv::Point topLeft,
                    int blendMode) {
    const bool masked = mask && !mask->empty();
    if (masked && blendMode != kBlendNormal && blendMode != kBlendInverted) return;
    // The covered area in frame coordinates, computed wide so that far-off positions cannot
    // overflow.
    const long long left = std::max<long long>(topLeft.x, 0);
    const long long top = std::max<long long>(topLeft.y, 0);
    const long long right =
        std::min<long long>(static_cast<long long>(topLeft.x) + layer.cols, frame.cols);
    const long long bottom =
        std::min<long long>(static_cast<long long>(topLeft.y) + layer.rows, frame.rows);
    if (left >= right || top >= bottom) return;
    const int width = static_cast<int>(right - left);
    const int firstLayerColumn = static_cast<int>(left - topLeft.x);

    for (long long r = top; r < bottom; ++r) {
        const int layerRow = static_cast<int>(r - topLeft.y);
        uint8_t* f = frame.ptr<uint8_t>(static_cast<int>(r)) + left * 3;
        const uint8_t* e = layer.ptr<uint8_t>(layerRow) + firstLayerColumn * 3;
        if (!masked) {
            std::copy(e, e + width * 3, f);
            continue;
        }
        const uint8_t* a = mask->ptr<uint8_t>(layerRow) + firstLayerColumn;
        for (int c = 0; c < width; ++c, f += 3, e += 3) {
            const int alpha = a[c];
            // Mode 1 swaps the roles of frame and layer.
            const int over = blendMode == kBlendNormal ? alpha : 255 - alpha;
            const int under = 255 - over;
            for (int k = 0; k < 3; ++k)
                f[k] = static_cast<uint8_t>(DivideBy255(under * f[k] + over * e[k]));
        }
    }
}

void DrawSelectionBorder(cv::Mat& image, cv::Mat* mask, int width, uint8_t grey) {
    SetBorder(image, width, cv::Scalar::all(grey));
    if (mask) SetBorder(*mask, width, cv::Scalar::all(255));
}

void DrawSelectionOutline(cv::Mat& frame, long long left, long long top, long long right,
                          long long bottom, int width, uint8_t grey) {
    if (frame.empty() || width < 1 || left >= right || top >= bottom) return;
    const long long columns = std::min<long long>(width, right - left);
    const long long rows = std::min<long long>(width, bottom - top);
    const cv::Scalar value = cv::Scalar::all(grey);
    FillClipped(frame, left, top, right, top + rows, value);
    FillClipped(frame, left, bottom - rows, right, bottom, value);
    FillClipped(frame, left, top, left + columns, bottom, value);
    FillClipped(frame, right - columns, top, right, bottom, value);
}

}  // namespace effects

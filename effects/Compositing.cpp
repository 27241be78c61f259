#include "effects/Compositing.h"

#include <opencv2/core/hal/intrin.hpp>

#include <algorithm>

#include "effects/Avx2Routines.h"

namespace effects {
namespace {

// v / 255 for 0 <= v <= 255 * 255, without a division.
inline int DivideBy255(int v) {
    return (v + 1 + (v >> 8)) >> 8;
}

// Blends `count` BGR pixels of the layer `e` onto the frame `f` by the mask values `a`, as
// CompositeLayer describes; `inverted` selects mode 1.
void BlendSpan(uint8_t* f, const uint8_t* e, const uint8_t* a, int count, bool inverted) {
    int c = BlendAvx2(f, e, a, count, inverted);
#if CV_SIMD128
    // 16 pixels at a time in 16-bit lanes: under * F + over * E is at most 255 * 255 and the
    // division's intermediate at most 65280, so nothing wraps and the result is the scalar one.
    const cv::v_uint16x8 one = cv::v_setall_u16(1);
    const auto blend = [&](const cv::v_uint8x16& under8, const cv::v_uint8x16& over8,
                           const cv::v_uint8x16& f8, const cv::v_uint8x16& e8) {
        cv::v_uint16x8 under[2], over[2], fw[2], ew[2], out[2];
        cv::v_expand(under8, under[0], under[1]);
        cv::v_expand(over8, over[0], over[1]);
        cv::v_expand(f8, fw[0], fw[1]);
        cv::v_expand(e8, ew[0], ew[1]);
        for (int k = 0; k < 2; ++k) {
            const cv::v_uint16x8 v = cv::v_mul_wrap(under[k], fw[k]) + cv::v_mul_wrap(over[k], ew[k]);
            out[k] = (v + one + (v >> 8)) >> 8;
        }
        return cv::v_pack(out[0], out[1]);
    };
    for (; c + 16 <= count; c += 16) {
        const cv::v_uint8x16 alpha = cv::v_load(a + c);
        const cv::v_uint8x16 over = inverted ? cv::v_setall_u8(255) - alpha : alpha;
        const cv::v_uint8x16 under = cv::v_setall_u8(255) - over;
        cv::v_uint8x16 fb, fg, fr, eb, eg, er;
        cv::v_load_deinterleave(f + c * 3, fb, fg, fr);
        cv::v_load_deinterleave(e + c * 3, eb, eg, er);
        cv::v_store_interleave(f + c * 3, blend(under, over, fb, eb), blend(under, over, fg, eg),
                               blend(under, over, fr, er));
    }
#endif
    for (; c < count; ++c) {
        const int alpha = a[c];
        // Mode 1 swaps the roles of frame and layer.
        const int over = inverted ? 255 - alpha : alpha;
        const int under = 255 - over;
        for (int k = 0; k < 3; ++k) {
            uint8_t& sample = f[c * 3 + k];
            sample = static_cast<uint8_t>(DivideBy255(under * sample + over * e[c * 3 + k]));
        }
    }
}

MaskRuns::Coverage CoverageOf(uint8_t alpha) {
    if (alpha == 0) return MaskRuns::kClear;
    return alpha == 255 ? MaskRuns::kSolid : MaskRuns::kPartial;
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

MaskRuns::MaskRuns(const cv::Mat& mask) : rows_(mask.rows), cols_(mask.cols) {
    rowStarts_.reserve(static_cast<size_t>(rows_) + 1);
    rowStarts_.push_back(0);
    for (int r = 0; r < rows_; ++r) {
        const uint8_t* a = mask.ptr<uint8_t>(r);
        for (int c = 0; c < cols_;) {
            const Coverage coverage = CoverageOf(a[c]);
            int end = c + 1;
            while (end < cols_ && CoverageOf(a[end]) == coverage) ++end;
            runs_.push_back({c, end, coverage});
            c = end;
        }
        rowStarts_.push_back(runs_.size());
    }
}

void CompositeLayer(cv::Mat& frame, const cv::Mat& layer, const cv::Mat* mask, cv::Point topLeft,
                    int blendMode, const MaskRuns* runs) {
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

    const bool inverted = blendMode == kBlendInverted;
    const bool byRuns = masked && runs && !runs->Empty() && runs->Fits(*mask);
    // In mode 1 a clear mask shows the layer and an opaque one keeps the frame.
    const MaskRuns::Coverage copied = inverted ? MaskRuns::kClear : MaskRuns::kSolid;
    const int endLayerColumn = firstLayerColumn + width;

    for (long long r = top; r < bottom; ++r) {
        const int layerRow = static_cast<int>(r - topLeft.y);
        uint8_t* f = frame.ptr<uint8_t>(static_cast<int>(r)) + left * 3;
        const uint8_t* e = layer.ptr<uint8_t>(layerRow) + firstLayerColumn * 3;
        if (!masked) {
            std::copy(e, e + width * 3, f);
            continue;
        }
        const uint8_t* a = mask->ptr<uint8_t>(layerRow) + firstLayerColumn;
        if (!byRuns) {
            BlendSpan(f, e, a, width, inverted);
            continue;
        }
        for (const MaskRuns::Run& run : runs->Row(layerRow)) {
            if (run.begin >= endLayerColumn) break;
            const int begin = std::max(run.begin, firstLayerColumn) - firstLayerColumn;
            const int end = std::min(run.end, endLayerColumn) - firstLayerColumn;
            if (begin >= end) continue;
            if (run.coverage == MaskRuns::kPartial) {
                BlendSpan(f + begin * 3, e + begin * 3, a + begin, end - begin, inverted);
            } else if (run.coverage == copied) {
                std::copy(e + begin * 3, e + end * 3, f + begin * 3);
            }
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

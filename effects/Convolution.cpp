#include "effects/Convolution.h"

#include <opencv2/core/hal/intrin.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace effects {
namespace {

// One kernel entry as an offset in the top-down frame.
struct Tap {
    int rowOffset;
    int columnOffset;
    int32_t weight;
};

struct KernelRule {
    std::vector<Tap> taps;  // entries with a nonzero weight
    long long total = 0;    // sum of all weights
    long long divisor = 0;
    long long offset = 0;
};

// The result of one channel from its weighted sum and the weights of the taps inside.
inline uint8_t Finish(long long sum, long long used, const KernelRule& rule) {
    __int128 value;
    if (rule.divisor == 0 || used == 0) {
        value = static_cast<__int128>(rule.offset) + sum;
    } else if (used == rule.total) {
        value = static_cast<__int128>(rule.offset) + sum / rule.divisor;
    } else {
        // Wide enough for any product of 32-bit weights and 8-bit samples.
        value =
            static_cast<__int128>(rule.offset) +
            static_cast<__int128>(sum) * rule.total / (static_cast<__int128>(rule.divisor) * used);
    }
    return static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

// A pixel near the border, where some taps fall outside the picture.
void ConvolveEdgePixel(const cv::Mat& source, cv::Mat& target, int row, int column,
                       const KernelRule& rule) {
    long long sum[3] = {0, 0, 0};
    long long used = 0;
    for (const Tap& tap : rule.taps) {
        const int r = row + tap.rowOffset;
        const int c = column + tap.columnOffset;
        if (r < 0 || r >= source.rows || c < 0 || c >= source.cols) continue;
        used += tap.weight;
        const uint8_t* pixel = source.ptr<uint8_t>(r) + c * 3;
        for (int k = 0; k < 3; ++k) sum[k] += static_cast<long long>(tap.weight) * pixel[k];
    }
    uint8_t* out = target.ptr<uint8_t>(row) + column * 3;
    for (int k = 0; k < 3; ++k) out[k] = Finish(sum[k], used, rule);
}

// Bytes [begin, end) of an interior row, where every tap is inside the picture.
void ConvolveInteriorBytes(const cv::Mat& source, uint8_t* out, int row, int begin, int end,
                           const KernelRule& rule) {
    for (int i = begin; i < end; ++i) {
        long long sum = 0;
        for (const Tap& tap : rule.taps) {
            sum += static_cast<long long>(tap.weight) *
                   source.ptr<uint8_t>(row + tap.rowOffset)[i + tap.columnOffset * 3];
        }
        out[i] = Finish(sum, rule.total, rule);
    }
}

#if CV_SIMD128
// Interior bytes 16 at a time in 16-bit lanes; the caller has checked that no sum can leave
// the 16-bit range. Returns the first byte left for the scalar loop.
int ConvolveInteriorVector(const cv::Mat& source, uint8_t* out, int row, int begin, int end,
                           const KernelRule& rule) {
    std::array<const uint8_t*, 25> rows{};
    std::array<cv::v_int16x8, 25> weights;
    const size_t tapCount = rule.taps.size();
    for (size_t t = 0; t < tapCount; ++t) {
        const Tap& tap = rule.taps[t];
        rows[t] = source.ptr<uint8_t>(row + tap.rowOffset) + tap.columnOffset * 3;
        weights[t] = cv::v_setall_s16(static_cast<int16_t>(tap.weight));
    }
    const bool divide = rule.divisor != 0 && rule.total != 0;
    const cv::v_float32x4 divisor = cv::v_setall_f32(static_cast<float>(rule.divisor));
    // Offsets beyond the reach of any 16-bit sum clamp the same way.
    const cv::v_int32x4 offset =
        cv::v_setall_s32(static_cast<int>(std::clamp<long long>(rule.offset, -65536, 65536)));
    const auto finish = [&](const cv::v_int32x4& sum) {
        // |sum| < 2^24, so the single-precision quotient truncates to the integer quotient.
        return (divide ? cv::v_trunc(cv::v_cvt_f32(sum) / divisor) : sum) + offset;
    };
    int i = begin;
    for (; i + 16 <= end; i += 16) {
        cv::v_int16x8 low = cv::v_setzero_s16(), high = cv::v_setzero_s16();
        for (size_t t = 0; t < tapCount; ++t) {
            cv::v_uint16x8 a, b;
            cv::v_expand(cv::v_load(rows[t] + i), a, b);
            low = cv::v_add_wrap(low, cv::v_mul_wrap(cv::v_reinterpret_as_s16(a), weights[t]));
            high = cv::v_add_wrap(high, cv::v_mul_wrap(cv::v_reinterpret_as_s16(b), weights[t]));
        }
        cv::v_int32x4 s0, s1, s2, s3;
        cv::v_expand(low, s0, s1);
        cv::v_expand(high, s2, s3);
        const cv::v_int16x8 packedLow = cv::v_pack(finish(s0), finish(s1));
        const cv::v_int16x8 packedHigh = cv::v_pack(finish(s2), finish(s3));
        cv::v_store(out + i, cv::v_pack_u(packedLow, packedHigh));
    }
    return i;
}
#endif

}  // namespace

void Convolve(cv::Mat& image, std::span<const int32_t> kernel, int size, int divisor, int offset,
              cv::Mat& scratch) {
    if (image.empty() || image.type() != CV_8UC3) return;
    if ((size != 3 && size != 5) || kernel.size() < static_cast<size_t>(size * size)) return;
    const int half = size / 2;
    KernelRule rule;
    rule.divisor = divisor;
    rule.offset = offset;
    long long absoluteSum = 0;
    for (int u = 0; u < size; ++u) {
        for (int v = 0; v < size; ++v) {
            const int32_t weight = kernel[u * size + v];
            rule.total += weight;
            absoluteSum += weight < 0 ? -static_cast<long long>(weight) : weight;
            // Working-picture row y + u - half is frame row r + half - u.
            if (weight != 0) rule.taps.push_back({half - u, v - half, weight});
        }
    }
    image.copyTo(scratch);
    const cv::Mat& source = scratch;
    const int rows = image.rows;
    const int columns = image.cols;
    const int leftEnd = std::min(half, columns);
    const int rightBegin = std::max(columns - half, leftEnd);
    // Sums of the interior fit 16-bit lanes when every sample is at most 255.
    [[maybe_unused]] const bool fitsSixteenBits = absoluteSum * 255 <= INT16_MAX;

    for (int row = 0; row < rows; ++row) {
        const bool edgeRow = row < half || row >= rows - half;
        if (edgeRow || leftEnd >= rightBegin) {
            for (int column = 0; column < columns; ++column)
                ConvolveEdgePixel(source, image, row, column, rule);
            continue;
        }
        for (int column = 0; column < leftEnd; ++column)
            ConvolveEdgePixel(source, image, row, column, rule);
        for (int column = rightBegin; column < columns; ++column)
            ConvolveEdgePixel(source, image, row, column, rule);
        uint8_t* out = image.ptr<uint8_t>(row);
        int begin = leftEnd * 3;
        const int end = rightBegin * 3;
#if CV_SIMD128
        if (fitsSixteenBits) begin = ConvolveInteriorVector(source, out, row, begin, end, rule);
#endif
        ConvolveInteriorBytes(source, out, row, begin, end, rule);
    }
}

void Emboss(cv::Mat& image, cv::Mat& scratch) {
    static constexpr std::array<int32_t, 9> kEmbossKernel = {0, 0, -1, 0, 0, 0, 1, 0, 0};
    Convolve(image, kEmbossKernel, 3, -1, 127, scratch);
}

}  // namespace effects

#include "effects/ColourRoutines.h"

#include <opencv2/core.hpp>
#include <opencv2/core/hal/intrin.hpp>

#include <algorithm>
#include <cstdlib>

namespace effects {
namespace {

uint8_t ClampToByte(long long value) {
    return static_cast<uint8_t>(std::clamp<long long>(value, 0, 255));
}

// One channel of the floating HSL to RGB conversion; h, m1 and m2 as in ShiftPixel.
inline float HueChannel(float x, float m1, float m2) {
    if (x > 360.f) {
        x -= 360.f;
    } else if (x < 0.f) {
        x += 360.f;
    }
    if (x < 60.f) return m1 + (m2 - m1) * x / 60.f;
    if (x < 180.f) return m2;
    if (x < 240.f) return m1 + (m2 - m1) * (240.f - x) / 60.f;
    return m1;
}

// The saturation shift of one BGR pixel. The vector version below computes exactly the same
// values with the same single-precision operations in the same order.
inline void ShiftPixel(uint8_t* pixel, int shift) {
    const int b = pixel[0], g = pixel[1], r = pixel[2];
    const int mx = std::max({r, g, b});
    const int mn = std::min({r, g, b});
    // ((mx + mn) * 255 + 255) / 510 reduces to (mx + mn + 1) / 2.
    const int lightness = (mx + mn + 1) >> 1;
    int saturation = 0;
    int hue = 170;
    if (mx != mn) {
        const int delta = mx - mn;
        const int sum = mx + mn;
        const int d = lightness <= 127 ? sum : 510 - sum;
        saturation = (delta * 255 + d / 2) / d;
        const int rd = ((mx - r) * 42 + delta / 2) / delta;
        const int gd = ((mx - g) * 42 + delta / 2) / delta;
        const int bd = ((mx - b) * 42 + delta / 2) / delta;
        hue = (r == mx ? bd - gd : g == mx ? 85 + rd - bd : 170 + gd - rd) & 255;
    }
    saturation = std::clamp(saturation + shift, 0, 255);

    const float l = static_cast<float>(lightness) / 255.f;
    if (saturation == 0) {
        const auto grey = static_cast<uint8_t>(l * 255.f);
        pixel[0] = pixel[1] = pixel[2] = grey;
        return;
    }
    const float s = static_cast<float>(saturation) / 255.f;
    const float h = static_cast<float>(hue) * 360.f / 255.f;
    const float m2 = l <= 0.5f ? l * (1.f + s) : l + s - l * s;
    const float m1 = 2.f * l - m2;
    const auto toByte = [](float v) {
        return static_cast<uint8_t>(std::clamp(static_cast<int>(v * 255.f), 0, 255));
    };
    pixel[2] = toByte(HueChannel(h + 120.f, m1, m2));
    pixel[1] = toByte(HueChannel(h, m1, m2));
    pixel[0] = toByte(HueChannel(h - 120.f, m1, m2));
}

#if CV_SIMD128
using cv::v_float32x4;
using cv::v_int32x4;
using cv::v_uint8x16;

// 16 bytes widened to four vectors of 4 ints.
inline void Widen(const v_uint8x16& bytes, v_int32x4 out[4]) {
    cv::v_uint16x8 low, high;
    cv::v_expand(bytes, low, high);
    cv::v_uint32x4 a, b;
    cv::v_expand(low, a, b);
    out[0] = cv::v_reinterpret_as_s32(a);
    out[1] = cv::v_reinterpret_as_s32(b);
    cv::v_expand(high, a, b);
    out[2] = cv::v_reinterpret_as_s32(a);
    out[3] = cv::v_reinterpret_as_s32(b);
}

// Four vectors of 4 ints narrowed to 16 bytes, saturating.
inline v_uint8x16 Narrow(const v_int32x4 in[4]) {
    return cv::v_pack_u(cv::v_pack(in[0], in[1]), cv::v_pack(in[2], in[3]));
}

inline v_float32x4 ToFloat(const v_int32x4& v) {
    return cv::v_cvt_f32(v);
}

inline v_float32x4 HueChannel(v_float32x4 x, const v_float32x4& m1, const v_float32x4& m2) {
    const v_float32x4 zero = cv::v_setzero_f32();
    const v_float32x4 full = cv::v_setall_f32(360.f);
    x = cv::v_select(x > full, x - full, cv::v_select(x < zero, x + full, x));
    const v_float32x4 sixty = cv::v_setall_f32(60.f);
    const v_float32x4 rising = m1 + (m2 - m1) * x / sixty;
    const v_float32x4 falling = m1 + (m2 - m1) * (cv::v_setall_f32(240.f) - x) / sixty;
    return cv::v_select(x < sixty, rising,
                        cv::v_select(x < cv::v_setall_f32(180.f), m2,
                                     cv::v_select(x < cv::v_setall_f32(240.f), falling, m1)));
}

inline v_int32x4 ToByteValue(const v_float32x4& v) {
    return cv::v_trunc(v * cv::v_setall_f32(255.f));
}

// The saturation shift of 4 pixels given as ints, with their maximum and minimum channel.
inline void ShiftFour(v_int32x4& b, v_int32x4& g, v_int32x4& r, const v_int32x4& mx,
                      const v_int32x4& mn, const v_int32x4& shift) {
    const v_int32x4 sum = mx + mn;
    const v_int32x4 lightness = (sum + cv::v_setall_s32(1)) >> 1;
    const v_int32x4 delta = mx - mn;
    const v_int32x4 d =
        cv::v_select(lightness <= cv::v_setall_s32(127), sum, cv::v_setall_s32(510) - sum);
    // Every quotient below has a numerator under 2^24, where a single-precision division
    // truncates to exactly the integer quotient. Where delta (and possibly d) is 0 the results
    // are not used.
    const v_float32x4 deltaF = ToFloat(delta);
    const v_float32x4 halfDelta = ToFloat(delta >> 1);
    v_int32x4 saturation =
        cv::v_trunc((deltaF * cv::v_setall_f32(255.f) + ToFloat(d >> 1)) / ToFloat(d));
    const v_float32x4 mxF = ToFloat(mx);
    const v_float32x4 k42 = cv::v_setall_f32(42.f);
    const v_int32x4 rd = cv::v_trunc(((mxF - ToFloat(r)) * k42 + halfDelta) / deltaF);
    const v_int32x4 gd = cv::v_trunc(((mxF - ToFloat(g)) * k42 + halfDelta) / deltaF);
    const v_int32x4 bd = cv::v_trunc(((mxF - ToFloat(b)) * k42 + halfDelta) / deltaF);
    v_int32x4 hue = cv::v_select(r == mx, bd - gd,
                                 cv::v_select(g == mx, cv::v_setall_s32(85) + rd - bd,
                                              cv::v_setall_s32(170) + gd - rd)) &
                    cv::v_setall_s32(255);
    const v_int32x4 flat = delta == cv::v_setzero_s32();
    hue = cv::v_select(flat, cv::v_setall_s32(170), hue);
    saturation = cv::v_select(flat, cv::v_setzero_s32(), saturation);
    saturation =
        cv::v_min(cv::v_max(saturation + shift, cv::v_setzero_s32()), cv::v_setall_s32(255));

    const v_float32x4 k255 = cv::v_setall_f32(255.f);
    const v_float32x4 l = ToFloat(lightness) / k255;
    const v_float32x4 s = ToFloat(saturation) / k255;
    const v_float32x4 h = ToFloat(hue) * cv::v_setall_f32(360.f) / k255;
    const v_float32x4 one = cv::v_setall_f32(1.f);
    const v_float32x4 m2 = cv::v_select(l <= cv::v_setall_f32(0.5f), l * (one + s), l + s - l * s);
    const v_float32x4 m1 = cv::v_setall_f32(2.f) * l - m2;
    const v_float32x4 third = cv::v_setall_f32(120.f);
    const v_int32x4 grey = ToByteValue(l);
    const v_int32x4 noSaturation = saturation == cv::v_setzero_s32();
    r = cv::v_select(noSaturation, grey, ToByteValue(HueChannel(h + third, m1, m2)));
    g = cv::v_select(noSaturation, grey, ToByteValue(HueChannel(h, m1, m2)));
    b = cv::v_select(noSaturation, grey, ToByteValue(HueChannel(h - third, m1, m2)));
}
#endif

// Shifts the saturation of `count` consecutive BGR pixels.
void ShiftRun(uint8_t* pixels, int count, int shift) {
    int i = 0;
#if CV_SIMD128
    const v_int32x4 shiftVector = cv::v_setall_s32(shift);
    for (; i + 16 <= count; i += 16) {
        uint8_t* p = pixels + i * 3;
        v_uint8x16 b8, g8, r8;
        cv::v_load_deinterleave(p, b8, g8, r8);
        v_int32x4 b[4], g[4], r[4], mx[4], mn[4];
        Widen(b8, b);
        Widen(g8, g);
        Widen(r8, r);
        Widen(cv::v_max(r8, cv::v_max(g8, b8)), mx);
        Widen(cv::v_min(r8, cv::v_min(g8, b8)), mn);
        for (int k = 0; k < 4; ++k) ShiftFour(b[k], g[k], r[k], mx[k], mn[k], shiftVector);
        cv::v_store_interleave(p, Narrow(b), Narrow(g), Narrow(r));
    }
#endif
    for (; i < count; ++i) ShiftPixel(pixels + i * 3, shift);
}

}  // namespace

ByteTable BrightnessContrastTable(int brightness, int contrast) {
    ByteTable table{};
    for (int i = 0; i < 256; ++i) {
        const double value = (brightness + 128.0) + (contrast + 100.0) * 0.01 * (i - 128) + 0.5;
        table[i] = static_cast<uint8_t>(std::clamp(value, 0.0, 255.0));
    }
    return table;
}

void ApplyByteTable(cv::Mat& image, const ByteTable& table) {
    const cv::Mat lookup(1, 256, CV_8U, const_cast<uint8_t*>(table.data()));
    cv::LUT(image, lookup, image);
}

void ShiftSaturation(cv::Mat& image, int shift) {
    // Shifts beyond +-256 saturate every pixel the same way.
    shift = std::clamp(shift, -256, 256);
    if (image.isContinuous()) {
        ShiftRun(image.ptr<uint8_t>(0), image.cols * image.rows, shift);
        return;
    }
    for (int row = 0; row < image.rows; ++row) ShiftRun(image.ptr<uint8_t>(row), image.cols, shift);
}

void ShiftColours(cv::Mat& image, int red, int green, int blue) {
    cv::Mat lookup(1, 256, CV_8UC3);
    auto* entry = lookup.ptr<cv::Vec3b>(0);
    for (int i = 0; i < 256; ++i) {
        entry[i] = {ClampToByte(static_cast<long long>(i) + blue),
                    ClampToByte(static_cast<long long>(i) + green),
                    ClampToByte(static_cast<long long>(i) + red)};
    }
    cv::LUT(image, lookup, image);
}

int DrawRand15() {
    return std::rand() % 32768;
}

void AddNoise(cv::Mat& image, int level) {
    // The working picture is stored bottom-up, so its pixel order starts at the frame's last
    // row; the draws follow that order.
    for (int row = image.rows - 1; row >= 0; --row) {
        uint8_t* pixel = image.ptr<uint8_t>(row);
        for (int column = 0; column < image.cols; ++column, pixel += 3) {
            for (int channel = 2; channel >= 0; --channel) {
                const double draw = DrawRand15();
                const auto change = static_cast<long long>((draw / 32767.0 - 0.5) * level);
                pixel[channel] = ClampToByte(pixel[channel] + change);
            }
        }
    }
}

}  // namespace effects

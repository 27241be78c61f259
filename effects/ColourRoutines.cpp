#include "effects/ColourRoutines.h"

#include <opencv2/core.hpp>
#include <opencv2/core/hal/intrin.hpp>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "effects/Avx2Routines.h"

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
using cv::v_uint16x8;
using cv::v_uint32x4;
using cv::v_uint8x16;

inline v_float32x4 ToFloat(const v_int32x4& v) {
    return cv::v_cvt_f32(v);
}
inline v_float32x4 ToFloat(const v_uint32x4& v) {
    return cv::v_cvt_f32(cv::v_reinterpret_as_s32(v));
}

// Which part of the HSL to RGB conversion one channel takes, for x already brought into
// 0..360: the rising ramp below 60, m2 below 180, the falling ramp below 240 and m1 above. `t`
// is the ramp's position, x on the rising ramp and 240 - x on the falling one.
struct ChannelPart {
    v_float32x4 onRamp, onTop, t;
};

inline ChannelPart PartOf(const v_float32x4& x) {
    const v_float32x4 below60 = x < cv::v_setall_f32(60.f);
    const v_float32x4 below180 = x < cv::v_setall_f32(180.f);
    const v_float32x4 below240 = x < cv::v_setall_f32(240.f);
    return {below60 | (below240 ^ below180), below180,
            cv::v_select(below60, x, cv::v_setall_f32(240.f) - x)};
}

inline v_float32x4 ChannelValue(const ChannelPart& part, const v_float32x4& ramp,
                                const v_float32x4& m1, const v_float32x4& m2) {
    return cv::v_select(part.onRamp, ramp, cv::v_select(part.onTop, m2, m1));
}

inline v_int32x4 ToByteValue(const v_float32x4& v) {
    return cv::v_trunc(v * cv::v_setall_f32(255.f));
}

// The integer terms of the RGB to HSL conversion of 8 pixels, in 16-bit lanes: lightness, the
// saturation's numerator and denominator, the two hue quotients' numerators (chosen by the
// largest channel), their common denominator and the hue's base. Denominators that would be 0
// are 1, where the numerators are 0 and the base is 170, so no lane needs a special case.
struct HslTerms {
    v_uint16x8 lightness, sNumerator, sDenominator, added, taken, hDenominator, base;
};

inline HslTerms HslTermsOf(const v_uint16x8& b, const v_uint16x8& g, const v_uint16x8& r,
                           const v_uint16x8& mx, const v_uint16x8& mn) {
    // Every value stays within 0..65280, so the 16-bit operations never wrap or saturate.
    const v_uint16x8 one = cv::v_setall_u16(1);
    const v_uint16x8 sum = mx + mn;
    const v_uint16x8 lightness = (sum + one) >> 1;
    const v_uint16x8 delta = mx - mn;
    const v_uint16x8 dark =
        cv::v_reinterpret_as_u16(cv::v_reinterpret_as_s16(lightness) <= cv::v_setall_s16(127));
    const v_uint16x8 d = cv::v_max(cv::v_select(dark, sum, cv::v_setall_u16(510) - sum), one);
    const v_uint16x8 halfDelta = delta >> 1;
    const v_uint16x8 k42 = cv::v_setall_u16(42);
    const v_uint16x8 nR = cv::v_mul_wrap(mx - r, k42) + halfDelta;
    const v_uint16x8 nG = cv::v_mul_wrap(mx - g, k42) + halfDelta;
    const v_uint16x8 nB = cv::v_mul_wrap(mx - b, k42) + halfDelta;
    // Red largest: bd - gd; green: 85 + rd - bd; blue: 170 + gd - rd.
    const v_uint16x8 redMax = r == mx;
    const v_uint16x8 greenMax = g == mx;
    const v_uint16x8 flat = delta == cv::v_setzero_u16();
    const v_uint16x8 k170 = cv::v_setall_u16(170);
    return {lightness,
            cv::v_mul_wrap(delta, cv::v_setall_u16(255)) + (d >> 1),
            d,
            cv::v_select(redMax, nB, cv::v_select(greenMax, nR, nG)),
            cv::v_select(redMax, nG, cv::v_select(greenMax, nB, nR)),
            cv::v_max(delta, one),
            cv::v_select(flat, k170,
                         cv::v_select(redMax, cv::v_setzero_u16(),
                                      cv::v_select(greenMax, cv::v_setall_u16(85), k170)))};
}

// The same terms for 4 pixels, widened to 32 bits.
struct WideHslTerms {
    v_float32x4 lightness, sNumerator, sDenominator, added, taken, hDenominator;
    v_int32x4 base;
};

inline void Widen(const HslTerms& terms, WideHslTerms& low, WideHslTerms& high) {
    const auto widen = [](const v_uint16x8& v, v_float32x4& lowPart, v_float32x4& highPart) {
        v_uint32x4 a, b;
        cv::v_expand(v, a, b);
        lowPart = ToFloat(a);
        highPart = ToFloat(b);
    };
    widen(terms.lightness, low.lightness, high.lightness);
    widen(terms.sNumerator, low.sNumerator, high.sNumerator);
    widen(terms.sDenominator, low.sDenominator, high.sDenominator);
    widen(terms.added, low.added, high.added);
    widen(terms.taken, low.taken, high.taken);
    widen(terms.hDenominator, low.hDenominator, high.hDenominator);
    v_uint32x4 a, b;
    cv::v_expand(terms.base, a, b);
    low.base = cv::v_reinterpret_as_s32(a);
    high.base = cv::v_reinterpret_as_s32(b);
}

// The rest of the shift for 4 pixels: the quotients, the shifted saturation and the floating
// HSL to RGB conversion.
inline void ShiftFour(const WideHslTerms& terms, const v_float32x4& shift, v_int32x4& b,
                      v_int32x4& g, v_int32x4& r) {
    // Numerators stay below 2^24, where a single-precision division truncates to exactly the
    // integer quotient.
    const v_int32x4 saturation = cv::v_trunc(terms.sNumerator / terms.sDenominator);
    const v_int32x4 hue = (terms.base + cv::v_trunc(terms.added / terms.hDenominator) -
                           cv::v_trunc(terms.taken / terms.hDenominator)) &
                          cv::v_setall_s32(255);
    const v_float32x4 k255 = cv::v_setall_f32(255.f);
    const v_float32x4 shifted =
        cv::v_min(cv::v_max(ToFloat(saturation) + shift, cv::v_setzero_f32()), k255);

    const v_float32x4 l = terms.lightness / k255;
    const v_float32x4 s = shifted / k255;
    const v_float32x4 h = ToFloat(hue) * cv::v_setall_f32(360.f) / k255;
    const v_float32x4 m2 =
        cv::v_select(l <= cv::v_setall_f32(0.5f), l * (cv::v_setall_f32(1.f) + s), l + s - l * s);
    const v_float32x4 m1 = cv::v_setall_f32(2.f) * l - m2;
    // Without saturation m1 = m2 = l, so every channel comes out as the grey of l.
    const v_float32x4 third = cv::v_setall_f32(120.f);
    const v_float32x4 full = cv::v_setall_f32(360.f);
    const v_float32x4 xr = h + third;  // 120..480
    const v_float32x4 xb = h - third;  // -120..240
    const ChannelPart red = PartOf(cv::v_select(xr > full, xr - full, xr));
    const ChannelPart green = PartOf(h);
    const ChannelPart blue = PartOf(cv::v_select(xb < cv::v_setzero_f32(), xb + full, xb));
    // The channels' ramps lie 120 degrees apart, so at most one channel of a pixel is on its
    // ramp and one division serves all three.
    const v_float32x4 t = cv::v_select(red.onRamp, red.t, cv::v_select(green.onRamp, green.t, blue.t));
    const v_float32x4 ramp = m1 + (m2 - m1) * t / cv::v_setall_f32(60.f);
    r = ToByteValue(ChannelValue(red, ramp, m1, m2));
    g = ToByteValue(ChannelValue(green, ramp, m1, m2));
    b = ToByteValue(ChannelValue(blue, ramp, m1, m2));
}

// Four vectors of 4 ints narrowed to 16 bytes, saturating.
inline v_uint8x16 Narrow(const v_int32x4 in[4]) {
    return cv::v_pack_u(cv::v_pack(in[0], in[1]), cv::v_pack(in[2], in[3]));
}
#endif

// Shifts the saturation of `count` consecutive BGR pixels.
void ShiftRun(uint8_t* pixels, int count, int shift) {
    int i = ShiftSaturationAvx2(pixels, count, shift);
#if CV_SIMD128
    const v_float32x4 shiftVector = cv::v_setall_f32(static_cast<float>(shift));
    for (; i + 16 <= count; i += 16) {
        uint8_t* p = pixels + i * 3;
        v_uint8x16 b8, g8, r8;
        cv::v_load_deinterleave(p, b8, g8, r8);
        v_uint16x8 b[2], g[2], r[2], mx[2], mn[2];
        cv::v_expand(b8, b[0], b[1]);
        cv::v_expand(g8, g[0], g[1]);
        cv::v_expand(r8, r[0], r[1]);
        cv::v_expand(cv::v_max(r8, cv::v_max(g8, b8)), mx[0], mx[1]);
        cv::v_expand(cv::v_min(r8, cv::v_min(g8, b8)), mn[0], mn[1]);
        v_int32x4 outB[4], outG[4], outR[4];
        for (int k = 0; k < 2; ++k) {
            WideHslTerms wide[2];
            Widen(HslTermsOf(b[k], g[k], r[k], mx[k], mn[k]), wide[0], wide[1]);
            for (int j = 0; j < 2; ++j)
                ShiftFour(wide[j], shiftVector, outB[2 * k + j], outG[2 * k + j], outR[2 * k + j]);
        }
        cv::v_store_interleave(p, Narrow(outB), Narrow(outG), Narrow(outR));
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
    // A shift is a saturating add of its positive part and a saturating subtract of its
    // negative part; 48 bytes hold 16 whole pixels, so the per-byte pattern repeats every 48.
    const long long shifts[3] = {blue, green, red};
    std::array<uint8_t, 48> raise{}, lower{};
    for (int j = 0; j < 48; ++j) {
        const long long shift = shifts[j % 3];
        raise[j] = ClampToByte(shift);
        lower[j] = ClampToByte(-shift);
    }
    const auto shiftRun = [&](uint8_t* bytes, int count) {
        int i = 0;
#if CV_SIMD128
        const v_uint8x16 raiseVectors[3] = {cv::v_load(&raise[0]), cv::v_load(&raise[16]),
                                            cv::v_load(&raise[32])};
        const v_uint8x16 lowerVectors[3] = {cv::v_load(&lower[0]), cv::v_load(&lower[16]),
                                            cv::v_load(&lower[32])};
        for (; i + 48 <= count; i += 48) {
            for (int k = 0; k < 3; ++k) {
                uint8_t* block = bytes + i + 16 * k;
                // + and - on 8-bit vectors saturate.
                cv::v_store(block, (cv::v_load(block) + raiseVectors[k]) - lowerVectors[k]);
            }
        }
#endif
        for (; i < count; ++i) bytes[i] = ClampToByte(bytes[i] + shifts[i % 3]);
    };
    if (image.isContinuous()) {
        shiftRun(image.ptr<uint8_t>(0), static_cast<int>(image.total() * 3));
        return;
    }
    for (int row = 0; row < image.rows; ++row) shiftRun(image.ptr<uint8_t>(row), image.cols * 3);
}

namespace {

// xorshift64*: a small generator whose every 64-bit output gives four 15-bit draws. One rand()
// call a value cost the noise filter six milliseconds a frame, almost all of it in the C
// library's locking; this makes the same number of draws in a fraction of that.
class FastDraws {
public:
    explicit FastDraws(uint64_t seed) : state_(seed != 0 ? seed : 0x9E3779B97F4A7C15ULL) {}
    uint64_t Next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1DULL;
    }

private:
    uint64_t state_;
};

}  // namespace

void AddNoise(cv::Mat& image, int level) {
    // The change for each possible draw, computed once a frame.
    std::vector<int> changeOf(32768);
    for (int draw = 0; draw < 32768; ++draw)
        changeOf[static_cast<size_t>(draw)] = static_cast<int>((draw / 32767.0 - 0.5) * level);
    const auto first = static_cast<uint64_t>(std::rand());
    const auto second = static_cast<uint64_t>(std::rand());
    const auto third = static_cast<uint64_t>(std::rand());
    FastDraws draws((first << 34) ^ (second << 17) ^ third);

    const int valuesPerRow = image.cols * 3;
    for (int row = 0; row < image.rows; ++row) {
        uint8_t* value = image.ptr<uint8_t>(row);
        int left = 0;
        uint64_t bits = 0;
        for (int i = 0; i < valuesPerRow; ++i) {
            if (left == 0) {
                bits = draws.Next();
                left = 4;
            }
            const int change = changeOf[bits & 0x7FFF];
            bits >>= 16;
            --left;
            value[i] = ClampToByte(value[i] + change);
        }
    }
}

}  // namespace effects

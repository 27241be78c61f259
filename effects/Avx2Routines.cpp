#include "effects/Avx2Routines.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

#include <immintrin.h>

#include <atomic>

namespace effects {
namespace {

// Only these functions use AVX2; they run after the processor check below. The float
// operations of the saturation shift are those of its 128-bit path in the same order, without
// fused multiply-adds, so every pixel comes out the same.
#define QUENVALOR_AVX2 __attribute__((target("avx2")))
#define QUENVALOR_AVX2_INLINE QUENVALOR_AVX2 inline __attribute__((always_inline))

// pshufb masks that split 48 bytes of 16 BGR pixels into one vector per channel and join
// them again: split[k][v] takes channel k's bytes from loaded vector v, join[v][k] puts
// channel k's bytes into stored vector v; -128 leaves a byte zero.
struct ShuffleMasks {
    int8_t split[3][3][16];
    int8_t join[3][3][16];
};

constexpr ShuffleMasks MakeShuffleMasks() {
    ShuffleMasks masks{};
    for (int k = 0; k < 3; ++k) {
        for (int v = 0; v < 3; ++v) {
            for (int i = 0; i < 16; ++i) {
                const int source = 3 * i + k;
                masks.split[k][v][i] = static_cast<int8_t>(source / 16 == v ? source % 16 : -128);
                const int target = 16 * v + i;
                masks.join[v][k][i] = static_cast<int8_t>(target % 3 == k ? target / 3 : -128);
            }
        }
    }
    return masks;
}

constexpr ShuffleMasks kMasks = MakeShuffleMasks();

QUENVALOR_AVX2_INLINE __m128i Mask(const int8_t (&bytes)[16]) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
}

// Which part of the HSL to RGB conversion one channel takes (see the 128-bit path).
struct ChannelPart {
    __m256 onRamp, onTop, t;
};

QUENVALOR_AVX2_INLINE ChannelPart PartOf(__m256 x) {
    const __m256 below60 = _mm256_cmp_ps(x, _mm256_set1_ps(60.f), _CMP_LT_OQ);
    const __m256 below180 = _mm256_cmp_ps(x, _mm256_set1_ps(180.f), _CMP_LT_OQ);
    const __m256 below240 = _mm256_cmp_ps(x, _mm256_set1_ps(240.f), _CMP_LT_OQ);
    return {_mm256_or_ps(below60, _mm256_xor_ps(below240, below180)), below180,
            _mm256_blendv_ps(_mm256_sub_ps(_mm256_set1_ps(240.f), x), x, below60)};
}

QUENVALOR_AVX2_INLINE __m256i ChannelByte(const ChannelPart& part, __m256 ramp, __m256 m1,
                                          __m256 m2) {
    const __m256 value =
        _mm256_blendv_ps(_mm256_blendv_ps(m1, m2, part.onTop), ramp, part.onRamp);
    return _mm256_cvttps_epi32(_mm256_mul_ps(value, _mm256_set1_ps(255.f)));
}

QUENVALOR_AVX2_INLINE __m256 ToFloat(__m256i v) {
    return _mm256_cvtepi32_ps(v);
}

// The saturation shift of 8 pixels, whose channels are the low 8 bytes of b8, g8 and r8.
QUENVALOR_AVX2_INLINE void ShiftEight(__m128i b8, __m128i g8, __m128i r8, __m256 shift,
                                      __m256i& outB, __m256i& outG, __m256i& outR) {
    const __m256i b = _mm256_cvtepu8_epi32(b8);
    const __m256i g = _mm256_cvtepu8_epi32(g8);
    const __m256i r = _mm256_cvtepu8_epi32(r8);
    const __m256i mx = _mm256_max_epi32(r, _mm256_max_epi32(g, b));
    const __m256i mn = _mm256_min_epi32(r, _mm256_min_epi32(g, b));
    const __m256i one = _mm256_set1_epi32(1);
    const __m256i sum = _mm256_add_epi32(mx, mn);
    const __m256i lightness = _mm256_srli_epi32(_mm256_add_epi32(sum, one), 1);
    const __m256i delta = _mm256_sub_epi32(mx, mn);
    const __m256i dark = _mm256_cmpgt_epi32(_mm256_set1_epi32(128), lightness);
    const __m256i d = _mm256_max_epi32(
        _mm256_blendv_epi8(_mm256_sub_epi32(_mm256_set1_epi32(510), sum), sum, dark), one);
    const __m256i halfDelta = _mm256_srli_epi32(delta, 1);
    const __m256i k42 = _mm256_set1_epi32(42);
    const __m256i nR = _mm256_add_epi32(_mm256_mullo_epi32(_mm256_sub_epi32(mx, r), k42), halfDelta);
    const __m256i nG = _mm256_add_epi32(_mm256_mullo_epi32(_mm256_sub_epi32(mx, g), k42), halfDelta);
    const __m256i nB = _mm256_add_epi32(_mm256_mullo_epi32(_mm256_sub_epi32(mx, b), k42), halfDelta);
    const __m256i redMax = _mm256_cmpeq_epi32(r, mx);
    const __m256i greenMax = _mm256_cmpeq_epi32(g, mx);
    const __m256i flat = _mm256_cmpeq_epi32(delta, _mm256_setzero_si256());
    // Red largest: bd - gd; green: 85 + rd - bd; blue: 170 + gd - rd; no colour: 170.
    const __m256i added = _mm256_blendv_epi8(_mm256_blendv_epi8(nG, nR, greenMax), nB, redMax);
    const __m256i taken = _mm256_blendv_epi8(_mm256_blendv_epi8(nR, nB, greenMax), nG, redMax);
    const __m256i k170 = _mm256_set1_epi32(170);
    const __m256i base = _mm256_blendv_epi8(
        _mm256_blendv_epi8(_mm256_blendv_epi8(k170, _mm256_set1_epi32(85), greenMax),
                           _mm256_setzero_si256(), redMax),
        k170, flat);
    const __m256i sNumerator =
        _mm256_add_epi32(_mm256_mullo_epi32(delta, _mm256_set1_epi32(255)), _mm256_srli_epi32(d, 1));
    const __m256 hDenominator = ToFloat(_mm256_max_epi32(delta, one));

    const __m256i saturation = _mm256_cvttps_epi32(_mm256_div_ps(ToFloat(sNumerator), ToFloat(d)));
    const __m256i hue = _mm256_and_si256(
        _mm256_sub_epi32(
            _mm256_add_epi32(base, _mm256_cvttps_epi32(_mm256_div_ps(ToFloat(added), hDenominator))),
            _mm256_cvttps_epi32(_mm256_div_ps(ToFloat(taken), hDenominator))),
        _mm256_set1_epi32(255));
    const __m256 k255 = _mm256_set1_ps(255.f);
    const __m256 shifted = _mm256_min_ps(
        _mm256_max_ps(_mm256_add_ps(ToFloat(saturation), shift), _mm256_setzero_ps()), k255);

    const __m256 l = _mm256_div_ps(ToFloat(lightness), k255);
    const __m256 s = _mm256_div_ps(shifted, k255);
    const __m256 h = _mm256_div_ps(_mm256_mul_ps(ToFloat(hue), _mm256_set1_ps(360.f)), k255);
    const __m256 m2 = _mm256_blendv_ps(_mm256_sub_ps(_mm256_add_ps(l, s), _mm256_mul_ps(l, s)),
                                       _mm256_mul_ps(l, _mm256_add_ps(_mm256_set1_ps(1.f), s)),
                                       _mm256_cmp_ps(l, _mm256_set1_ps(0.5f), _CMP_LE_OQ));
    const __m256 m1 = _mm256_sub_ps(_mm256_mul_ps(_mm256_set1_ps(2.f), l), m2);
    const __m256 full = _mm256_set1_ps(360.f);
    const __m256 xr = _mm256_add_ps(h, _mm256_set1_ps(120.f));
    const __m256 xb = _mm256_sub_ps(h, _mm256_set1_ps(120.f));
    const ChannelPart red =
        PartOf(_mm256_blendv_ps(xr, _mm256_sub_ps(xr, full), _mm256_cmp_ps(xr, full, _CMP_GT_OQ)));
    const ChannelPart green = PartOf(h);
    const ChannelPart blue = PartOf(_mm256_blendv_ps(
        xb, _mm256_add_ps(xb, full), _mm256_cmp_ps(xb, _mm256_setzero_ps(), _CMP_LT_OQ)));
    const __m256 t =
        _mm256_blendv_ps(_mm256_blendv_ps(blue.t, green.t, green.onRamp), red.t, red.onRamp);
    const __m256 ramp =
        _mm256_add_ps(m1, _mm256_div_ps(_mm256_mul_ps(_mm256_sub_ps(m2, m1), t), _mm256_set1_ps(60.f)));
    outR = ChannelByte(red, ramp, m1, m2);
    outG = ChannelByte(green, ramp, m1, m2);
    outB = ChannelByte(blue, ramp, m1, m2);
}

// Sixteen values in two vectors of 8 ints, clamped to 0..255, as 16 bytes in order.
QUENVALOR_AVX2_INLINE __m128i Narrow(__m256i low, __m256i high) {
    // The 128-bit halves pack separately; the permutation puts the four quarters back in order.
    const __m256i words = _mm256_permute4x64_epi64(_mm256_packs_epi32(low, high), 0xD8);
    return _mm_packus_epi16(_mm256_castsi256_si128(words), _mm256_extracti128_si256(words, 1));
}

// The three channels of 16 BGR pixels, one vector each.
QUENVALOR_AVX2_INLINE void Split(const uint8_t* p, __m128i channel[3]) {
    const __m128i in[3] = {_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
                           _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16)),
                           _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 32))};
    for (int k = 0; k < 3; ++k) {
        channel[k] = _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(in[0], Mask(kMasks.split[k][0])),
                                               _mm_shuffle_epi8(in[1], Mask(kMasks.split[k][1]))),
                                  _mm_shuffle_epi8(in[2], Mask(kMasks.split[k][2])));
    }
}

// Stores the three channel vectors as 16 BGR pixels.
QUENVALOR_AVX2_INLINE void Join(const __m128i channel[3], uint8_t* p) {
    for (int v = 0; v < 3; ++v) {
        const __m128i joined =
            _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(channel[0], Mask(kMasks.join[v][0])),
                                      _mm_shuffle_epi8(channel[1], Mask(kMasks.join[v][1]))),
                         _mm_shuffle_epi8(channel[2], Mask(kMasks.join[v][2])));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 16 * v), joined);
    }
}

QUENVALOR_AVX2 int ShiftBlocks(uint8_t* pixels, int count, int shift) {
    const __m256 shiftVector = _mm256_set1_ps(static_cast<float>(shift));
    int i = 0;
    for (; i + 16 <= count; i += 16) {
        uint8_t* p = pixels + i * 3;
        __m128i channel[3];
        Split(p, channel);
        __m256i low[3], high[3];
        ShiftEight(channel[0], channel[1], channel[2], shiftVector, low[0], low[1], low[2]);
        ShiftEight(_mm_srli_si128(channel[0], 8), _mm_srli_si128(channel[1], 8),
                   _mm_srli_si128(channel[2], 8), shiftVector, high[0], high[1], high[2]);
        __m128i out[3];
        for (int k = 0; k < 3; ++k) out[k] = Narrow(low[k], high[k]);
        Join(out, p);
    }
    return i;
}

QUENVALOR_AVX2 int BlendBlocks(uint8_t* f, const uint8_t* e, const uint8_t* a, int count,
                               bool inverted) {
    const __m256i k255 = _mm256_set1_epi16(255);
    const __m256i one = _mm256_set1_epi16(1);
    int i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m256i alpha =
            _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i)));
        const __m256i over = inverted ? _mm256_sub_epi16(k255, alpha) : alpha;
        const __m256i under = _mm256_sub_epi16(k255, over);
        __m128i frame[3], layer[3];
        Split(f + i * 3, frame);
        Split(e + i * 3, layer);
        for (int k = 0; k < 3; ++k) {
            // At most 255 * 255 and, in the division by 255, 65280: no 16-bit lane wraps.
            const __m256i v =
                _mm256_add_epi16(_mm256_mullo_epi16(under, _mm256_cvtepu8_epi16(frame[k])),
                                 _mm256_mullo_epi16(over, _mm256_cvtepu8_epi16(layer[k])));
            const __m256i q = _mm256_srli_epi16(
                _mm256_add_epi16(_mm256_add_epi16(v, one), _mm256_srli_epi16(v, 8)), 8);
            frame[k] = _mm_packus_epi16(_mm256_castsi256_si128(q), _mm256_extracti128_si256(q, 1));
        }
        Join(frame, f + i * 3);
    }
    return i;
}

std::atomic<bool> avx2Allowed{true};

bool HasAvx2() {
    static const bool available = __builtin_cpu_supports("avx2");
    return available && avx2Allowed.load(std::memory_order_relaxed);
}

}  // namespace

int ShiftSaturationAvx2(uint8_t* pixels, int count, int shift) {
    return HasAvx2() ? ShiftBlocks(pixels, count, shift) : 0;
}

int BlendAvx2(uint8_t* f, const uint8_t* e, const uint8_t* a, int count, bool inverted) {
    return HasAvx2() ? BlendBlocks(f, e, a, count, inverted) : 0;
}

void AllowAvx2(bool allowed) {
    avx2Allowed = allowed;
}

}  // namespace effects

#else

namespace effects {

int ShiftSaturationAvx2(uint8_t*, int, int) {
    return 0;
}

int BlendAvx2(uint8_t*, const uint8_t*, const uint8_t*, int, bool) {
    return 0;
}

void AllowAvx2(bool) {}

}  // namespace effects

#endif

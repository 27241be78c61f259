#include "recording/ColourConversion.h"

#include <algorithm>
#include <array>

// The vector form is compiled for three instruction sets and picked when the program loads.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define QUENVALOR_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define QUENVALOR_VECTOR_CLONES
#endif

namespace recording {
namespace {

constexpr int32_t kYFromR = 16831, kYFromG = 33040, kYFromB = 6412;
constexpr int32_t kCbFromR = -9702, kCbFromG = -19046, kCbFromB = 28748;
constexpr int32_t kCrFromR = 28783, kCrFromG = -24105, kCrFromB = -4678;

constexpr int kClampLowest = -384;
constexpr int kClampHighest = 639;

struct ColourTables {
    std::array<int32_t, 256> yFromR, yFromG, yFromB;
    std::array<int32_t, 256> cbFromR, cbFromG, cbFromB;
    std::array<int32_t, 256> crFromR, crFromG, crFromB;
    std::array<uint8_t, kClampHighest - kClampLowest + 1> clamp;

    uint8_t Clamp(int32_t value) const { return clamp[value - kClampLowest]; }
};

ColourTables BuildTables() {
    ColourTables tables{};
    for (int32_t i = 0; i < 256; ++i) {
        tables.yFromR[i] = i * kYFromR;
        tables.yFromG[i] = i * kYFromG;
        tables.yFromB[i] = i * kYFromB;
        tables.cbFromR[i] = i * kCbFromR;
        tables.cbFromG[i] = i * kCbFromG;
        tables.cbFromB[i] = i * kCbFromB;
        tables.crFromR[i] = i * kCrFromR;
        tables.crFromG[i] = i * kCrFromG;
        tables.crFromB[i] = i * kCrFromB;
    }
    for (int i = kClampLowest; i <= kClampHighest; ++i) {
        tables.clamp[i - kClampLowest] = static_cast<uint8_t>(std::clamp(i, 0, 255));
    }
    return tables;
}

const ColourTables& Tables() {
    static const ColourTables tables = BuildTables();
    return tables;
}

struct Planes {
    uint8_t* y;
    uint8_t* cb;
    uint8_t* cr;
};

Planes PlanesOf(uint8_t* target, int width, int height) {
    uint8_t* cb = target + static_cast<std::size_t>(width) * height;
    uint8_t* cr = cb + static_cast<std::size_t>(width / 2) * (height / 2);
    return {target, cb, cr};
}

// The vector form works on a block of one row at a time: the interleaved pixels are split into
// three planes first (the one step that needs shuffles), then Y and chroma are plain loops over
// contiguous bytes. The coefficients keep Y within 16..235 and chroma within 16..240, so the
// clamp of the table form never bites and is left out.
constexpr int kBlockPixels = 2048;

inline void SplitChannels(const uint8_t* __restrict bgr, uint8_t* __restrict b,
                          uint8_t* __restrict g, uint8_t* __restrict r, int count) {
    for (int x = 0; x < count; ++x) {
        b[x] = bgr[3 * x];
        g[x] = bgr[3 * x + 1];
        r[x] = bgr[3 * x + 2];
    }
}

inline void LumaFromChannels(const uint8_t* __restrict b, const uint8_t* __restrict g,
                             const uint8_t* __restrict r, uint8_t* __restrict y, int count) {
    for (int x = 0; x < count; ++x) {
        const int32_t sum = kYFromR * r[x] + kYFromG * g[x] + kYFromB * b[x];
        y[x] = static_cast<uint8_t>(16 + (sum >> 16));
    }
}

// Chroma of every second pixel, starting with the first; `count` is the number of chroma samples.
inline void ChromaFromChannels(const uint8_t* __restrict b, const uint8_t* __restrict g,
                               const uint8_t* __restrict r, uint8_t* __restrict cb,
                               uint8_t* __restrict cr, int count) {
    for (int x = 0; x < count; ++x) {
        const int32_t blue = b[2 * x], green = g[2 * x], red = r[2 * x];
        cb[x] = static_cast<uint8_t>(128 +
                                     ((kCbFromR * red + kCbFromG * green + kCbFromB * blue) >> 16));
        cr[x] = static_cast<uint8_t>(128 +
                                     ((kCrFromR * red + kCrFromG * green + kCrFromB * blue) >> 16));
    }
}

}  // namespace

void InitColourTables() {
    Tables();
}

void ConvertBgrToI420ByTables(const uint8_t* source, uint8_t* target, int width, int height) {
    const ColourTables& t = Tables();
    const Planes planes = PlanesOf(target, width, height);
    const std::size_t sourceStride = static_cast<std::size_t>(width) * 3;
    const int chromaWidth = width / 2;
    for (int row = 0; row + 4 <= height; row += 4) {
        for (int column = 0; column + 2 <= width; column += 2) {
            for (int dy = 0; dy < 4; ++dy) {
                const uint8_t* pixel = source + (row + dy) * sourceStride + column * 3;
                uint8_t* y = planes.y + static_cast<std::size_t>(row + dy) * width + column;
                for (int dx = 0; dx < 2; ++dx, pixel += 3) {
                    const uint8_t b = pixel[0], g = pixel[1], r = pixel[2];
                    y[dx] = t.Clamp(16 + ((t.yFromR[r] + t.yFromG[g] + t.yFromB[b]) >> 16));
                }
            }
            // Chroma rows 0 and 1 of the step come from source rows 0 and 2.
            for (int half = 0; half < 2; ++half) {
                const uint8_t* pixel = source + (row + 2 * half) * sourceStride + column * 3;
                const uint8_t b = pixel[0], g = pixel[1], r = pixel[2];
                const std::size_t at =
                    static_cast<std::size_t>(row / 2 + half) * chromaWidth + column / 2;
                planes.cb[at] = t.Clamp(128 + ((t.cbFromR[r] + t.cbFromG[g] + t.cbFromB[b]) >> 16));
                planes.cr[at] = t.Clamp(128 + ((t.crFromR[r] + t.crFromG[g] + t.crFromB[b]) >> 16));
            }
        }
    }
}

QUENVALOR_VECTOR_CLONES
void ConvertBgrToI420(const uint8_t* source, uint8_t* target, int width, int height) {
    const Planes planes = PlanesOf(target, width, height);
    const int rows = height & ~3;
    const int columns = width & ~1;
    const int chromaWidth = width / 2;
    alignas(64) uint8_t blue[kBlockPixels];
    alignas(64) uint8_t green[kBlockPixels];
    alignas(64) uint8_t red[kBlockPixels];
    for (int row = 0; row < rows; ++row) {
        const uint8_t* sourceRow = source + static_cast<std::size_t>(row) * width * 3;
        uint8_t* yRow = planes.y + static_cast<std::size_t>(row) * width;
        const std::size_t chromaRow = static_cast<std::size_t>(row / 2) * chromaWidth;
        for (int first = 0; first < columns; first += kBlockPixels) {
            const int count = std::min(kBlockPixels, columns - first);
            SplitChannels(sourceRow + 3 * first, blue, green, red, count);
            LumaFromChannels(blue, green, red, yRow + first, count);
            if (row % 2 == 0) {
                const std::size_t at = chromaRow + first / 2;
                ChromaFromChannels(blue, green, red, planes.cb + at, planes.cr + at, count / 2);
            }
        }
    }
}

}  // namespace recording

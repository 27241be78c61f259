#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "recording/ColourConversion.h"

using recording::ConvertBgrToI420;
using recording::ConvertBgrToI420ByTables;
using recording::I420FrameBytes;

namespace {

constexpr uint8_t kUntouched = 0xA5;

struct Ycc {
    int y, cb, cr;
};

// The conversion written out plainly, pixel by pixel, as the reference for both forms.
Ycc ReferencePixel(int b, int g, int r) {
    auto clamp = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
    return {clamp(16 + ((16831 * r + 33040 * g + 6412 * b) >> 16)),
            clamp(128 + ((-9702 * r - 19046 * g + 28748 * b) >> 16)),
            clamp(128 + ((28783 * r - 24105 * g - 4678 * b) >> 16))};
}

std::vector<uint8_t> ReferenceConvert(const std::vector<uint8_t>& bgr, int width, int height) {
    std::vector<uint8_t> out(I420FrameBytes(width, height), kUntouched);
    uint8_t* cb = out.data() + width * height;
    uint8_t* cr = cb + (width / 2) * (height / 2);
    const int rows = height / 4 * 4, columns = width / 2 * 2;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const uint8_t* p = &bgr[(row * width + column) * 3];
            const Ycc value = ReferencePixel(p[0], p[1], p[2]);
            out[row * width + column] = static_cast<uint8_t>(value.y);
            if (row % 2 == 0 && column % 2 == 0) {
                cb[row / 2 * (width / 2) + column / 2] = static_cast<uint8_t>(value.cb);
                cr[row / 2 * (width / 2) + column / 2] = static_cast<uint8_t>(value.cr);
            }
        }
    }
    return out;
}

std::vector<uint8_t> Convert(void (*convert)(const uint8_t*, uint8_t*, int, int),
                             const std::vector<uint8_t>& bgr, int width, int height) {
    std::vector<uint8_t> out(I420FrameBytes(width, height), kUntouched);
    convert(bgr.data(), out.data(), width, height);
    return out;
}

std::vector<uint8_t> Uniform(int width, int height, uint8_t b, uint8_t g, uint8_t r) {
    std::vector<uint8_t> bgr(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t i = 0; i < bgr.size(); i += 3) {
        bgr[i] = b;
        bgr[i + 1] = g;
        bgr[i + 2] = r;
    }
    return bgr;
}

}  // namespace

TEST(Recording_ColourConversion, KnownColoursGiveTheirStudioRangeValues) {
    struct Case {
        uint8_t b, g, r;
        int y, cb, cr;
    };
    const Case cases[] = {{255, 255, 255, 234, 128, 128},
                          {0, 0, 0, 16, 128, 128},
                          {0, 0, 255, 81, 90, 239},
                          {255, 0, 0, 40, 239, 109}};
    for (const Case& c : cases) {
        for (auto convert : {&ConvertBgrToI420, &ConvertBgrToI420ByTables}) {
            const std::vector<uint8_t> out = Convert(convert, Uniform(4, 4, c.b, c.g, c.r), 4, 4);
            EXPECT_EQ(out[0], c.y) << int(c.b) << "," << int(c.g) << "," << int(c.r);
            EXPECT_EQ(out[15], c.y);
            EXPECT_EQ(out[16], c.cb);
            EXPECT_EQ(out[20], c.cr);
        }
    }
}

TEST(Recording_ColourConversion, ChromaComesFromTheTopLeftPixelOfEachBlock) {
    // Two 2 x 2 blocks stacked: red at the top left of the first, blue at the top left of the
    // second, white everywhere else.
    std::vector<uint8_t> bgr = Uniform(2, 4, 255, 255, 255);
    bgr[0] = 0, bgr[1] = 0, bgr[2] = 255;                      // (0, 0) red
    bgr[2 * 6] = 255, bgr[2 * 6 + 1] = 0, bgr[2 * 6 + 2] = 0;  // (row 2, 0) blue
    for (auto convert : {&ConvertBgrToI420, &ConvertBgrToI420ByTables}) {
        const std::vector<uint8_t> out = Convert(convert, bgr, 2, 4);
        EXPECT_EQ(out[8], 90);    // Cb row 0: red
        EXPECT_EQ(out[9], 239);   // Cb row 1: blue
        EXPECT_EQ(out[10], 239);  // Cr row 0: red
        EXPECT_EQ(out[11], 109);  // Cr row 1: blue
    }
}

TEST(Recording_ColourConversion, RowsPastTheLastFourAndALastOddColumnAreLeftAlone) {
    const int width = 5, height = 6;
    for (auto convert : {&ConvertBgrToI420, &ConvertBgrToI420ByTables}) {
        const std::vector<uint8_t> out =
            Convert(convert, Uniform(width, height, 9, 9, 9), width, height);
        for (int row = 0; row < height; ++row) {
            for (int column = 0; column < width; ++column) {
                const bool converted = row < 4 && column < 4;
                EXPECT_EQ(out[row * width + column] != kUntouched, converted)
                    << row << "," << column;
            }
        }
        const uint8_t* cb = out.data() + width * height;  // 3 rows of 2 chroma samples
        EXPECT_NE(cb[1 * 2 + 1], kUntouched);
        EXPECT_EQ(cb[2 * 2], kUntouched) << "chroma row 2 belongs to source rows 4 and 5";
        EXPECT_EQ(cb[2 * 2 + 1], kUntouched);
    }
}

TEST(Recording_ColourConversion, VectorFormMatchesThePlainReferenceOnRandomFrames) {
    std::mt19937 random(20100517);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::pair<int, int> sizes[] = {{320, 240}, {2, 4}, {7, 9},    {34, 6},
                                         {64, 3},    {1, 8}, {4100, 4}, {130, 17}};
    for (auto [width, height] : sizes) {
        std::vector<uint8_t> bgr(static_cast<std::size_t>(width) * height * 3);
        for (uint8_t& value : bgr) value = static_cast<uint8_t>(byte(random));
        const std::vector<uint8_t> expected = ReferenceConvert(bgr, width, height);
        EXPECT_EQ(Convert(&ConvertBgrToI420, bgr, width, height), expected)
            << width << "x" << height;
        EXPECT_EQ(Convert(&ConvertBgrToI420ByTables, bgr, width, height), expected)
            << width << "x" << height;
    }
}

TEST(Recording_ColourConversion, VectorFormEqualsTheTableFormForEveryColour) {
    // One 512 x 512 frame per red value, each 2 x 2 block one (blue, green) pair, so every colour
    // is seen by both the luma and the chroma path.
    const int side = 512;
    std::vector<uint8_t> bgr(side * side * 3);
    std::vector<uint8_t> byTables(I420FrameBytes(side, side)), byVectors(byTables.size());
    for (int red = 0; red < 256; ++red) {
        for (int row = 0; row < side; ++row) {
            for (int column = 0; column < side; ++column) {
                uint8_t* pixel = &bgr[(row * side + column) * 3];
                pixel[0] = static_cast<uint8_t>(column / 2);
                pixel[1] = static_cast<uint8_t>(row / 2);
                pixel[2] = static_cast<uint8_t>(red);
            }
        }
        ConvertBgrToI420ByTables(bgr.data(), byTables.data(), side, side);
        ConvertBgrToI420(bgr.data(), byVectors.data(), side, side);
        ASSERT_EQ(byVectors, byTables) << "red " << red;
    }
}

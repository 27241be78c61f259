#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace effects {

// Everything an effect file says about one effect: the header fields in file order, the
// placement rectangle and the PNG picture from the data area, and the first string of the
// string table. All integers are stored in the file as 32-bit little-endian values.
struct EffectDescriptor {
    struct Point {
        int32_t x = 0;
        int32_t y = 0;
        bool operator==(const Point&) const = default;
    };
    // Four corners P0..P3 exactly as stored; the loader decides how to order them.
    using Quad = std::array<Point, 4>;

    int32_t type = 0;
    int32_t distortionCode = 0;
    int32_t filterCode = 0;
    int32_t placement = 0;
    int32_t frameCount = 0;
    int32_t sizeMode = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t widthPercent = 0;
    int32_t heightPercent = 0;
    int32_t playOnce = 0;
    std::vector<int32_t> delays;  // frameCount display times in milliseconds
    int32_t x = 0;
    int32_t y = 0;
    int32_t randomPosition = 0;
    int32_t quadCount = 0;
    int32_t referenceSize = 0;
    std::vector<Quad> quadsPixels;  // quadCount quadrangles in frame pixels
    std::vector<Quad> quadsScaled;  // the same quadrangles in units of referenceSize
    int32_t gridColumns = 0;
    int32_t gridRows = 0;
    int32_t redShift = 0;
    int32_t greenShift = 0;
    int32_t blueShift = 0;
    int32_t brightness = 0;
    int32_t saturation = 0;
    int32_t contrast = 0;
    int32_t rotationDegrees = 0;
    std::array<int32_t, 9> kernel3{};   // 3 x 3, row by row
    std::array<int32_t, 25> kernel5{};  // 5 x 5, row by row
    int32_t kernelOffset = 0;
    int32_t kernelDivisor = 0;
    // The uninterpreted integers in file order: one after type, two after y, two after
    // kernelDivisor. Kept so that a file read and written again is unchanged.
    std::array<int32_t, 5> reserved{};

    std::array<int32_t, 4> placementRect{};  // from the rectangle block
    std::optional<std::string> text;         // first string of the string table
    int32_t imageSize = 0;                   // always image.size()
    std::vector<uint8_t> image;              // a complete PNG file

    bool operator==(const EffectDescriptor&) const = default;
};

}  // namespace effects

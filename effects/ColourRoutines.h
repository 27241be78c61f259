#pragma once

#include <opencv2/core.hpp>

#include <array>
#include <cstdint>

// Colour routines of the filters. They work on 8-bit BGR images in place and clamp every
// result to 0..255. Apart from the noise, whose draws follow the bottom-up working picture,
// they change each pixel on its own, so row order does not matter to them.
namespace effects {

using ByteTable = std::array<uint8_t, 256>;

// table[i] = trunc((b + 128) + (c + 100) * 0.01 * (i - 128) + 0.5), clamped.
ByteTable BrightnessContrastTable(int brightness, int contrast);
// Every blue, green and red byte v becomes table[v].
void ApplyByteTable(cv::Mat& image, const ByteTable& table);

// Adds `shift` to the saturation of every pixel: integer RGB to HSL, S replaced by S + shift
// clamped, floating HSL back to RGB (single precision).
void ShiftSaturation(cv::Mat& image, int shift);

// Adds the shifts to the red, green and blue bytes.
void ShiftColours(cv::Mat& image, int red, int green, int blue);

// Adds trunc((r / 32767 - 0.5) * level) to each channel, clamped, with its own uniform draw r
// in 0..32767 per channel. The draws come from a fast generator that takes its seed from three
// draws of the C library's rand(), so the noise differs from frame to frame, follows srand(),
// and advances the sequence that random placement shares.
void AddNoise(cv::Mat& image, int level);

// One draw of the C library's rand() in the range 0..32767, whatever the library's RAND_MAX.
int DrawRand15();

}  // namespace effects

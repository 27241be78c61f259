#pragma once

#include <cstddef>
#include <cstdint>

namespace recording {

// BGR to planar Y/Cb/Cr 4:2:0 with the BT.601 studio-range coefficients in 16.16 fixed point:
//   Y  = 16  + ((16831 R + 33040 G +  6412 B) >> 16)
//   Cb = 128 + ((-9702 R - 19046 G + 28748 B) >> 16)
//   Cr = 128 + ((28783 R - 24105 G -  4678 B) >> 16)
// with an arithmetic shift (rounding towards minus infinity), each result clamped to 0..255.
//
// Source: `height` rows of 3 x `width` bytes (B, G, R), no padding, top row first.
// Target: the Y plane (width x height bytes), then the Cb plane, then the Cr plane (each
// width/2 x height/2 bytes). Chroma is taken from the top-left pixel of each 2 x 2 block, without
// averaging. The picture is walked in steps of 4 rows by 2 columns: rows past the last multiple
// of 4 and a last odd column are left untouched in the target.

// Bytes of a converted frame: 115,200 for 320 x 240.
constexpr std::size_t I420FrameBytes(int width, int height) {
    return static_cast<std::size_t>(width) * height +
           2 * static_cast<std::size_t>(width / 2) * (height / 2);
}

// Builds the lookup tables of ConvertBgrToI420ByTables. Safe to call more than once and from any
// thread; the table form also builds them on first use.
void InitColourTables();

// The table-driven form: nine tables of i x coefficient and a clamp table over -384..639.
void ConvertBgrToI420ByTables(const uint8_t* source, uint8_t* target, int width, int height);

// The form the recorder uses: the same arithmetic with plain multiplies, which the compiler turns
// into vector code. Gives exactly the bytes of the table form.
void ConvertBgrToI420(const uint8_t* source, uint8_t* target, int width, int height);

}  // namespace recording

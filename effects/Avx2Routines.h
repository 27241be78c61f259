#pragma once

#include <cstdint>

// The 256-bit versions of the busiest per-pixel routines, chosen at run time where the processor
// has AVX2. Each gives exactly the result of the portable routine it stands in for.
namespace effects {

// Shifts the saturation of the first 16-pixel blocks of `count` BGR pixels with 256-bit
// vectors, exactly as the 128-bit and scalar paths of ShiftSaturation do, when the processor
// has AVX2. Returns how many pixels it shifted (a multiple of 16, 0 without AVX2); the caller
// shifts the rest.
int ShiftSaturationAvx2(uint8_t* pixels, int count, int shift);

// Blends the first 16-pixel blocks of `count` BGR layer pixels `e` onto the frame pixels `f` by
// the mask values `a`, as CompositeLayer does (mode 1 when `inverted`), when the processor has
// AVX2. Returns how many pixels it blended (a multiple of 16, 0 without AVX2).
int BlendAvx2(uint8_t* f, const uint8_t* e, const uint8_t* a, int count, bool inverted);

// Whether the routines above may use AVX2 at all (they may by default); tests turn it off to run
// the portable paths on a processor that has AVX2.
void AllowAvx2(bool allowed);

}  // namespace effects

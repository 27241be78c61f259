#pragma once

#include <cstdint>

namespace effects {

// Shifts the saturation of the first 16-pixel blocks of `count` BGR pixels with 256-bit
// vectors, exactly as the 128-bit and scalar paths of ShiftSaturation do, when the processor
// has AVX2. Returns how many pixels it shifted (a multiple of 16, 0 without AVX2); the caller
// shifts the rest.
int ShiftSaturationAvx2(uint8_t* pixels, int count, int shift);

}  // namespace effects

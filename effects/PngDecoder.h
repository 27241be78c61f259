#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "effects/DecodedPicture.h"

namespace effects {

// The largest picture the decoder takes: at most kMaxPngSide pixels on either side and
// kMaxPngPixels pixels in all (a strip of many frames is tall, not wide).
inline constexpr int kMaxPngSide = 16384;
inline constexpr long long kMaxPngPixels = 16LL * 1024 * 1024;

// Decodes a PNG file held in memory into 8-bit blue, green, red and alpha with the rows stored
// bottom-up, the form the effects take. Every PNG colour type and bit depth is accepted; a
// picture without an alpha channel or transparency chunk is opaque. Nothing for data that is
// not a complete, undamaged PNG, or for a picture beyond the limits above. The header is
// checked before any pixel memory is taken, also against the size of the data: a header that
// promises more pixels than the data could ever inflate to is refused at once.
std::optional<DecodedPicture> DecodePng(std::span<const uint8_t> data);

}  // namespace effects

#pragma once

#include <string>
#include <vector>

#include "effects/EffectDescriptor.h"

namespace effects {

// Writes a complete effect file at `path`: the header area with the descriptor and `strings`
// in its string table, descriptor.image (a PNG file) at the start of the data area, and the
// four integers of descriptor.placementRect right behind it. descriptor.imageSize and text are
// not used: the image's length and `strings` stand for them.
//
// The counts must match their arrays and fit in the header area. Strings are kept in order
// while they fit (at most CBinFile::kMaxStrings); the rest are left out, as the container
// does. The file is written under a temporary name and renamed into place, so a failure
// leaves no file behind and an existing file untouched. On failure `error` says why.
bool WriteEffectFile(const std::string& path, const EffectDescriptor& descriptor,
                     const std::vector<std::string>& strings, std::string& error);

}  // namespace effects

#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "effects/EffectDescriptor.h"
#include "effects/EffectFile.h"

namespace eft {

// The JSON form of an effect file: every descriptor field under its own name, the reserved
// integers as "reserved" in file order, the block directory, "placementRect" and "strings".
// A quadrangle is an array of four [x, y] pairs.
nlohmann::ordered_json EffectFileToJson(const effects::EffectFile& file,
                                        const effects::EffectDescriptor& descriptor);

// Fills `descriptor` and `strings` from an object of the same form. Fields left out are 0 or
// empty; the block directory is accepted and ignored, since writing derives it from the
// picture. Unknown fields and values of the wrong kind are refused with a reason in `error`.
bool DescriptorFromJson(const nlohmann::ordered_json& object, effects::EffectDescriptor& descriptor,
                        std::vector<std::string>& strings, std::string& error);

}  // namespace eft

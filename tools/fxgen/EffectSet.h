#pragma once

#include <QImage>
#include <QRect>

#include <nlohmann/json.hpp>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fxgen {

// What an effect file is packed from: the descriptor in the form quenvalor-eft packs, and the
// picture (null for filters and distortions, which show no picture of their own).
struct PackedEffect {
    nlohmann::ordered_json descriptor;
    QImage picture;
};

// One effect of the set: where it goes, how it is made and how its thumbnail is made.
struct EffectEntry {
    std::string category;
    std::string name;
    std::function<PackedEffect()> make;
    // The moment of the animation the thumbnail shows.
    uint32_t thumbnailTimeMs = 0;
    // The part of the rendered frame the thumbnail shows (4:3, like the thumbnail).
    QRect thumbnailArea;
};

// The categories in the browser's order.
const std::vector<std::string>& Categories();

// Every effect the program ships. Building the list draws nothing; `make` does.
std::vector<EffectEntry> EffectSet();

}  // namespace fxgen

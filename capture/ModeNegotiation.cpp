#include "capture/ModeNegotiation.h"

#include <gst/gst.h>

#include <algorithm>
#include <tuple>

namespace capture {
namespace {

constexpr const char* kRaw = "video/x-raw";
constexpr const char* kJpeg = "image/jpeg";

bool Decodable(const OfferedMode& mode) { return mode.media == kRaw || mode.media == kJpeg; }

bool Covers(const OfferedMode& mode, const CameraNeed& need) {
    return mode.width >= need.width && mode.height >= need.height;
}

bool FastEnough(const OfferedMode& mode, const CameraNeed& need) {
    // A camera that names no rate is taken at its word that it keeps up.
    return mode.rateNumerator == 0 || mode.Rate() + 1e-6 >= need.framesPerSecond;
}

long Area(const OfferedMode& mode) { return long(mode.width) * mode.height; }

// The first of `offered` that passes `accept` and is least by `key`.
template <typename Accept, typename Key>
std::optional<OfferedMode> Least(const std::vector<OfferedMode>& offered, Accept accept, Key key) {
    std::optional<OfferedMode> best;
    for (const OfferedMode& mode : offered)
        if (accept(mode) && (!best || key(mode) < key(*best))) best = mode;
    return best;
}

// The value of an integer field nearest to `wanted`: itself, or clamped into its range.
std::optional<int> IntNear(const GstStructure* structure, const char* field, int wanted) {
    const GValue* value = gst_structure_get_value(structure, field);
    if (!value) return std::nullopt;
    if (G_VALUE_HOLDS_INT(value)) return g_value_get_int(value);
    if (GST_VALUE_HOLDS_INT_RANGE(value))
        return std::clamp(wanted, gst_value_get_int_range_min(value),
                          gst_value_get_int_range_max(value));
    return std::nullopt;
}

// The highest rate of a rate field: a fraction, a list of fractions or a fraction range.
std::pair<int, int> HighestRate(const GValue* value) {
    if (!value) return {0, 1};
    if (GST_VALUE_HOLDS_FRACTION(value))
        return {gst_value_get_fraction_numerator(value), gst_value_get_fraction_denominator(value)};
    if (GST_VALUE_HOLDS_FRACTION_RANGE(value)) return HighestRate(gst_value_get_fraction_range_max(value));
    if (GST_VALUE_HOLDS_LIST(value)) {
        std::pair<int, int> best{0, 1};
        for (guint index = 0; index < gst_value_list_get_size(value); ++index) {
            const auto rate = HighestRate(gst_value_list_get_value(value, index));
            if (rate.second > 0 && (best.first == 0 || double(rate.first) / rate.second >
                                                           double(best.first) / best.second))
                best = rate;
        }
        return best;
    }
    return {0, 1};
}

}  // namespace

std::optional<OfferedMode> ChooseCameraMode(const std::vector<OfferedMode>& offered,
                                            const CameraNeed& need) {
    const auto smallest = [](const OfferedMode& mode) {
        return std::make_tuple(Area(mode), mode.media != kRaw);
    };
    for (const char* media : {kRaw, kJpeg}) {
        auto chosen = Least(
            offered,
            [&](const OfferedMode& mode) {
                return mode.media == media && Covers(mode, need) && FastEnough(mode, need);
            },
            smallest);
        if (chosen) return chosen;
    }
    auto slower = Least(
        offered, [&](const OfferedMode& mode) { return Decodable(mode) && Covers(mode, need); },
        [](const OfferedMode& mode) {
            return std::make_tuple(Area(mode), -mode.Rate(), mode.media != kRaw);
        });
    if (slower) return slower;
    return Least(offered, Decodable, [](const OfferedMode& mode) {
        return std::make_tuple(-Area(mode), -mode.Rate(), mode.media != kRaw);
    });
}

std::vector<OfferedMode> OfferedModesOf(const GstCaps* caps, const CameraNeed& need) {
    std::vector<OfferedMode> modes;
    if (!caps) return modes;
    for (guint index = 0; index < gst_caps_get_size(caps); ++index) {
        const GstStructure* structure = gst_caps_get_structure(caps, index);
        const std::optional<int> width = IntNear(structure, "width", need.width);
        const std::optional<int> height = IntNear(structure, "height", need.height);
        if (!width || !height || *width <= 0 || *height <= 0) continue;
        const auto [numerator, denominator] =
            HighestRate(gst_structure_get_value(structure, "framerate"));
        OfferedMode mode{gst_structure_get_name(structure), *width, *height, numerator,
                         denominator > 0 ? denominator : 1};
        if (std::find(modes.begin(), modes.end(), mode) == modes.end()) modes.push_back(mode);
    }
    return modes;
}

std::string ModeRequestCaps(const OfferedMode& mode) {
    std::string caps = mode.media + ",width=" + std::to_string(mode.width) +
                       ",height=" + std::to_string(mode.height);
    if (mode.rateNumerator > 0)
        caps += ",framerate=" + std::to_string(mode.rateNumerator) + "/" +
                std::to_string(mode.rateDenominator);
    return caps;
}

}  // namespace capture

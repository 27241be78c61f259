#include "tools/eft/DescriptorJson.h"

#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

using effects::EffectDescriptor;
using Json = nlohmann::ordered_json;

namespace eft {
namespace {

struct IntField {
    std::string_view name;
    int32_t EffectDescriptor::*member;
};

// The descriptor's single integers in file order.
constexpr IntField kIntFields[] = {
    {"type", &EffectDescriptor::type},
    {"distortionCode", &EffectDescriptor::distortionCode},
    {"filterCode", &EffectDescriptor::filterCode},
    {"placement", &EffectDescriptor::placement},
    {"frameCount", &EffectDescriptor::frameCount},
    {"sizeMode", &EffectDescriptor::sizeMode},
    {"width", &EffectDescriptor::width},
    {"height", &EffectDescriptor::height},
    {"widthPercent", &EffectDescriptor::widthPercent},
    {"heightPercent", &EffectDescriptor::heightPercent},
    {"playOnce", &EffectDescriptor::playOnce},
    {"x", &EffectDescriptor::x},
    {"y", &EffectDescriptor::y},
    {"randomPosition", &EffectDescriptor::randomPosition},
    {"quadCount", &EffectDescriptor::quadCount},
    {"referenceSize", &EffectDescriptor::referenceSize},
    {"gridColumns", &EffectDescriptor::gridColumns},
    {"gridRows", &EffectDescriptor::gridRows},
    {"redShift", &EffectDescriptor::redShift},
    {"greenShift", &EffectDescriptor::greenShift},
    {"blueShift", &EffectDescriptor::blueShift},
    {"brightness", &EffectDescriptor::brightness},
    {"saturation", &EffectDescriptor::saturation},
    {"contrast", &EffectDescriptor::contrast},
    {"rotationDegrees", &EffectDescriptor::rotationDegrees},
    {"kernelOffset", &EffectDescriptor::kernelOffset},
    {"kernelDivisor", &EffectDescriptor::kernelDivisor},
};

// Written by the writer from the picture; accepted on input so that info output packs again.
constexpr std::string_view kDirectoryFields[] = {"imageOffset", "imageSize", "rectSize"};

Json QuadsToJson(const std::vector<EffectDescriptor::Quad>& quads) {
    Json array = Json::array();
    for (const EffectDescriptor::Quad& quad : quads) {
        Json points = Json::array();
        for (const EffectDescriptor::Point& point : quad) points.push_back({point.x, point.y});
        array.push_back(std::move(points));
    }
    return array;
}

// Reading: each helper names the offending field in `error`.
class FieldReader {
public:
    explicit FieldReader(std::string& error) : error(error) {}

    bool Int(const Json& value, std::string_view name, int32_t& out) {
        if (value.is_number_integer()) {
            if (value.is_number_unsigned()) {
                const auto number = value.get<uint64_t>();
                if (number <= static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) {
                    out = static_cast<int32_t>(number);
                    return true;
                }
            } else {
                const auto number = value.get<int64_t>();
                if (number >= std::numeric_limits<int32_t>::min() &&
                    number <= std::numeric_limits<int32_t>::max()) {
                    out = static_cast<int32_t>(number);
                    return true;
                }
            }
        }
        return Fail(name, "must be a 32-bit integer");
    }

    bool Ints(const Json& value, std::string_view name, std::vector<int32_t>& out) {
        if (!value.is_array()) return Fail(name, "must be an array of integers");
        out.assign(value.size(), 0);
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (!Int(value[i], name, out[i])) return false;
        }
        return true;
    }

    bool FixedInts(const Json& value, std::string_view name, std::span<int32_t> out) {
        std::vector<int32_t> values;
        if (!Ints(value, name, values)) return false;
        if (values.size() != out.size()) {
            return Fail(name, "must hold " + std::to_string(out.size()) + " integers");
        }
        std::copy(values.begin(), values.end(), out.begin());
        return true;
    }

    bool Quads(const Json& value, std::string_view name, std::vector<EffectDescriptor::Quad>& out) {
        const std::string_view shape = "must be an array of quadrangles, each four [x, y] pairs";
        if (!value.is_array()) return Fail(name, shape);
        out.assign(value.size(), {});
        for (std::size_t q = 0; q < value.size(); ++q) {
            const Json& points = value[q];
            if (!points.is_array() || points.size() != 4) return Fail(name, shape);
            for (std::size_t p = 0; p < 4; ++p) {
                std::array<int32_t, 2> xy{};
                if (!FixedInts(points[p], name, xy)) return false;
                out[q][p] = {xy[0], xy[1]};
            }
        }
        return true;
    }

    bool Strings(const Json& value, std::string_view name, std::vector<std::string>& out) {
        if (!value.is_array()) return Fail(name, "must be an array of strings");
        out.clear();
        for (const Json& text : value) {
            if (!text.is_string()) return Fail(name, "must be an array of strings");
            out.push_back(text.get<std::string>());
        }
        return true;
    }

    bool Fail(std::string_view name, std::string_view reason) {
        error = "\"" + std::string(name) + "\" " + std::string(reason);
        return false;
    }

private:
    std::string& error;
};

bool ReadField(FieldReader& reader, std::string_view name, const Json& value, EffectDescriptor& d,
               std::vector<std::string>& strings) {
    for (const IntField& field : kIntFields) {
        if (field.name == name) return reader.Int(value, name, d.*field.member);
    }
    for (std::string_view directoryField : kDirectoryFields) {
        if (directoryField == name) {
            int32_t ignored = 0;
            return reader.Int(value, name, ignored);
        }
    }
    if (name == "delays") return reader.Ints(value, name, d.delays);
    if (name == "quadsPixels") return reader.Quads(value, name, d.quadsPixels);
    if (name == "quadsScaled") return reader.Quads(value, name, d.quadsScaled);
    if (name == "kernel3") return reader.FixedInts(value, name, d.kernel3);
    if (name == "kernel5") return reader.FixedInts(value, name, d.kernel5);
    if (name == "reserved") return reader.FixedInts(value, name, d.reserved);
    if (name == "placementRect") return reader.FixedInts(value, name, d.placementRect);
    if (name == "strings") return reader.Strings(value, name, strings);
    return reader.Fail(name, "is not a field of an effect file");
}

}  // namespace

Json EffectFileToJson(const effects::EffectFile& file, const EffectDescriptor& d) {
    Json object = Json::object();
    object["imageOffset"] = file.ImageOffset();
    object["imageSize"] = file.ImageSize();
    object["rectSize"] = file.RectSize();
    for (const IntField& field : kIntFields) object[std::string(field.name)] = d.*field.member;
    object["delays"] = d.delays;
    object["quadsPixels"] = QuadsToJson(d.quadsPixels);
    object["quadsScaled"] = QuadsToJson(d.quadsScaled);
    object["kernel3"] = d.kernel3;
    object["kernel5"] = d.kernel5;
    object["reserved"] = d.reserved;
    object["placementRect"] = d.placementRect;
    object["strings"] = file.Strings();
    return object;
}

bool DescriptorFromJson(const Json& object, EffectDescriptor& descriptor,
                        std::vector<std::string>& strings, std::string& error) {
    if (!object.is_object()) {
        error = "the descriptor must be a JSON object";
        return false;
    }
    descriptor = EffectDescriptor{};
    strings.clear();
    FieldReader reader(error);
    for (const auto& [name, value] : object.items()) {
        if (!ReadField(reader, name, value, descriptor, strings)) return false;
    }
    return true;
}

}  // namespace eft

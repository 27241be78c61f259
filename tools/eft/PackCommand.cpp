#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>

#include "effects/EffectFile.h"
#include "effects/EffectFileWriter.h"
#include "tools/eft/Commands.h"
#include "tools/eft/DescriptorJson.h"

namespace eft {
namespace {

constexpr std::array<uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    if (!stream) return std::nullopt;
    std::ostringstream contents;
    contents << stream.rdbuf();
    if (stream.bad()) return std::nullopt;
    return contents.str();
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "quenvalor-eft: %s\n", message.c_str());
    return kExitFailure;
}

// Counts the strings that made it into the written table.
std::size_t StringsKept(const std::string& path) {
    effects::EffectFile file;
    return file.Open(path, true) ? file.Strings().size() : 0;
}

}  // namespace

int RunPack(const std::vector<std::string>& arguments) {
    if (arguments.size() != 3) return kExitUsage;
    const std::string& descriptorPath = arguments[0];
    const std::string& picturePath = arguments[1];
    const std::string& outputPath = arguments[2];

    const std::optional<std::string> descriptorText = ReadWholeFile(descriptorPath);
    if (!descriptorText) return Fail("cannot read " + descriptorPath);
    const auto object = nlohmann::ordered_json::parse(*descriptorText, nullptr, false);
    if (object.is_discarded()) return Fail(descriptorPath + " is not valid JSON");
    effects::EffectDescriptor descriptor;
    std::vector<std::string> strings;
    std::string error;
    if (!DescriptorFromJson(object, descriptor, strings, error)) {
        return Fail(descriptorPath + ": " + error);
    }

    const std::optional<std::string> picture = ReadWholeFile(picturePath);
    if (!picture) return Fail("cannot read " + picturePath);
    if (picture->size() < kPngSignature.size() ||
        std::memcmp(picture->data(), kPngSignature.data(), kPngSignature.size()) != 0) {
        return Fail(picturePath + " is not a PNG file");
    }
    descriptor.image.assign(picture->begin(), picture->end());

    if (!effects::WriteEffectFile(outputPath, descriptor, strings, error)) {
        return Fail(outputPath + ": " + error);
    }
    const std::size_t kept = StringsKept(outputPath);
    if (kept < strings.size()) {
        std::fprintf(stderr, "quenvalor-eft: only the first %zu of %zu strings fit in %s\n", kept,
                     strings.size(), outputPath.c_str());
    }
    return kExitSuccess;
}

}  // namespace eft

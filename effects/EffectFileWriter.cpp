#include "effects/EffectFileWriter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "effects/EffectFile.h"

namespace effects {
namespace {

// Describes what makes the descriptor unwritable, or returns an empty text.
std::string DescribeInconsistency(const EffectDescriptor& d) {
    if (d.delays.size() != static_cast<std::size_t>(std::max(d.frameCount, 0))) {
        return "frameCount is " + std::to_string(d.frameCount) + " but there are " +
               std::to_string(d.delays.size()) + " delays";
    }
    if (d.quadsPixels.size() != static_cast<std::size_t>(std::max(d.quadCount, 0)) ||
        d.quadsScaled.size() != d.quadsPixels.size()) {
        return "quadCount is " + std::to_string(d.quadCount) + " but there are " +
               std::to_string(d.quadsPixels.size()) + " quadrangles in pixels and " +
               std::to_string(d.quadsScaled.size()) + " scaled";
    }
    if (!EffectFile::HeaderFits(d.frameCount, d.quadCount)) {
        return "frameCount and quadCount are negative or too large for the header area";
    }
    // The data area is addressed with 32-bit offsets.
    if (d.image.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max() -
                                                  EffectFile::kRectBlockSize)) {
        return "the picture is too large";
    }
    return {};
}

std::array<uint8_t, EffectFile::kRectBlockSize> RectBlockBytes(const EffectDescriptor& d) {
    std::array<uint8_t, EffectFile::kRectBlockSize> bytes{};
    for (std::size_t i = 0; i < d.placementRect.size(); ++i) {
        const auto value = static_cast<uint32_t>(d.placementRect[i]);
        for (std::size_t b = 0; b < 4; ++b) {
            bytes[4 * i + b] = static_cast<uint8_t>(value >> (8 * b));
        }
    }
    return bytes;
}

bool WriteAll(EffectFile& file, const std::string& path, const EffectDescriptor& d,
              const std::vector<std::string>& strings, std::string& error) {
    file.Descriptor() = d;
    for (const std::string& text : strings) {
        if (text.empty()) {
            error = "the string table cannot hold an empty string";
            return false;
        }
        if (!file.AddString(text)) break;
    }
    file.SetBlockDirectory(0, static_cast<int32_t>(d.image.size()), EffectFile::kRectBlockSize);
    if (!file.Open(path, false)) {
        error = "cannot write " + path;
        return false;
    }
    const auto rect = RectBlockBytes(d);
    const bool blocksWritten = file.WriteImageBlock(d.image) && file.WriteRectBlock(rect);
    if (!file.Close() || !blocksWritten) {
        error = "cannot write the data area of " + path;
        return false;
    }
    return true;
}

}  // namespace

bool WriteEffectFile(const std::string& path, const EffectDescriptor& descriptor,
                     const std::vector<std::string>& strings, std::string& error) {
    error = DescribeInconsistency(descriptor);
    if (!error.empty()) return false;
    const std::string temporaryPath = path + ".part";
    EffectFile file;
    if (!WriteAll(file, temporaryPath, descriptor, strings, error)) {
        file.Close();
        std::remove(temporaryPath.c_str());
        return false;
    }
    if (std::rename(temporaryPath.c_str(), path.c_str()) != 0) {
        std::remove(temporaryPath.c_str());
        error = "cannot move the written file to " + path;
        return false;
    }
    return true;
}

}  // namespace effects

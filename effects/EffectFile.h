#pragma once

#include <cstdint>
#include <span>

#include "effects/CBinFile.h"
#include "effects/EffectDescriptor.h"

namespace effects {

// An effect file (".eft"): a CBinFile whose header is an EffectDescriptor behind a directory
// of two data blocks, the PNG picture (imageBlock) and the placement rectangle (rectBlock, four
// integers) right behind it.
//
// Reading refuses a file that could not be read safely: counts whose arrays do not fit in the
// header area, a header cut short, and blocks that reach past the end of the file. Such a file
// holds no effect.
class EffectFile : public CBinFile {
public:
    static constexpr std::string_view kTag = "EFT             ";
    static constexpr int32_t kRectBlockSize = 16;

    EffectFile();

    // True when a header with these counts ends inside the header area.
    static bool HeaderFits(int32_t frameCount, int32_t quadCount);

    // Reads the picture and the rectangle and takes the first string. The descriptor is owned
    // by this object. Null when no file is open or a block cannot be read whole.
    const EffectDescriptor* ReadDescriptor();

    // Read or write buffer.size() bytes of a block at its place in the data area.
    bool ReadImageBlock(std::span<uint8_t> buffer);
    bool ReadRectBlock(std::span<uint8_t> buffer);
    bool WriteImageBlock(std::span<const uint8_t> buffer);
    bool WriteRectBlock(std::span<const uint8_t> buffer);

    // The descriptor that WriteHeader writes and ReadHeader fills.
    EffectDescriptor& Descriptor() { return descriptor; }
    const EffectDescriptor& Descriptor() const { return descriptor; }

    // The block directory: imageOffset counts from the start of the data area.
    int32_t ImageOffset() const { return imageOffset; }
    int32_t ImageSize() const { return imageSize; }
    int32_t RectSize() const { return rectSize; }
    void SetBlockDirectory(int32_t newImageOffset, int32_t newImageSize, int32_t newRectSize);

protected:
    bool ReadHeader() override;
    bool WriteHeader() override;
    void OnClose() override;

private:
    bool BlocksLieInsideFile() const;
    int64_t ImageBlockStart() const { return kHeaderAreaSize + int64_t{imageOffset}; }
    int64_t RectBlockStart() const { return ImageBlockStart() + imageSize; }

    int32_t imageOffset = 0;
    int32_t imageSize = 0;
    int32_t rectSize = 0;
    EffectDescriptor descriptor;
};

}  // namespace effects

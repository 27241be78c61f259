#include "effects/EffectFile.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>
#include <vector>

namespace effects {
namespace {

// Bytes of the header (tag included) for the given counts: 292 fixed bytes, frameCount delays
// and two arrays of quadCount quadrangles of 32 bytes.
int64_t HeaderEnd(int64_t frameCount, int64_t quadCount) {
    return 292 + 4 * frameCount + 64 * quadCount;
}

// Reads header fields one after the other. After the first failed read every later field
// reads as 0 and Ok() stays false.
class HeaderReader {
public:
    explicit HeaderReader(CBinFile& file) : file(file) {}
    bool Ok() const { return ok; }

    void Int(int32_t& value) { Ints(&value, 1); }
    template <std::size_t N>
    void Ints(std::array<int32_t, N>& values) {
        Ints(values.data(), N);
    }
    // `count` has been checked against the header area before an array is sized by it.
    void Array(std::vector<int32_t>& values, int32_t count) {
        values.assign(static_cast<std::size_t>(count), 0);
        Ints(values.data(), values.size());
    }
    void Array(std::vector<EffectDescriptor::Quad>& quads, int32_t count) {
        quads.assign(static_cast<std::size_t>(count), {});
        for (EffectDescriptor::Quad& quad : quads) {
            for (EffectDescriptor::Point& point : quad) {
                Int(point.x);
                Int(point.y);
            }
        }
    }

private:
    void Ints(int32_t* values, std::size_t count) {
        if (ok) ok = file.ReadInt32s(values, count);
        if (!ok) std::fill_n(values, count, 0);
    }

    CBinFile& file;
    bool ok = true;
};

// Writes header fields one after the other; an array must hold exactly its count of entries.
class HeaderWriter {
public:
    explicit HeaderWriter(CBinFile& file) : file(file) {}
    bool Ok() const { return ok; }

    void Int(const int32_t& value) { Ints(&value, 1); }
    template <std::size_t N>
    void Ints(const std::array<int32_t, N>& values) {
        Ints(values.data(), N);
    }
    void Array(const std::vector<int32_t>& values, int32_t count) {
        if (values.size() != static_cast<std::size_t>(count)) ok = false;
        Ints(values.data(), values.size());
    }
    void Array(const std::vector<EffectDescriptor::Quad>& quads, int32_t count) {
        if (quads.size() != static_cast<std::size_t>(count)) ok = false;
        for (const EffectDescriptor::Quad& quad : quads) {
            for (const EffectDescriptor::Point& point : quad) {
                Int(point.x);
                Int(point.y);
            }
        }
    }

private:
    void Ints(const int32_t* values, std::size_t count) {
        if (ok) ok = file.WriteInt32s(values, count);
    }

    CBinFile& file;
    bool ok = true;
};

// The header fields from offset 16 to the string table, in file order. Reading and writing
// share this one list so that they cannot disagree about the layout. The counts are checked
// before the arrays they size are read or written.
template <class Transfer, class Directory, class Descriptor>
bool TransferHeader(Transfer& io, Directory& imageOffset, Directory& imageSize, Directory& rectSize,
                    Descriptor& d) {
    io.Int(imageOffset);
    io.Int(imageSize);
    io.Int(rectSize);
    io.Int(d.type);
    io.Int(d.reserved[0]);
    io.Int(d.distortionCode);
    io.Int(d.filterCode);
    io.Int(d.placement);
    io.Int(d.frameCount);
    io.Int(d.sizeMode);
    io.Int(d.width);
    io.Int(d.height);
    io.Int(d.widthPercent);
    io.Int(d.heightPercent);
    io.Int(d.playOnce);
    if (!io.Ok() || !EffectFile::HeaderFits(d.frameCount, 0)) return false;
    io.Array(d.delays, d.frameCount);
    io.Int(d.x);
    io.Int(d.y);
    io.Int(d.reserved[1]);
    io.Int(d.reserved[2]);
    io.Int(d.randomPosition);
    io.Int(d.quadCount);
    io.Int(d.referenceSize);
    if (!io.Ok() || !EffectFile::HeaderFits(d.frameCount, d.quadCount)) return false;
    io.Array(d.quadsPixels, d.quadCount);
    io.Array(d.quadsScaled, d.quadCount);
    io.Int(d.gridColumns);
    io.Int(d.gridRows);
    io.Int(d.redShift);
    io.Int(d.greenShift);
    io.Int(d.blueShift);
    io.Int(d.brightness);
    io.Int(d.saturation);
    io.Int(d.contrast);
    io.Int(d.rotationDegrees);
    io.Ints(d.kernel3);
    io.Ints(d.kernel5);
    io.Int(d.kernelOffset);
    io.Int(d.kernelDivisor);
    io.Int(d.reserved[3]);
    io.Int(d.reserved[4]);
    return io.Ok();
}

int32_t LittleEndianInt32(const uint8_t* bytes) {
    return static_cast<int32_t>(uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 |
                                uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24);
}

}  // namespace

EffectFile::EffectFile() : CBinFile(kTag) {}

bool EffectFile::HeaderFits(int32_t frameCount, int32_t quadCount) {
    return frameCount >= 0 && quadCount >= 0 && HeaderEnd(frameCount, quadCount) <= kHeaderAreaSize;
}

bool EffectFile::ReadHeader() {
    descriptor = EffectDescriptor{};
    HeaderReader reader(*this);
    if (TransferHeader(reader, imageOffset, imageSize, rectSize, descriptor) &&
        BlocksLieInsideFile()) {
        return true;
    }
    descriptor = EffectDescriptor{};
    SetBlockDirectory(0, 0, 0);
    return false;
}

bool EffectFile::WriteHeader() {
    HeaderWriter writer(*this);
    const EffectDescriptor& d = descriptor;
    return TransferHeader(writer, std::as_const(imageOffset), std::as_const(imageSize),
                          std::as_const(rectSize), d);
}

void EffectFile::OnClose() {
    SetBlockDirectory(0, 0, 0);
}

void EffectFile::SetBlockDirectory(int32_t newImageOffset, int32_t newImageSize,
                                   int32_t newRectSize) {
    imageOffset = newImageOffset;
    imageSize = newImageSize;
    rectSize = newRectSize;
}

// Both blocks must lie in the data area and inside the file, and the rectangle block holds at
// most four integers.
bool EffectFile::BlocksLieInsideFile() const {
    if (imageOffset < 0 || imageSize < 0 || rectSize < 0 || rectSize > kRectBlockSize) {
        return false;
    }
    const int64_t fileSize = FileSize();
    return fileSize >= kHeaderAreaSize && RectBlockStart() + rectSize <= fileSize;
}

const EffectDescriptor* EffectFile::ReadDescriptor() {
    // Checked again because the directory may have been set by hand rather than read.
    if (!IsOpen() || !BlocksLieInsideFile()) return nullptr;
    descriptor.image.assign(static_cast<std::size_t>(imageSize), 0);
    descriptor.imageSize = imageSize;
    std::array<uint8_t, kRectBlockSize> rect{};
    if (!ReadImageBlock(descriptor.image) ||
        !ReadRectBlock(std::span(rect).first(static_cast<std::size_t>(rectSize)))) {
        descriptor.image.clear();
        descriptor.imageSize = 0;
        return nullptr;
    }
    for (std::size_t i = 0; i < descriptor.placementRect.size(); ++i) {
        descriptor.placementRect[i] = LittleEndianInt32(rect.data() + 4 * i);
    }
    descriptor.text = NextString();
    return &descriptor;
}

namespace {

bool ReadAt(std::FILE* stream, int64_t offset, std::span<uint8_t> buffer) {
    return stream && std::fseek(stream, static_cast<long>(offset), SEEK_SET) == 0 &&
           std::fread(buffer.data(), 1, buffer.size(), stream) == buffer.size();
}

bool WriteAt(std::FILE* stream, int64_t offset, std::span<const uint8_t> buffer) {
    return stream && std::fseek(stream, static_cast<long>(offset), SEEK_SET) == 0 &&
           std::fwrite(buffer.data(), 1, buffer.size(), stream) == buffer.size();
}

}  // namespace

bool EffectFile::ReadImageBlock(std::span<uint8_t> buffer) {
    return ReadAt(Stream(), ImageBlockStart(), buffer);
}

bool EffectFile::ReadRectBlock(std::span<uint8_t> buffer) {
    return ReadAt(Stream(), RectBlockStart(), buffer);
}

bool EffectFile::WriteImageBlock(std::span<const uint8_t> buffer) {
    return WriteAt(Stream(), ImageBlockStart(), buffer);
}

bool EffectFile::WriteRectBlock(std::span<const uint8_t> buffer) {
    return WriteAt(Stream(), RectBlockStart(), buffer);
}

}  // namespace effects

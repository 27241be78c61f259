#include "effects/PngDecoder.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace effects {
namespace {

// Deflate shrinks data by at most about 1032 to 1, so no PNG holds more than this many bytes
// of pixel data for each byte of the file.
constexpr uint64_t kMaxInflation = 1100;

struct MemorySource {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t offset = 0;
};

void ReadFromMemory(png_structp png, png_bytep out, size_t length) {
    auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
    if (length > source->size - source->offset) png_error(png, "picture data cut short");
    std::memcpy(out, source->data + source->offset, length);
    source->offset += length;
}

// Errors end the decoding through the jump buffer; neither errors nor warnings are printed.
void OnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

// Owns the read structure and the info structure of one decoding.
class PngReadStructs {
public:
    PngReadStructs() {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
        if (png) info = png_create_info_struct(png);
    }
    ~PngReadStructs() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
    PngReadStructs(const PngReadStructs&) = delete;
    PngReadStructs& operator=(const PngReadStructs&) = delete;

    png_structp png = nullptr;
    png_infop info = nullptr;
};

bool HeaderWithinLimits(png_uint_32 width, png_uint_32 height, size_t fileRowBytes,
                        size_t dataSize) {
    if (width < 1 || height < 1 || width > kMaxPngSide || height > kMaxPngSide) return false;
    if (uint64_t{width} * height > static_cast<uint64_t>(kMaxPngPixels)) return false;
    return uint64_t{fileRowBytes} * height <= kMaxInflation * dataSize;
}

// Asks libpng for 8-bit blue, green, red, alpha whatever the file holds.
void RequestBgra(png_structp png, png_infop info) {
    const int colourType = png_get_color_type(png, info);
    const int bitDepth = png_get_bit_depth(png, info);
    const bool transparencyChunk = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (transparencyChunk) png_set_tRNS_to_alpha(png);
    if (bitDepth == 16) png_set_scale_16(png);
    if ((colourType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
    if ((colourType & PNG_COLOR_MASK_ALPHA) == 0 && !transparencyChunk) {
        png_set_add_alpha(png, 0xffff, PNG_FILLER_AFTER);
    }
    png_set_bgr(png);
    png_set_interlace_handling(png);
}

// Every libpng call that can fail is made here. libpng reports an error by jumping back to the
// setjmp below, so this frame creates no object with a destructor; the buffers belong to the
// caller and are only resized here.
bool ReadPicture(png_structp png, png_infop info, MemorySource& source, DecodedPicture& picture,
                 std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, &source, ReadFromMemory);
    png_set_user_limits(png, kMaxPngSide, kMaxPngSide);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (!HeaderWithinLimits(width, height, png_get_rowbytes(png, info), source.size)) {
        return false;
    }
    RequestBgra(png, info);
    png_read_update_info(png, info);
    const size_t rowBytes = size_t{width} * 4;
    if (png_get_rowbytes(png, info) != rowBytes) return false;

    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.pixels.resize(rowBytes * height);
    rows.resize(height);
    // The file's first row is the top of the picture, which is stored last.
    for (png_uint_32 row = 0; row < height; ++row) {
        rows[row] = picture.pixels.data() + rowBytes * (height - 1 - row);
    }
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

std::optional<DecodedPicture> DecodePng(std::span<const uint8_t> data) {
    PngReadStructs structs;
    if (!structs.png || !structs.info) return std::nullopt;
    MemorySource source{data.data(), data.size(), 0};
    DecodedPicture picture;
    std::vector<png_bytep> rows;
    if (!ReadPicture(structs.png, structs.info, source, picture, rows)) return std::nullopt;
    return picture;
}

}  // namespace effects

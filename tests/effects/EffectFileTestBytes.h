#pragma once

// Builds effect files byte by byte, from the documented offsets alone, so that the reader is
// checked against the layout rather than against the project's own writer.

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace effect_file_test {

constexpr std::string_view kEffectTag = "EFT             ";
constexpr std::size_t kHeaderArea = 4096;

class FileBytes {
public:
    explicit FileBytes(std::size_t size = kHeaderArea) : bytes(size, 0) {}

    void PutInt(std::size_t offset, int32_t value) {
        Grow(offset + 4);
        const auto bits = static_cast<uint32_t>(value);
        for (std::size_t i = 0; i < 4; ++i)
            bytes[offset + i] = static_cast<uint8_t>(bits >> (8 * i));
    }
    void PutText(std::size_t offset, std::string_view text) {
        Grow(offset + text.size());
        std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    void PutBytes(std::size_t offset, const std::vector<uint8_t>& data) {
        Grow(offset + data.size());
        std::copy(data.begin(), data.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    // A string table entry; returns the offset after it.
    std::size_t PutString(std::size_t offset, std::string_view text) {
        PutInt(offset, static_cast<int32_t>(text.size()));
        PutText(offset + 4, text);
        return offset + 4 + text.size();
    }
    int32_t IntAt(std::size_t offset) const {
        uint32_t bits = 0;
        for (std::size_t i = 0; i < 4; ++i) bits |= uint32_t{bytes[offset + i]} << (8 * i);
        return static_cast<int32_t>(bits);
    }
    void Resize(std::size_t size) { bytes.resize(size, 0); }
    std::size_t Size() const { return bytes.size(); }
    const std::vector<uint8_t>& Data() const { return bytes; }

    void SaveAs(const std::filesystem::path& path) const {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    static FileBytes Load(const std::filesystem::path& path) {
        std::ifstream stream(path, std::ios::binary);
        FileBytes file(0);
        file.bytes.assign(std::istreambuf_iterator<char>(stream), {});
        return file;
    }

private:
    void Grow(std::size_t size) {
        if (bytes.size() < size) bytes.resize(size, 0);
    }
    std::vector<uint8_t> bytes;
};

// Offsets of the header fields that follow the arrays.
constexpr std::size_t QOffset(int32_t frameCount) {
    return 76 + 4 * std::size_t(frameCount);
}
constexpr std::size_t ROffset(int32_t frameCount, int32_t quadCount) {
    return QOffset(frameCount) + 28 + 64 * std::size_t(quadCount);
}
constexpr std::size_t StringTableOffset(int32_t frameCount, int32_t quadCount) {
    return ROffset(frameCount, quadCount) + 188;
}

// A picture-like block: the PNG signature followed by recognisable filler.
inline std::vector<uint8_t> FakePng(std::size_t size) {
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    for (std::size_t i = png.size(); i < size; ++i) png.push_back(static_cast<uint8_t>(i * 7));
    return png;
}

// A fresh folder for one test, removed with its contents afterwards.
class ScratchFolder {
public:
    explicit ScratchFolder(std::string_view name)
        : folder(std::filesystem::temp_directory_path() /
                 ("quenvalor-" + std::string(name) + "-" + std::to_string(getpid()))) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    ~ScratchFolder() { std::filesystem::remove_all(folder); }
    std::string operator/(std::string_view file) const { return (folder / file).string(); }
    const std::filesystem::path& Path() const { return folder; }

private:
    std::filesystem::path folder;
};

}  // namespace effect_file_test

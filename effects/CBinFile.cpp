#include "effects/CBinFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

namespace effects {

CBinFile::CBinFile(std::string_view kindTag) {
    std::copy_n(kindTag.begin(), std::min(kindTag.size(), kTagSize), tag.begin());
}

CBinFile::~CBinFile() {
    Close();
}

bool CBinFile::Open(const std::string& newPath, bool newReadMode, const char* modeText) {
    if (file) Close();
    const char* mode = newReadMode ? "rb" : "wb";
    if (modeText) {
        if (std::strcmp(modeText, "ab+") != 0 && std::strcmp(modeText, "rb+") != 0) return false;
        mode = modeText;
    }
    file.reset(std::fopen(newPath.c_str(), mode));
    if (!file) {
        std::printf("CBinFile::Open: open file %s error!\n", newPath.c_str());
        return false;
    }
    readMode = newReadMode;
    path = newPath;
    if (readMode || modeText) {
        if (!CheckTag() || !ReadTable()) {
            std::printf("CBinFile::Open: file %s format incorrect!\n", newPath.c_str());
            Close();
            return false;
        }
    }
    if (!readMode && !WriteTable()) {
        Close();
        return false;
    }
    OnOpened();
    return std::fseek(file.get(), kHeaderAreaSize, SEEK_SET) == 0;
}

bool CBinFile::Close() {
    if (!file) return false;
    OnClose();
    strings.clear();
    // Closed by hand so that a failed final write is reported.
    return std::fclose(file.release()) == 0;
}

bool CBinFile::CheckTag() {
    if (!file) return false;
    if (!readMode) return true;
    std::array<char, kTagSize> fileTag{};
    if (std::fread(fileTag.data(), 1, kTagSize, file.get()) != kTagSize) return false;
    return std::strncmp(fileTag.data(), tag.data(), kTagSize) == 0;
}

bool CBinFile::ReadTable() {
    if (!file) return false;
    const long resumeAt = std::ftell(file.get());
    std::array<char, kTagSize> fileTag{};
    const bool headerRead = std::fseek(file.get(), 0, SEEK_SET) == 0 &&
                            std::fread(fileTag.data(), 1, kTagSize, file.get()) == kTagSize &&
                            ReadHeader();
    if (headerRead) {
        tag = fileTag;
        ReadStrings();
    }
    std::fseek(file.get(), resumeAt, SEEK_SET);
    return headerRead;
}

// Reads strings until the end of the header area, a length of 0 or below, or a string that
// would run past the header area (damage: a huge length must not become a huge allocation).
void CBinFile::ReadStrings() {
    strings.clear();
    nextString = 0;
    while (strings.size() < kMaxStrings) {
        const long position = std::ftell(file.get());
        if (position < 0 || position >= kHeaderAreaSize) break;
        int32_t length = 0;
        if (!ReadInt32s(&length, 1) || length <= 0) break;
        if (position + 4 + static_cast<long>(length) > kHeaderAreaSize) break;
        std::string text(static_cast<std::size_t>(length), '\0');
        if (std::fread(text.data(), 1, text.size(), file.get()) != text.size()) break;
        strings.push_back(std::move(text));
    }
}

bool CBinFile::WriteTable() {
    if (!file || readMode) return false;
    const long resumeAt = std::ftell(file.get());
    if (std::fseek(file.get(), 0, SEEK_SET) != 0 ||
        std::fwrite(tag.data(), 1, kTagSize, file.get()) != kTagSize || !WriteHeader()) {
        return false;
    }
    for (const std::string& text : strings) {
        const long position = std::ftell(file.get());
        // The 8 keeps room for this length and a terminating length of 0 after the text.
        if (position < 0 || position + static_cast<long>(text.size()) + 8 > kHeaderAreaSize) {
            break;
        }
        const auto length = static_cast<int32_t>(text.size());
        if (!WriteInt32s(&length, 1) ||
            std::fwrite(text.data(), 1, text.size(), file.get()) != text.size()) {
            return false;
        }
    }
    const long position = std::ftell(file.get());
    if (position < 0 || position > kHeaderAreaSize) return false;
    const std::vector<char> padding(static_cast<std::size_t>(kHeaderAreaSize - position), 0);
    if (std::fwrite(padding.data(), 1, padding.size(), file.get()) != padding.size()) return false;
    return std::fseek(file.get(), resumeAt, SEEK_SET) == 0;
}

std::optional<std::string> CBinFile::NextString() {
    if (!file || !readMode || nextString >= strings.size()) return std::nullopt;
    return strings[nextString++];
}

bool CBinFile::AddString(std::string text) {
    if (text.empty() || strings.size() >= kMaxStrings) return false;
    strings.push_back(std::move(text));
    return true;
}

bool CBinFile::ReadInt32s(int32_t* values, std::size_t count) {
    if (!file) return false;
    for (std::size_t i = 0; i < count; ++i) {
        unsigned char bytes[4];
        if (std::fread(bytes, 1, 4, file.get()) != 4) return false;
        const uint32_t value = uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 |
                               uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
        values[i] = static_cast<int32_t>(value);
    }
    return true;
}

bool CBinFile::WriteInt32s(const int32_t* values, std::size_t count) {
    if (!file) return false;
    for (std::size_t i = 0; i < count; ++i) {
        const auto value = static_cast<uint32_t>(values[i]);
        const unsigned char bytes[4] = {
            static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
            static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
        if (std::fwrite(bytes, 1, 4, file.get()) != 4) return false;
    }
    return true;
}

int64_t CBinFile::FileSize() const {
    struct stat info {};
    if (!file || fstat(fileno(file.get()), &info) != 0) return -1;
    return static_cast<int64_t>(info.st_size);
}

}  // namespace effects

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace effects {

// A tagged binary container file: a 16-byte tag, a header whose fields the file kind defines,
// a table of length-prefixed strings, zero padding up to kHeaderAreaSize, then a data area
// whose layout the file kind defines. All integers are 32-bit little-endian.
//
// Opened for reading, the tag is checked and the whole header area is read; opened for
// writing, the header area is written from what the object holds. Either way the stream then
// stands at the start of the data area.
class CBinFile {
public:
    static constexpr std::size_t kTagSize = 16;
    static constexpr long kHeaderAreaSize = 4096;
    static constexpr std::size_t kMaxStrings = 256;

    // `tag` is the file kind's tag; longer tags are cut to kTagSize characters.
    explicit CBinFile(std::string_view tag);
    virtual ~CBinFile();
    CBinFile(const CBinFile&) = delete;
    CBinFile& operator=(const CBinFile&) = delete;

    // Opens `path`, closing a stream that is open. Without `modeText` the stream is opened
    // "rb" when `readMode` is set and "wb" otherwise; `modeText` may be "ab+" or "rb+" and
    // nothing else. A file that cannot be opened, whose tag does not match or whose header the
    // file kind refuses is reported on the standard output and gives false.
    bool Open(const std::string& path, bool readMode, const char* modeText = nullptr);
    // False when no stream is open or the stream could not be flushed to disk.
    bool Close();

    // Compares the first kTagSize bytes of the file with the tag. Always true in write mode.
    virtual bool CheckTag();
    // Reads the tag, the header and the string table, then returns to the current position.
    // A damaged string table ends the table early; only a refused header gives false.
    bool ReadTable();
    // Writes the tag, the header, the strings that fit and the padding of the header area, then
    // returns to the current position. False in read mode or when a write fails.
    bool WriteTable();

    // The strings one after the other, from the first; none when the table is used up, no
    // stream is open, or the file is open for writing.
    std::optional<std::string> NextString();
    // Adds a string for the next WriteTable. Refused when it is empty (a length of 0 ends the
    // table) or the table already holds kMaxStrings strings.
    bool AddString(std::string text);
    const std::vector<std::string>& Strings() const { return strings; }

    bool IsOpen() const { return file != nullptr; }
    bool IsReadMode() const { return readMode; }
    const std::string& Path() const { return path; }
    std::string_view Tag() const { return std::string_view(tag.data(), kTagSize); }

    // Little-endian integers at the current position of the open stream.
    bool ReadInt32s(int32_t* values, std::size_t count);
    bool WriteInt32s(const int32_t* values, std::size_t count);
    // Size of the open file in bytes; -1 when it cannot be told.
    int64_t FileSize() const;

protected:
    // Read or write the kind's header fields at the current position. A reader returns false
    // for a header it cannot use; the file is then refused.
    virtual bool ReadHeader() { return true; }
    virtual bool WriteHeader() { return true; }
    virtual void OnOpened() {}
    // Called by Close before the stream is closed.
    virtual void OnClose() {}

    std::FILE* Stream() const { return file.get(); }

private:
    struct StreamCloser {
        void operator()(std::FILE* stream) const { std::fclose(stream); }
    };

    void ReadStrings();

    std::size_t nextString = 0;
    std::vector<std::string> strings;
    std::array<char, kTagSize> tag{};
    std::string path;
    bool readMode = true;
    std::unique_ptr<std::FILE, StreamCloser> file;
};

}  // namespace effects

#pragma once

// Helpers shared by the fuzz targets that hand their input to a reader as a file.

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzing {

// The readers work on files; a memory-backed folder keeps each run cheap.
inline std::string ScratchFolder() {
    struct stat info {};
    return stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode) ? "/dev/shm" : "/tmp";
}

// A broken promise is a finding: abort so the fuzzer keeps the input.
inline void Require(bool condition) {
    if (!condition) std::abort();
}

inline bool SaveAs(const std::string& path, const uint8_t* data, std::size_t size) {
    std::FILE* stream = std::fopen(path.c_str(), "wb");
    if (!stream) return false;
    const bool written = std::fwrite(data, 1, size, stream) == size;
    return std::fclose(stream) == 0 && written;
}

}  // namespace fuzzing

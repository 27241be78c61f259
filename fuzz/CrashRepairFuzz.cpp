// Feeds arbitrary bytes to the crash repair as a recording left in the output folder under one
// of the program's own names. Neither telling whether it is unfinished nor repairing it may fail
// on any file; a repair that gives up leaves the file exactly as it was, one that succeeds leaves
// a finished file, and neither leaves its hidden copy behind.

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "recording/CrashRepair.h"

using fuzzing::Require;
using fuzzing::SaveAs;
using fuzzing::ScratchFolder;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::string folder = [] {
        std::string made = ScratchFolder() + "/quenvalor-repair-fuzz-" + std::to_string(getpid());
        mkdir(made.c_str(), 0700);
        return made;
    }();
    const std::string path = folder + "/2026-12-07 10-04-31.avi";
    if (!SaveAs(path, data, size)) return 0;
    if (recording::IsUnfinishedAvi(path)) {
        const std::atomic<bool> cancel{false};
        if (recording::RepairRecording(path, cancel)) {
            Require(!recording::IsUnfinishedAvi(path));
        } else {
            std::ifstream stream(path, std::ios::binary);
            const std::string left{std::istreambuf_iterator<char>(stream), {}};
            Require(left.size() == size && std::memcmp(left.data(), data, size) == 0);
        }
        Require(access((folder + "/.2026-12-07 10-04-31.avi.repairing").c_str(), F_OK) != 0);
    }
    unlink(path.c_str());
    return 0;
}

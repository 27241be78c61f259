#include <cstdio>
#include <iostream>

#include "effects/EffectFile.h"
#include "tools/eft/Commands.h"
#include "tools/eft/DescriptorJson.h"

namespace eft {

int RunInfo(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) return kExitUsage;
    const std::string& path = arguments[0];
    effects::EffectFile file;
    // A refused file has already been reported on standard output by the reader.
    if (!file.Open(path, true)) {
        std::fprintf(stderr, "quenvalor-eft: %s is not a readable effect file\n", path.c_str());
        return kExitFailure;
    }
    const effects::EffectDescriptor* descriptor = file.ReadDescriptor();
    if (!descriptor) {
        std::fprintf(stderr, "quenvalor-eft: cannot read the data blocks of %s\n", path.c_str());
        return kExitFailure;
    }
    // Strings are bytes; anything that is not UTF-8 is shown as U+FFFD.
    std::cout << EffectFileToJson(file, *descriptor)
                     .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
              << '\n';
    return kExitSuccess;
}

}  // namespace eft

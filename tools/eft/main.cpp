// quenvalor-eft: a command-line tool for effect authors and tests.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "tools/eft/Commands.h"

namespace {

struct Command {
    std::string_view name;
    std::string_view arguments;
    int (*run)(const std::vector<std::string>& arguments);
};

constexpr Command kCommands[] = {
    {"info", "FILE.eft", eft::RunInfo},
    {"pack", "DESCRIPTOR.json PICTURE.png OUTPUT.eft", eft::RunPack},
    {"render",
     "--input IN --output OUT [--effect FILE.eft]... [--time-ms T] [--select I] "
     "[--paint-mode 0|1] [--brush-width N] [--brush-colour R,G,B] [--eraser 0|1] "
     "[--mouse STEPS]",
     eft::RunRender},
};

void PrintUsage() {
    std::fprintf(stderr, "usage:\n");
    for (const Command& command : kCommands) {
        std::fprintf(stderr, "  quenvalor-eft %.*s %.*s\n", static_cast<int>(command.name.size()),
                     command.name.data(), static_cast<int>(command.arguments.size()),
                     command.arguments.data());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2) {
        const std::string_view name = argv[1];
        for (const Command& command : kCommands) {
            if (command.name != name) continue;
            const int status = command.run(std::vector<std::string>(argv + 2, argv + argc));
            if (status == eft::kExitUsage) PrintUsage();
            return status;
        }
    }
    PrintUsage();
    return eft::kExitUsage;
}

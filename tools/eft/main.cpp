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
     "[--mouse STEPS] [--follow-face] [--background blur[:STRENGTH]|replace:FILE] [--model "
     "FILE.tflite]",
     eft::RunRender},
};

void PrintUsage(std::FILE* stream) {
    std::fprintf(stream, "usage:\n");
    for (const Command& command : kCommands) {
        std::fprintf(stream, "  quenvalor-eft %.*s %.*s\n", static_cast<int>(command.name.size()),
                     command.name.data(), static_cast<int>(command.arguments.size()),
                     command.arguments.data());
    }
}

// What effect authors need to know beyond the options.
constexpr const char* kAuthorNotes =
    "\n"
    "Effects are authored on a 480 x 360 frame; x and y place an effect of every type.\n"
    "\n"
    "Face following: an effect that follows the face is authored around a reference face,\n"
    "a rectangle centred at (240, 170), 150 x 190 pixels. Where a face is found, the effect's\n"
    "offset from the reference face's centre and its size are scaled by the face's width over\n"
    "150 and laid around the face's centre. render --follow-face finds the faces in the input\n"
    "picture (with the frontal-face cascade of the opencv-data package) and places every effect\n"
    "so.\n"
    "\n"
    "Background: render --background finds the person in the input picture with the person\n"
    "segmentation model of the program's data folder (or --model) and blurs the rest (strength 1\n"
    "to 100, by default 50) or puts the picture FILE (a picture file or a Scene's .eft) in its\n"
    "place, before the effects are drawn, as the program does on the camera picture.\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2) {
        const std::string_view name = argv[1];
        if (name == "--help" || name == "-h") {
            PrintUsage(stdout);
            std::fputs(kAuthorNotes, stdout);
            return eft::kExitSuccess;
        }
        for (const Command& command : kCommands) {
            if (command.name != name) continue;
            const int status = command.run(std::vector<std::string>(argv + 2, argv + argc));
            if (status == eft::kExitUsage) PrintUsage(stderr);
            return status;
        }
    }
    PrintUsage(stderr);
    return eft::kExitUsage;
}

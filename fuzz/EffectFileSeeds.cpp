// Writes a small seed corpus of effect files, one of each common shape, into the folder given
// as the only argument.

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>

#include <cstdio>
#include <string>
#include <vector>

#include "effects/EffectFileWriter.h"

using effects::EffectDescriptor;

namespace {

// A strip of `frames` square frames, each a different colour, with a soft alpha edge.
std::vector<uint8_t> StripPng(int side, int frames) {
    cv::Mat strip(side * frames, side, CV_8UC4);
    for (int row = 0; row < strip.rows; ++row) {
        for (int column = 0; column < side; ++column) {
            const int frame = row / side;
            strip.at<cv::Vec4b>(row, column) =
                cv::Vec4b(uchar(60 * frame), uchar(4 * column), uchar(255 - 3 * row),
                          uchar(column == 0 || column == side - 1 ? 64 : 255));
        }
    }
    std::vector<uint8_t> png;
    cv::imencode(".png", strip, png);
    return png;
}

EffectDescriptor Animation(int type, int frames) {
    EffectDescriptor d;
    d.type = type;
    d.frameCount = frames;
    d.delays.assign(static_cast<std::size_t>(frames), 100);
    d.width = 64;
    d.height = 64;
    d.image = StripPng(16, frames);
    return d;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: effect_file_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];

    EffectDescriptor overlay = Animation(0, 1);
    overlay.placement = 8;
    overlay.placementRect = {10, 20, 200, 150};

    EffectDescriptor animation = Animation(1, 4);
    animation.playOnce = 1;
    animation.randomPosition = 1;

    EffectDescriptor scene = Animation(6, 2);
    scene.sizeMode = 1;
    scene.widthPercent = 100;
    scene.heightPercent = 100;
    scene.quadCount = 2;
    scene.referenceSize = 1000;
    scene.quadsPixels = {{{{10, 10}, {10, 50}, {90, 10}, {90, 50}}},
                         {{{200, 30}, {210, 300}, {400, 20}, {420, 310}}}};
    scene.quadsScaled = {{{{20, 30}, {20, 140}, {190, 30}, {190, 140}}},
                         {{{420, 80}, {440, 830}, {830, 60}, {880, 860}}}};

    EffectDescriptor grid;
    grid.type = 2;
    grid.distortionCode = 1;
    grid.gridColumns = 3;
    grid.gridRows = 2;

    EffectDescriptor convolution;
    convolution.type = 5;
    convolution.filterCode = 9;
    for (std::size_t i = 0; i < convolution.kernel5.size(); ++i) convolution.kernel5[i] = 1;
    convolution.kernelDivisor = 25;
    convolution.kernelOffset = 0;

    const struct {
        const char* name;
        const EffectDescriptor& descriptor;
        std::vector<std::string> strings;
    } seeds[] = {
        {"overlay.eft", overlay, {"Overlay"}},
        {"animation.eft", animation, {"Animation", "plays once"}},
        {"scene.eft", scene, {}},
        {"grid.eft", grid, {"Grid"}},
        {"convolution.eft", convolution, {"Blur", "5 x 5", "box"}},
    };
    for (const auto& seed : seeds) {
        std::string error;
        if (!effects::WriteEffectFile(folder + "/" + seed.name, seed.descriptor, seed.strings,
                                      error)) {
            std::fprintf(stderr, "effect_file_seeds: %s\n", error.c_str());
            return 1;
        }
    }
    return 0;
}

// Feeds arbitrary bytes to the effect loader twice: as a PNG picture for the decoder, and as an
// effect file for the engine, which then renders and drags whatever it accepted.

#include <sys/stat.h>
#include <unistd.h>

#include <opencv2/core.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "effects/EffectEngine.h"
#include "effects/PngDecoder.h"
#include "fuzz/FuzzSupport.h"
#include "platform/Clock.h"

using fuzzing::Require;
using fuzzing::SaveAs;
using fuzzing::ScratchFolder;

namespace {

void CheckPicture(const effects::DecodedPicture& picture) {
    Require(picture.width >= 1 && picture.width <= effects::kMaxPngSide);
    Require(picture.height >= 1 && picture.height <= effects::kMaxPngSide);
    Require(static_cast<long long>(picture.width) * picture.height <= effects::kMaxPngPixels);
    Require(picture.pixels.size() == static_cast<std::size_t>(picture.width) * picture.height * 4);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::string path =
        ScratchFolder() + "/quenvalor-effect-loader-fuzz-" + std::to_string(getpid()) + ".eft";
    if (const auto picture = effects::DecodePng({data, size})) CheckPicture(*picture);
    if (!SaveAs(path, data, size)) return 0;

    // A small frame keeps grids and full-frame filters cheap; the loader scales to any size.
    effects::EffectEngine engine(64, 48);
    if (!engine.LoadEffectFile(path, -1)) {
        Require(engine.EffectCount() == 0);
        return 0;
    }
    Require(engine.EffectCount() == 1);
    cv::Mat frame(48, 64, CV_8UC3, cv::Scalar(10, 20, 30));
    platform::Clock::SetFixedTime(0);
    Require(engine.Render(frame, true));
    engine.MouseDown(10, 10);
    engine.MouseMove(30, 25);
    engine.MouseUp();
    engine.MouseDown(1, 1);
    engine.MouseMove(-20, 40);
    engine.MouseUp();
    platform::Clock::SetFixedTime(100000);
    Require(engine.Render(frame, true));
    return 0;
}

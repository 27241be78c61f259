// Feeds arbitrary bytes to the effect file reader as a file. Whatever it accepts must keep the
// reader's promises, and must survive being written and read again unchanged.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "effects/EffectFile.h"
#include "effects/EffectFileWriter.h"
#include "fuzz/FuzzSupport.h"

using effects::EffectDescriptor;
using effects::EffectFile;

using fuzzing::Require;
using fuzzing::SaveAs;
using fuzzing::ScratchFolder;

namespace {

void CheckConsistent(const EffectFile& file, const EffectDescriptor& d) {
    Require(EffectFile::HeaderFits(d.frameCount, d.quadCount));
    Require(d.delays.size() == static_cast<std::size_t>(d.frameCount));
    Require(d.quadsPixels.size() == static_cast<std::size_t>(d.quadCount));
    Require(d.quadsScaled.size() == d.quadsPixels.size());
    Require(d.image.size() == static_cast<std::size_t>(d.imageSize));
    Require(file.RectSize() >= 0 && file.RectSize() <= EffectFile::kRectBlockSize);
    Require(file.Strings().size() <= EffectFile::kMaxStrings);
    Require(d.text == (file.Strings().empty() ? std::nullopt
                                              : std::optional<std::string>(file.Strings()[0])));
}

// Writing an accepted descriptor and reading it back gives the same descriptor. The writer
// keeps room for a terminating length after the last string, so the table may come back
// shorter by the strings that ended right at the header area's end.
void CheckRoundTrip(const std::string& path, const EffectDescriptor& d,
                    const std::vector<std::string>& strings) {
    std::string error;
    Require(effects::WriteEffectFile(path, d, strings, error));
    EffectFile again;
    Require(again.Open(path, true));
    const EffectDescriptor* reread = again.ReadDescriptor();
    Require(reread != nullptr);
    EffectDescriptor expected = d;
    expected.text = reread->text;
    Require(*reread == expected);
    Require(again.Strings().size() <= strings.size());
    for (std::size_t i = 0; i < again.Strings().size(); ++i) {
        Require(again.Strings()[i] == strings[i]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::string base =
        ScratchFolder() + "/quenvalor-effect-file-fuzz-" + std::to_string(getpid());
    static const std::string inputPath = base + ".eft";
    static const std::string rewrittenPath = base + "-again.eft";
    if (!SaveAs(inputPath, data, size)) return 0;

    EffectFile file;
    if (file.Open(inputPath, true)) {
        const std::vector<std::string> strings = file.Strings();
        if (const EffectDescriptor* d = file.ReadDescriptor()) {
            CheckConsistent(file, *d);
            CheckRoundTrip(rewrittenPath, *d, strings);
        }
        while (file.NextString()) {
        }
        Require(file.Close());
    }
    return 0;
}

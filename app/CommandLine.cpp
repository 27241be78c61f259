#include "app/CommandLine.h"

namespace app {

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine result;
    const auto fail = [&result](std::string message) {
        result.action = CommandLine::Action::Fail;
        result.error = std::move(message);
        return result;
    };
    for (const std::string& argument : arguments) {
        if (argument == "-h" || argument == "--help") {
            result.action = CommandLine::Action::ShowHelp;
            return result;
        }
        if (argument == "-v" || argument == "--version") {
            result.action = CommandLine::Action::ShowVersion;
            return result;
        }
        LayoutMode layout;
        if (argument == "--studio") {
            layout = LayoutMode::Studio;
        } else if (argument == "--classic") {
            layout = LayoutMode::Classic;
        } else if (!argument.empty() && argument[0] == '-') {
            return fail("unknown option '" + argument + "'");
        } else {
            return fail("unexpected argument '" + argument + "'");
        }
        if (result.layout && *result.layout != layout)
            return fail("--studio and --classic cannot be given together");
        result.layout = layout;
    }
    return result;
}

std::string HelpText() {
    return "Usage: quenvalor [--studio | --classic]\n"
           "\n"
           "A webcam studio: live preview, recordings, snapshots and effects.\n"
           "\n"
           "Options:\n"
           "  --studio       start with the effect studio beside the preview\n"
           "  --classic      start with the classic recorder window\n"
           "  -h, --help     show this help and exit\n"
           "  -v, --version  show the version and exit\n"
           "\n"
           "Without an option the window opens in the layout it was last left in.\n"
           "Ctrl+E or the Effects button switches between the two layouts.\n";
}

std::string VersionText() {
    return std::string("quenvalor ") + QUENVALOR_VERSION + "\n";
}

}  // namespace app

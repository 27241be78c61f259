#include "app/CommandLine.h"

#include <QCoreApplication>

namespace app {
namespace {

// In the user's language once the program's translations are installed.
std::string Translated(const char* text) {
    return QCoreApplication::translate("CommandLine", text).toStdString();
}

std::string WithArgument(const char* text, const std::string& argument) {
    return QCoreApplication::translate("CommandLine", text)
        .arg(QString::fromLocal8Bit(argument.c_str()))
        .toStdString();
}

}  // namespace

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
            return fail(WithArgument(QT_TRANSLATE_NOOP("CommandLine", "unknown option '%1'"), argument));
        } else {
            return fail(
                WithArgument(QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'"), argument));
        }
        if (result.layout && *result.layout != layout)
            return fail(Translated(
                QT_TRANSLATE_NOOP("CommandLine", "--studio and --classic cannot be given together")));
        result.layout = layout;
    }
    return result;
}

std::string HelpText() {
    //: The command line's help. Keep the option names (--studio, -h, ...) as they are, and
    //: each line under 80 characters.
    return Translated(QT_TRANSLATE_NOOP(
        "CommandLine",
        "Usage: quenvalor [--studio | --classic]\n"
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
        "Ctrl+E or the Effects button switches between the two layouts.\n"));
}

std::string VersionText() {
    return std::string("quenvalor ") + QUENVALOR_VERSION + "\n";
}

}  // namespace app

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/MainLayout.h"

namespace app {

// What the program's command line asks for.
struct CommandLine {
    enum class Action {
        Run,          // open the window
        ShowHelp,     // print the help and end with status 0
        ShowVersion,  // print the version and end with status 0
        Fail,         // print `error` and a hint to standard error and end with status 2
    };
    Action action = Action::Run;
    std::optional<LayoutMode> layout;  // the layout to start with, when one was asked for
    std::string error;
};

// Reads the arguments after the program's name: --studio, --classic, -h/--help and
// -v/--version. An unknown option, a stray argument, or both layouts at once is a failure; help
// and version win over everything after them, as is usual.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The help and the failure messages are in the user's language once the program's translations
// are installed, in English before.
std::string HelpText();
std::string VersionText();

}  // namespace app

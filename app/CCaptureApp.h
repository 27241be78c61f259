#pragma once

namespace app {

// The process entry: lets one instance run at a time, runs the main window, and turns
// SIGTERM and SIGINT into the window's shutdown sequence.
class CCaptureApp {
public:
    // Returns the process's exit status. A second instance returns 0 at once, without a window.
    int Run(int argc, char** argv);
};

}  // namespace app

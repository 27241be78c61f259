#pragma once

namespace app {

// The process entry: lets one instance run at a time, runs the main window, turns SIGTERM,
// SIGINT, SIGHUP and SIGQUIT into the window's shutdown sequence, and finishes the recordings
// when the process ends without it (a lost display connection).
class CCaptureApp {
public:
    // Returns the process's exit status. A second instance returns 0 at once, without a window.
    int Run(int argc, char** argv);
};

}  // namespace app

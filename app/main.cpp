#include "app/CCaptureApp.h"

int main(int argc, char** argv) {
    app::CCaptureApp captureApp;
    return captureApp.Run(argc, argv);
}

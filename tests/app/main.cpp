#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// Qt widgets need an application object for the whole run; the tests use the offscreen platform.
// The run gets a home folder of its own, so the program's default output folder and settings
// never land in the real one.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (home.isValid()) qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

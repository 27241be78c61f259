#include "app/CCaptureApp.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "app/CMainDialog.h"
#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/Translations.h"
#include "controls/ProgramResources.h"
#include "platform/SingleInstanceLock.h"
#include "studio/StudioSession.h"

namespace app {
namespace {

// Signals arrive on any thread at any moment; the handler only writes a byte to a socket that
// the window's thread watches, and the shutdown runs there.
int signalSocket[2] = {-1, -1};

void OnTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(signalSocket[0], &byte, 1);
}

bool InstallTerminationHandlers() {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSocket) != 0) return false;
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    // A closed terminal (SIGHUP) and the quit key (SIGQUIT) end the program as SIGTERM does,
    // with every recording finished.
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) sigaction(signal, &action, nullptr);
    return true;
}

// The session whose recordings a process exit must finish. Qt ends the process with exit() when
// it loses the display connection, without the window's shutdown sequence; this handler then
// ends the session on the way out: the files are finished and its threads stopped.
studio::StudioSession* sessionAtExit = nullptr;

void EndSessionAtExit() {
    if (sessionAtExit) sessionAtExit->Shutdown();
}

// Help, version and command-line errors: printed in the user's language, without a display.
int AnswerCommandLine(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    Translations translations;
    translations.Install(
        Translations::FolderBeside(FindDataFolder(QCoreApplication::applicationDirPath())));
    const CommandLine commandLine = ParseCommandLine({argv + std::min(argc, 1), argv + argc});
    switch (commandLine.action) {
        case CommandLine::Action::ShowHelp:
            std::fputs(HelpText().c_str(), stdout);
            return 0;
        case CommandLine::Action::ShowVersion:
            std::fputs(VersionText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Fail:
            std::fprintf(stderr, "quenvalor: %s\n%s\n", commandLine.error.c_str(),
                         qPrintable(QCoreApplication::translate(
                             "CommandLine", "Try 'quenvalor --help' for more information.")));
            return 2;
        case CommandLine::Action::Run:
            break;
    }
    return 0;
}

}  // namespace

int CCaptureApp::Run(int argc, char** argv) {
    // The command line is read before anything else, so help and errors need no display.
    // The answer is printed after the translations are loaded, which needs an application object.
    const CommandLine commandLine = ParseCommandLine({argv + std::min(argc, 1), argv + argc});
    if (commandLine.action != CommandLine::Action::Run) return AnswerCommandLine(argc, argv);

    // The lock lives until the process ends. A failure to make it lets the start go on.
    static platform::SingleInstanceLock instanceLock("Quenvalor");
    if (instanceLock.TryAcquire() == platform::SingleInstanceLock::Result::AlreadyHeld) {
        // The running window comes forward instead of a second one opening.
        const bool rung = instanceLock.RingRunningInstance();
        QCoreApplication application(argc, argv);
        Translations translations;
        translations.Install(
            Translations::FolderBeside(FindDataFolder(QCoreApplication::applicationDirPath())));
        std::puts(qPrintable(
            rung ? QCoreApplication::translate(
                       "CCaptureApp",
                       "Quenvalor is already running; its window has been brought to the front.")
                 : QCoreApplication::translate("CCaptureApp", "Quenvalor is already running.")));
        return 0;
    }

    QApplication application(argc, argv);
    // The window's texts in the user's language, from the translations beside the program's data.
    Translations translations;
    translations.Install(
        Translations::FolderBeside(FindDataFolder(QCoreApplication::applicationDirPath())));
    QApplication::setApplicationName(QStringLiteral("Quenvalor"));
    // Ties the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quenvalor.Quenvalor"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(controls::ApplicationIcon());

    CMainDialog mainDialog;
    if (commandLine.layout) mainDialog.SetStartLayout(*commandLine.layout);

    std::unique_ptr<QSocketNotifier> signalNotifier;
    if (InstallTerminationHandlers()) {
        signalNotifier = std::make_unique<QSocketNotifier>(signalSocket[1], QSocketNotifier::Read);
        QObject::connect(signalNotifier.get(), &QSocketNotifier::activated, &mainDialog, [&] {
            char byte;
            [[maybe_unused]] const ssize_t bytesRead = read(signalSocket[1], &byte, 1);
            mainDialog.ShutdownSequence();
        });
    }

    std::unique_ptr<QSocketNotifier> doorbell;
    if (const int bell = instanceLock.ListenForOtherStarts(); bell >= 0) {
        doorbell = std::make_unique<QSocketNotifier>(bell, QSocketNotifier::Read);
        QObject::connect(doorbell.get(), &QSocketNotifier::activated, &mainDialog, [&, bell] {
            platform::SingleInstanceLock::TakeRing(bell);
            mainDialog.ShowWindowNormally();
        });
    }

    mainDialog.Initialise();
    mainDialog.show();
    // Once the window is up: recordings a crash cut off are repaired behind it.
    QTimer::singleShot(0, &mainDialog, [&] { mainDialog.Session().RepairUnfinishedRecordings(); });
    // The run ends when the shutdown sequence has closed the window.
    QObject::connect(&mainDialog, &CMainDialog::ShutDown, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    // Registered after Qt's own start-up, so it runs before Qt's exit handlers.
    sessionAtExit = &mainDialog.Session();
    std::atexit(EndSessionAtExit);
    const int status = application.exec();
    sessionAtExit = nullptr;
    return status;
}

}  // namespace app

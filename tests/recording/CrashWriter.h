#pragma once

// Starts the crash writer (CrashWriterMain.cpp), which records the pattern camera into a file
// until it is killed, and kills it, for the tests of cut-off recordings.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

extern char** environ;

namespace recording::testing {

// Records into `path` for `duration` after the file was started, then kills the writer with
// SIGKILL. Returns the seconds from the start of the file to the kill, or -1 when the writer did
// not start recording.
inline double RecordUntilKilled(const std::string& path, std::chrono::milliseconds duration) {
    int output[2];
    if (pipe(output) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    std::string program = QUENVALOR_CRASH_WRITER;
    std::string argument = path;
    char* arguments[] = {program.data(), argument.data(), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (spawned != 0) {
        close(output[0]);
        return -1;
    }
    FILE* childOutput = fdopen(output[0], "r");
    char line[64] = {};
    const bool recording =
        std::fgets(line, sizeof line, childOutput) != nullptr && std::string(line) == "recording\n";
    const auto started = std::chrono::steady_clock::now();
    if (recording) std::this_thread::sleep_for(duration);
    kill(child, SIGKILL);
    const double recorded =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    waitpid(child, nullptr, 0);
    std::fclose(childOutput);
    return recording ? recorded : -1;
}

}  // namespace recording::testing

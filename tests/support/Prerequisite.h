#pragma once

// A test whose prerequisite is missing (a photograph, a sound server, ...) skips with the reason
// on a developer's machine. Under continuous integration (CI set), where the install script
// provides every prerequisite, a missing one is a failure: a check that skips there cannot fail.

#include <gtest/gtest.h>

#include <cstdlib>

#define QUENVALOR_REQUIRE(condition, reason)                                  \
    do {                                                                      \
        if (!(condition)) {                                                   \
            if (std::getenv("CI")) FAIL() << "missing under CI: " << reason;  \
            GTEST_SKIP() << reason;                                           \
        }                                                                     \
    } while (false)

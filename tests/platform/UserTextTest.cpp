#include <gtest/gtest.h>

#include <string>

#include "platform/UserText.h"

namespace {

std::string Shouting(const char* context, const char* source) {
    return std::string(context) + ": " + source + "!";
}

}  // namespace

TEST(Platform_UserText, ValuesFillTheirNumbersOnceAndTheLocalizerGivesThePattern) {
    // A value holding a placeholder is not filled again; a number without a value stays.
    EXPECT_EQ(platform::UserText("Recording", "The recording \"%1\" has %2 free (%3).",
                                 {"a%2b.avi", "9 MiB"}),
              "The recording \"a%2b.avi\" has 9 MiB free (%3).");
    // The values go where the translation puts them, in any order.
    platform::SetTextLocalizer(&Shouting);
    EXPECT_EQ(platform::UserText("Recording", "%2 before %1", {"one", "two"}),
              "Recording: two before one!");
    platform::SetTextLocalizer(nullptr);
    EXPECT_EQ(platform::UserText("Recording", "%1 MiB", {"200"}), "200 MiB");
}

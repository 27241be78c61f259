#include <gtest/gtest.h>

#include "app/StringTable.h"
#include "controls/CHoverButton.h"

using app::LoadStringResource;

TEST(App_StringTable, HoldsTheWindowTexts) {
    EXPECT_EQ(LoadStringResource(app::kIdsAboutBox), QStringLiteral("&About Brisotel..."));
    EXPECT_EQ(LoadStringResource(102), QStringLiteral("Select Source Webcam"));
    EXPECT_EQ(LoadStringResource(103), QStringLiteral("Start Record Webcam"));
    EXPECT_EQ(LoadStringResource(104), QStringLiteral("Stop Record Webcam"));
    EXPECT_EQ(LoadStringResource(107), QStringLiteral("Visit official website"));
    EXPECT_EQ(LoadStringResource(108), QStringLiteral("Take snapshot"));
    EXPECT_TRUE(LoadStringResource(105).isEmpty());
}

// As the window sets its buttons' tooltips from the table.
TEST(App_StringTable, ButtonTooltipFromTheTable) {
    controls::CHoverButton button;
    button.SetTooltipText(LoadStringResource(103), true);
    EXPECT_EQ(button.toolTip(), QStringLiteral("Start Record Webcam"));
    // An unknown string changes nothing.
    button.SetTooltipText(LoadStringResource(9999), true);
    EXPECT_EQ(button.toolTip(), QStringLiteral("Start Record Webcam"));
    // Setting again replaces the text of the one tooltip.
    button.SetTooltipText(LoadStringResource(104), true);
    EXPECT_EQ(button.toolTip(), QStringLiteral("Stop Record Webcam"));
}

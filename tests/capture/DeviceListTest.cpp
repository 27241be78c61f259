#include <gtest/gtest.h>

#include "capture/DeviceList.h"

using capture::DeviceList;

namespace {

// Cameras by name, each with an identity of its own.
std::vector<capture::CameraDescription> Named(const std::vector<std::string>& names) {
    std::vector<capture::CameraDescription> cameras;
    for (const std::string& name : names) cameras.push_back({"/dev/video|" + name, name});
    return cameras;
}

}  // namespace

TEST(Capture_DeviceList, HidesVirtualAndTestDevicesByCaseSensitiveSubstring) {
    for (const char* hidden : {"ManyCam Virtual Webcam", "My virtual cam", "OBS VCam", "USB CamTest",
                               "Integrated Test Device", "Zelkorvan Camera"})
        EXPECT_TRUE(DeviceList::IsHiddenName(hidden)) << hidden;
    for (const char* shown : {"Integrated Webcam", "VIRTUAL CAMERA", "Latest HD Camera",
                              "Pattern Camera", "testing cam"})
        EXPECT_FALSE(DeviceList::IsHiddenName(shown)) << shown;
}

TEST(Capture_DeviceList, KeepsEachEntrysEnumerationPosition) {
    DeviceList list;
    list.Refresh(Named({"ManyCam Virtual", "Front Camera", "OBS VCam", "Back Camera"}));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list[0].name, "Front Camera");
    EXPECT_EQ(list[0].position, 1);
    EXPECT_EQ(list[1].name, "Back Camera");
    EXPECT_EQ(list[1].position, 3);
    EXPECT_EQ(list[1].id, "/dev/video|Back Camera");
    EXPECT_EQ(list.IndexOf("/dev/video|Back Camera"), 1);
    EXPECT_EQ(list.IndexOf("/dev/video|OBS VCam"), -1);
}

TEST(Capture_DeviceList, HoldsAtMostTwentyAndRebuildsFromScratch) {
    std::vector<std::string> many;
    for (int i = 0; i < 30; ++i) many.push_back("Camera model " + std::to_string(i));
    DeviceList list;
    list.Refresh(Named(many));
    ASSERT_EQ(list.Count(), DeviceList::kCapacity);
    EXPECT_EQ(list[19].position, 19);

    list.Refresh({});
    EXPECT_TRUE(list.IsEmpty());
}

TEST(Capture_DeviceList, UnreadableNameIsShownByNumber) {
    DeviceList list;
    list.Refresh(Named({"Front Camera", ""}));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list[1].name, "Camera 2");
}

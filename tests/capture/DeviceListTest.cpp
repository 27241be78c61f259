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

namespace {

capture::ListedSource Listed(capture::CameraProvider provider, std::string id, std::string node) {
    return {{std::move(id), "Integrated Camera"}, provider, std::move(node)};
}

}  // namespace

// A camera both providers list is one row: PipeWire's while its daemon runs (standing for the
// V4L2 identity too, so a camera remembered from a start without PipeWire is found), V4L2's
// otherwise; without a daemon, PipeWire's rows (left behind by a daemon that went away) go.
TEST(Capture_DeviceList, MergesTheCameraBothProvidersListIntoOneRow) {
    using capture::CameraProvider;
    using capture::MergedSource;
    const std::vector<capture::ListedSource> sources = {
        Listed(CameraProvider::V4l2, "/dev/video0|Integrated Camera", "/dev/video0"),
        Listed(CameraProvider::V4l2, "/dev/video2|USB Camera", "/dev/video2"),
        Listed(CameraProvider::PipeWire, "pipewire:v4l2_input.pci-0000_00_14.0|Integrated Camera",
               "/dev/video0"),
        Listed(CameraProvider::PipeWire, "pipewire:screen-share|Screen", ""),
        Listed(CameraProvider::Other, "pattern:camera|Pattern Camera", ""),
    };
    EXPECT_EQ(capture::MergeProviderLists(sources, true),
              (std::vector<MergedSource>{{1, {}},
                                         {2, {"/dev/video0|Integrated Camera"}},
                                         {3, {}},
                                         {4, {}}}));
    EXPECT_EQ(capture::MergeProviderLists(sources, false),
              (std::vector<MergedSource>{
                  {0, {"pipewire:v4l2_input.pci-0000_00_14.0|Integrated Camera"}}, {1, {}}, {4, {}}}));
    EXPECT_TRUE(capture::MergeProviderLists({}, true).empty());
}

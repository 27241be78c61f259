#include "capture/ModeNegotiation.h"

#include <gst/gst.h>
#include <gtest/gtest.h>

#include "capture/GstSupport.h"

using capture::CameraNeed;
using capture::ChooseCameraMode;
using capture::OfferedMode;

namespace {

OfferedMode Raw(int width, int height, int rate = 30) { return {"video/x-raw", width, height, rate, 1}; }
OfferedMode Jpeg(int width, int height, int rate = 30) { return {"image/jpeg", width, height, rate, 1}; }

constexpr CameraNeed kClassic{320, 240, 20};
constexpr CameraNeed kHd{1280, 720, 30};

}  // namespace

TEST(Capture_ModeNegotiation, PrefersTheSmallestCoveringRawModeAtTheRoadsRateThenJpeg) {
    const std::vector<OfferedMode> webcam{Jpeg(320, 240),  Raw(1920, 1080, 5), Raw(1280, 720, 10),
                                          Jpeg(1280, 720), Jpeg(1920, 1080),   Raw(640, 480),
                                          Raw(320, 240)};
    EXPECT_EQ(ChooseCameraMode(webcam, kClassic), Raw(320, 240));
    // Raw 1280 x 720 comes at only 10 frames per second: JPEG at the road's rate wins.
    EXPECT_EQ(ChooseCameraMode(webcam, kHd), Jpeg(1280, 720));
    // A wider mode covers a 4:3 need by a crop, and a 4:3 mode covers a wide need when it is high
    // enough.
    EXPECT_EQ(ChooseCameraMode({Raw(1280, 720), Raw(1920, 1080)}, {640, 480, 30}), Raw(1280, 720));
    EXPECT_EQ(ChooseCameraMode({Raw(960, 720), Raw(1280, 960)}, kHd), Raw(1280, 960));
    // Classic asks for 20 frames per second, which a 30 frames mode keeps up with.
    EXPECT_EQ(ChooseCameraMode({Raw(640, 480, 15), Raw(640, 480, 20)}, kClassic), Raw(640, 480, 20));
}

TEST(Capture_ModeNegotiation, FallsBackToASlowCoveringModeThenToTheBestMode) {
    // Only slow modes cover: the smallest of them, the faster at one size.
    EXPECT_EQ(ChooseCameraMode({Raw(1920, 1080, 5), Jpeg(1280, 720, 15), Raw(1280, 720, 10)}, kHd),
              Jpeg(1280, 720, 15));
    // Nothing covers: the largest mode, scaled up by the road; at one size the faster, then raw.
    EXPECT_EQ(ChooseCameraMode({Raw(160, 120), Jpeg(640, 480, 15), Jpeg(640, 480)}, kHd),
              Jpeg(640, 480));
    EXPECT_EQ(ChooseCameraMode({Jpeg(640, 480), Raw(640, 480)}, kHd), Raw(640, 480));
    // Only modes that cannot be decoded as frames: the camera is taken as it comes.
    EXPECT_EQ(ChooseCameraMode({{"video/x-h264", 1920, 1080, 30, 1}}, kHd), std::nullopt);
    EXPECT_EQ(ChooseCameraMode({}, kClassic), std::nullopt);
    // A mode that names no rate counts as keeping up.
    EXPECT_EQ(ChooseCameraMode({Raw(640, 480, 0), Jpeg(320, 240)}, kClassic), Raw(640, 480, 0));
}

TEST(Capture_ModeNegotiation, ReadsCapsWithRangesListsAndDuplicatesAndRequestsTheChoice) {
    gst_init(nullptr, nullptr);
    capture::CapsRef caps(gst_caps_from_string(
        "video/x-raw,format=YUY2,width=640,height=480,framerate={ 15/1, 30/1, 5/1 };"
        "video/x-raw,format=NV12,width=640,height=480,framerate={ 30/1, 15/1 };"
        "image/jpeg,width=[ 16, 4096 ],height=[ 16, 2160 ],framerate=[ 1/1, 60/1 ];"
        "video/x-raw,width=320;"
        "image/jpeg,width=1920,height=1080"));
    const auto modes = capture::OfferedModesOf(caps.get(), kHd);
    ASSERT_EQ(modes.size(), 3u);
    EXPECT_EQ(modes[0], Raw(640, 480, 30));
    EXPECT_EQ(modes[1], Jpeg(1280, 720, 60));
    EXPECT_EQ(modes[2], (OfferedMode{"image/jpeg", 1920, 1080, 0, 1}));
    EXPECT_EQ(ChooseCameraMode(modes, kHd), Jpeg(1280, 720, 60));
    EXPECT_EQ(capture::ModeRequestCaps(Jpeg(1280, 720, 60)),
              "image/jpeg,width=1280,height=720,framerate=60/1");
    EXPECT_EQ(capture::ModeRequestCaps(modes[2]), "image/jpeg,width=1920,height=1080");
}

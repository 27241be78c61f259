#include <gtest/gtest.h>

#include <opencv2/core.hpp>

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "effects/EffectEngine.h"
#include "tests/effects/EffectTestSupport.h"
#include "tests/effects/LoaderTestSupport.h"

using effects::EffectEngine;
using namespace loader_test;

namespace {

struct RecordedEvents : effects::EngineEvents {
    int selectionChanges = 0;
    std::vector<std::string> ended;
    std::function<void()> onSelectionChanged;
    void SelectionChanged() override {
        ++selectionChanges;
        if (onSelectionChanged) onSelectionChanged();
    }
    void EffectEnded(const std::string& effectPath) override { ended.push_back(effectPath); }
};

class Effects_EffectEngine : public ::testing::Test {
protected:
    effect_file_test::ScratchFolder folder{"engine"};
    RecordedEvents events;
    EffectEngine engine{480, 360, &events};

    void SetUp() override { engine.SetPaintMode(false); }

    // Writes a still picture effect and loads it at the end of the list; returns its path.
    std::string Add(int type, cv::Rect rect, cv::Scalar bgra = {0, 0, 255, 255},
                    std::string name = "") {
        if (name.empty()) name = "effect" + std::to_string(engine.EffectCount()) + ".eft";
        const std::string path =
            WriteEffect(folder, name, PictureDescriptor(type, rect.size(), rect.tl(), bgra));
        EXPECT_TRUE(engine.LoadEffectFile(path, -1));
        return path;
    }
    cv::Rect RectOf(int index) const {
        const effects::EffectRect r = engine.Describe(index)->rect;
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    void Drag(cv::Point from, cv::Point to) {
        engine.MouseDown(from.x, from.y);
        engine.MouseMove(to.x, to.y);
        engine.MouseUp();
    }
};

}  // namespace

TEST_F(Effects_EffectEngine, LoadInsertsAtTheEndOrBeforeAnIndexAndSelectionFollowsItsEffect) {
    const std::string a = Add(1, {0, 0, 20, 20});
    const std::string b = Add(1, {0, 0, 20, 20});
    ASSERT_TRUE(engine.Select(0));
    EXPECT_TRUE(engine.LoadEffectFile(b, 0));
    EXPECT_EQ(engine.Describe(0)->path, b);
    EXPECT_EQ(engine.Describe(1)->path, a);
    EXPECT_EQ(engine.SelectedIndex(), 1) << "still the first file's effect";
    for (int index : {3, -2}) EXPECT_FALSE(engine.LoadEffectFile(a, index)) << index;
    EXPECT_FALSE(engine.LoadEffectFile(folder / "missing.eft", -1));
    EXPECT_EQ(engine.EffectCount(), 3);
    // Two loads of one file are two effects.
    engine.SetManipulationMode(EffectEngine::kSelected);
    Drag({10, 10}, {30, 40});
    EXPECT_EQ(RectOf(2).tl(), cv::Point(20, 30));
    EXPECT_EQ(RectOf(0).tl(), cv::Point(0, 0));
}

TEST_F(Effects_EffectEngine, OnlyActiveNonOverlayEffectsAndTheCanvasAreSelectable) {
    Add(1, {0, 0, 50, 50});
    Add(0, {0, 0, 50, 50});
    EXPECT_TRUE(engine.Select(0));
    EXPECT_FALSE(engine.Select(1)) << "overlay";
    EXPECT_FALSE(engine.Select(2));
    EXPECT_EQ(engine.SelectedIndex(), 0);
    EXPECT_TRUE(engine.Select(EffectEngine::kCanvasSelected));
    EXPECT_FALSE(engine.Describe(0)->selected);
    EXPECT_TRUE(engine.Describe(EffectEngine::kCanvasSelected)->selected);
    engine.ClearSelection();
    EXPECT_FALSE(engine.Describe(EffectEngine::kCanvasSelected)->selected);
    EXPECT_EQ(events.selectionChanges, 3);
    EXPECT_EQ(engine.GetItem(-2)->GetKind(), effects::EffectKind::kPaintCanvas);
    for (int index : {-1, -3, 2}) EXPECT_EQ(engine.GetItem(index), nullptr) << index;
}

TEST_F(Effects_EffectEngine, ByNameSelectionTakesTheLastCopyAndDeactivationTheFirstActiveOne) {
    const std::string path = Add(1, {0, 0, 40, 40});
    ASSERT_TRUE(engine.LoadEffectFile(path, -1));
    ASSERT_TRUE(engine.SelectByName(path));
    EXPECT_EQ(engine.SelectedIndex(), 1);
    engine.SetManipulationMode(EffectEngine::kSelected);
    engine.DeactivateByName(folder / "other.eft");
    engine.DeactivateByName(path);
    EXPECT_FALSE(engine.Describe(0)->active);
    EXPECT_TRUE(engine.Describe(1)->active);
    EXPECT_EQ(engine.SelectedIndex(), 1);
    EXPECT_EQ(engine.ManipulationMode(), EffectEngine::kSelected);
    // A second removal reaches the second copy, which was selected: the manipulation ends.
    engine.DeactivateByName(path);
    EXPECT_FALSE(engine.Describe(1)->active);
    EXPECT_EQ(engine.SelectedIndex(), EffectEngine::kNothingSelected);
    EXPECT_EQ(engine.ManipulationMode(), EffectEngine::kIdle);
    EXPECT_FALSE(engine.SelectByName(path));
    EXPECT_EQ(engine.HitTestAll(10, 10), EffectEngine::kNothingSelected) << "not drawn, not hit";
}

TEST_F(Effects_EffectEngine, PressMoveAndReleaseMoveTheEffectUnderThePointer) {
    Add(1, {100, 100, 100, 80});
    engine.MouseDown(5, 5);
    EXPECT_EQ(engine.ManipulationMode(), EffectEngine::kIdle);
    EXPECT_EQ(engine.SelectedIndex(), EffectEngine::kNothingSelected);

    engine.MouseDown(150, 140);
    EXPECT_EQ(engine.ManipulationMode(), EffectEngine::kMoving);
    engine.MouseMove(160, 150);
    engine.MouseMove(180, 120);
    engine.MouseUp();
    EXPECT_EQ(RectOf(0), cv::Rect(130, 80, 100, 80));
    EXPECT_EQ(engine.ManipulationMode(), EffectEngine::kSelected);
    EXPECT_EQ(engine.SelectedIndex(), 0);

    engine.MouseDown(229, 159);  // bottom-right corner
    EXPECT_EQ(engine.ManipulationMode(), EffectEngine::kResizing);
    EXPECT_EQ(engine.ResizeZone(), effects::kZoneBottomRight);
    engine.MouseMove(249, 169);
    engine.MouseUp();
    EXPECT_EQ(RectOf(0), cv::Rect(130, 80, 120, 90));
    EXPECT_EQ(engine.ManipulationMode(), EffectEngine::kSelected);
}

TEST_F(Effects_EffectEngine, ResizeBelowElevenPixelsIsRefusedUntilThePointerComesBack) {
    Add(1, {100, 100, 100, 100});
    engine.MouseDown(100, 100);
    ASSERT_EQ(engine.ResizeZone(), effects::kZoneTopLeft);
    EXPECT_FALSE(engine.DragResize(195, 195));
    EXPECT_EQ(RectOf(0), cv::Rect(100, 100, 100, 100));
    EXPECT_TRUE(engine.DragResize(189, 189)) << "measured from the press, not the refused point";
    EXPECT_EQ(RectOf(0), cv::Rect(189, 189, 11, 11));
}

TEST_F(Effects_EffectEngine, ClickOnAnOverlayOnTopSelectsNothingAndStaysIdle) {
    Add(1, {0, 0, 100, 100});
    Add(4, {0, 0, 100, 100});
    engine.MouseDown(50, 50);
    EXPECT_EQ(engine.SelectedIndex(), EffectEngine::kNothingSelected);
    EXPECT_EQ(engine.ManipulationMode(), EffectEngine::kIdle);
}

TEST_F(Effects_EffectEngine, WhilePaintingEveryPressTakesTheCanvasUntilRelease) {
    Add(1, {0, 0, 100, 100});
    engine.SetPaintMode(true);
    engine.MouseDown(50, 50);
    EXPECT_EQ(engine.SelectedIndex(), EffectEngine::kCanvasSelected);
    EXPECT_EQ(engine.ManipulationMode(), EffectEngine::kMoving);
    engine.MouseMove(60, 60);
    engine.MouseUp();
    EXPECT_EQ(engine.SelectedIndex(), EffectEngine::kNothingSelected);
    EXPECT_EQ(engine.ManipulationMode(), EffectEngine::kIdle);
    EXPECT_EQ(RectOf(0), cv::Rect(0, 0, 100, 100));
}

TEST_F(Effects_EffectEngine, RenderDrawsActiveEffectsInListOrderOnFramesOfItsSize) {
    Add(1, {10, 10, 40, 40}, {255, 0, 0, 255});
    Add(1, {30, 30, 40, 40}, {0, 255, 0, 255});
    cv::Mat frame(360, 480, CV_8UC3, cv::Scalar::all(0));
    ASSERT_TRUE(engine.Render(frame, true));
    EXPECT_EQ(frame.at<cv::Vec3b>(20, 20), cv::Vec3b(255, 0, 0));
    EXPECT_EQ(frame.at<cv::Vec3b>(40, 40), cv::Vec3b(0, 255, 0)) << "the later effect on top";

    engine.Select(0);
    engine.DeactivateByName(engine.Describe(1)->path);
    frame.setTo(0);
    ASSERT_TRUE(engine.Render(frame, true));
    EXPECT_EQ(frame.at<cv::Vec3b>(40, 40), cv::Vec3b(255, 0, 0));
    EXPECT_EQ(frame.at<cv::Vec3b>(10, 10), cv::Vec3b(100, 100, 100)) << "selection border";
    ASSERT_TRUE(engine.Render(frame, false));
    EXPECT_EQ(frame.at<cv::Vec3b>(10, 10), cv::Vec3b(255, 0, 0));

    cv::Mat small(240, 320, CV_8UC3, cv::Scalar::all(7));
    EXPECT_FALSE(engine.Render(small, false));
    EXPECT_EQ(cv::countNonZero(small.reshape(1) != 7), 0);
}

TEST_F(Effects_EffectEngine, EndingIsReportedOnceUnderTheFullPath) {
    // Deeper than an effect's own name can hold.
    const std::string deep = std::string(200, 'd') + "/" + std::string(100, 'e');
    std::filesystem::create_directories(folder.Path() / deep);
    effects::EffectDescriptor d = PictureDescriptor(6, {40, 40}, {0, 0});
    d.playOnce = 1;
    const std::string path = WriteEffect(folder, deep + "/once.eft", d);
    ASSERT_GT(path.size(), effects::EffectBase::kMaxNameLength);
    ASSERT_TRUE(engine.LoadEffectFile(path, -1));
    ASSERT_TRUE(engine.SelectByName(path));

    effects_test::FixedClock clock(1000);
    cv::Mat frame(360, 480, CV_8UC3, cv::Scalar::all(0));
    engine.Render(frame, true);
    clock.Set(1100);
    for (int i = 0; i < 3; ++i) engine.Render(frame, true);
    EXPECT_EQ(events.ended, std::vector<std::string>{path});
    EXPECT_FALSE(engine.Describe(0)->active);
    EXPECT_EQ(engine.SelectedIndex(), EffectEngine::kNothingSelected);
}

TEST_F(Effects_EffectEngine, WindowMayCallBackWhileAnotherThreadRenders) {
    Add(5, {0, 0, 480, 360});
    Add(1, {100, 100, 100, 80});
    int seenInside = 0;
    events.onSelectionChanged = [&] { seenInside = engine.SelectedIndex(); };
    ASSERT_TRUE(engine.Select(1));
    EXPECT_EQ(seenInside, 1);
    events.onSelectionChanged = nullptr;

    std::atomic<bool> stop = false;
    std::thread renderer([&] {
        cv::Mat frame(360, 480, CV_8UC3);
        while (!stop) {
            frame.setTo(50);
            engine.Render(frame, true);
        }
    });
    for (int i = 0; i < 100; ++i) {
        Drag({150, 140}, {153, 141});
        Drag({153, 141}, {150, 140});
    }
    stop = true;
    renderer.join();
    EXPECT_EQ(RectOf(1).tl(), cv::Point(100, 100));
    EXPECT_EQ(engine.SelectedIndex(), 1);
}

TEST_F(Effects_EffectEngine, BorderDrawnAfterRenderingLooksAsTheBorderDrawnInThePicture) {
    EXPECT_FALSE(engine.HasWork());
    Add(1, {100, 80, 120, 90});
    Add(6, {-20, 300, 60, 90}, {0, 255, 0, 255});  // a scene, partly off the frame
    EXPECT_TRUE(engine.HasWork());
    for (const int selected : {0, 1}) {
        ASSERT_TRUE(engine.Select(selected));
        ASSERT_TRUE(engine.ShowsSelectionBorder());
        const cv::Mat camera = effects_test::RandomFrame(480, 360, 5);
        cv::Mat inPicture = camera.clone();
        ASSERT_TRUE(engine.Render(inPicture, true));
        cv::Mat afterwards = camera.clone();
        ASSERT_TRUE(engine.Render(afterwards, false));
        engine.DrawSelectionBorder(afterwards);
        EXPECT_EQ(effects_test::CountDifferences(inPicture, afterwards), 0) << selected;
    }
    engine.ClearSelection();
    EXPECT_FALSE(engine.ShowsSelectionBorder());
    engine.DeactivateAll();
    EXPECT_FALSE(engine.HasWork()) << "nothing left to draw";

    // Paint: a stroke under way and paint left behind need the engine; a cleared canvas not.
    engine.SetPaintMode(true);
    engine.MouseMove(10, 10);
    engine.MouseDown(10, 10);
    EXPECT_TRUE(engine.HasWork());
    cv::Mat frame = cv::Mat::zeros(360, 480, CV_8UC3);
    engine.Render(frame, false);
    for (const int x : {60, 110}) {
        engine.MouseMove(x, 60);
        engine.Render(frame, false);
    }
    engine.MouseUp();
    EXPECT_TRUE(engine.HasWork());
    engine.ClearPaint();
    EXPECT_FALSE(engine.HasWork());
}

TEST_F(Effects_EffectEngine, ResizingALongStripIsCappedByItsPixelsAcrossAllFrames) {
    effects::EffectDescriptor strip = PictureDescriptor(1, {100, 100}, {0, 0});
    strip.frameCount = 16;
    strip.delays.assign(16, 100);
    strip.image = SolidPng(8, 16, {0, 0, 255, 255});
    strip.imageSize = static_cast<int32_t>(strip.image.size());
    ASSERT_TRUE(engine.LoadEffectFile(WriteEffect(folder, "strip.eft", strip), -1));
    engine.MouseDown(99, 99);
    ASSERT_EQ(engine.ResizeZone(), effects::kZoneBottomRight);
    // 1200 x 1200 x 16 frames is past the limit, though each side is well inside it.
    EXPECT_FALSE(engine.DragResize(1199, 1199));
    EXPECT_EQ(RectOf(0), cv::Rect(0, 0, 100, 100));
    EXPECT_TRUE(engine.DragResize(999, 999));
    EXPECT_EQ(RectOf(0), cv::Rect(0, 0, 1000, 1000));
}

TEST_F(Effects_EffectEngine, RebuiltForAnotherSizeKeepsEachEffectsShareOfThePicture) {
    const std::string moved = Add(1, {100, 100, 100, 80}, {0, 0, 255, 255});
    const std::string resting = Add(1, {0, 0, 48, 36}, {0, 255, 0, 255});
    engine.DeactivateByName(resting);
    Drag({150, 140}, {180, 120});
    ASSERT_EQ(RectOf(0), cv::Rect(130, 80, 100, 80));
    // A stroke on the paint layer, drawn by the renders between the mouse's moves.
    cv::Mat frame(360, 480, CV_8UC3, cv::Scalar::all(0));
    engine.SetPaintMode(true);
    engine.SetBrushWidth(4);
    engine.MouseDown(300, 300);
    for (const int x : {310, 330, 360}) {
        engine.Render(frame, false);
        engine.MouseMove(x, 300);
    }
    engine.Render(frame, false);
    engine.MouseUp();
    ASSERT_GT(frame.at<cv::Vec3b>(300, 330)[0], 200);
    engine.SetPaintMode(false);

    const auto rebuilt = engine.RebuiltFor({1280, 720}, &events);
    ASSERT_EQ(rebuilt->FrameSize(), cv::Size(1280, 720));
    ASSERT_EQ(rebuilt->EffectCount(), 2);
    const effects::EffectRect rect = rebuilt->Describe(0)->rect;
    EXPECT_EQ(cv::Rect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
              cv::Rect(347, 160, 267, 160));
    EXPECT_EQ(rebuilt->Describe(0)->path, moved);
    EXPECT_FALSE(rebuilt->Describe(1)->active);

    cv::Mat hd(720, 1280, CV_8UC3, cv::Scalar::all(0));
    ASSERT_TRUE(rebuilt->Render(hd, false));
    EXPECT_EQ(hd.at<cv::Vec3b>(240, 480), cv::Vec3b(0, 0, 255)) << "the moved effect, scaled";
    EXPECT_EQ(hd.at<cv::Vec3b>(20, 40), cv::Vec3b(0, 0, 0)) << "the inactive one stays off";
    EXPECT_GT(hd.at<cv::Vec3b>(600, 880)[0], 200) << "the stroke, where it was";
    EXPECT_EQ(hd.at<cv::Vec3b>(620, 880), cv::Vec3b(0, 0, 0)) << "and as wide as its share";

    // An effect loaded afresh at the new size lies where it lies at 480 x 360, in proportion.
    EffectEngine hdEngine(1280, 720);
    ASSERT_TRUE(hdEngine.LoadEffectFile(moved, -1));
    const effects::EffectRect fresh = hdEngine.Describe(0)->rect;
    EXPECT_EQ(cv::Rect(fresh.left, fresh.top, fresh.right - fresh.left, fresh.bottom - fresh.top),
              cv::Rect(266, 200, 266, 160));
}

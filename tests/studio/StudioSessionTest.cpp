// A run of the program without a window, driven as a window drives it: the pattern camera and
// microphone, recordings read back from their files, snapshots, a recording-size change and the
// end with a stuck or failed recorder.

#include <gtest/gtest.h>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "capture/PatternDevices.h"
#include "recording/MMBoxEncoder.h"
#include "studio/StudioSession.h"
#include "tests/capture/CameraTestSupport.h"
#include "tests/recording/AviProbe.h"
#include "tests/recording/EncoderDoubles.h"
#include "tests/recording/MediaDecode.h"
#include "tests/support/Prerequisite.h"

using capture::CameraState;
using capture::MicrophoneState;
using capture_test::WaitUntil;
using recording::testing::AviFacts;
using recording::testing::ProbeAvi;
using recording::testing::ScratchFolder;
using recording::testing::StuckFinishEncoder;
using recording::testing::StuckGate;
using recording::testing::StuckOpenEncoder;
using studio::StudioSession;
using namespace std::chrono_literals;
using SecondsD = std::chrono::duration<double>;

namespace {

const std::string kPatternCamera =
    std::string(capture::kPatternCameraPath) + "|" + capture::kPatternCameraName;
const std::string kPatternMicrophone =
    std::string(capture::kPatternMicrophonePath) + "|" + capture::kPatternMicrophoneName;

// Opening a camera or a microphone, and the first check of a recorder's surroundings, take a
// second or two; sanitizer builds run several times slower.
constexpr auto kLongWait = 30s;

// What a session told, as it arrives on the session's threads.
class RecordedEvents : public studio::SessionEvents {
public:
    void SelectionChanged() override {}
    void EffectEnded(const std::string&) override {}
    void CamerasChanged(const std::vector<capture::CameraDescription>&) override {}
    void CameraStateChanged(const std::string&, CameraState state) override {
        std::lock_guard lock(mutex_);
        if (state == CameraState::Live) ++cameraLive_;
    }
    void CameraOpenFailed(const std::string& id, capture::CameraFailure) override {
        Note("camera open failed: " + id);
    }
    void CameraChoiceDelivered(const std::string&) override {}
    void MicrophoneStateChanged(MicrophoneState state) override {
        std::lock_guard lock(mutex_);
        microphoneLive_ = state == MicrophoneState::Live;
    }
    void RecordingFailed(int serial, const std::string& message) override {
        std::lock_guard lock(mutex_);
        recordingFailures_.emplace_back(serial, message);
    }
    void RoadFailed(const std::string& message) override { Note("road failed: " + message); }
    void RepairFinished(const recording::RepairResult&) override {}
    void RecordingStarted(int serial, const std::string& path) override {
        std::lock_guard lock(mutex_);
        starts_.push_back({serial, path, true});
    }
    void RecordingNotStarted(int serial, const std::string& message) override {
        std::lock_guard lock(mutex_);
        starts_.push_back({serial, message, false});
    }
    void SnapshotSaved(const std::string& path) override {
        std::lock_guard lock(mutex_);
        snapshots_.push_back(path);
    }
    void SnapshotFailed(const std::string& message) override { Note("snapshot failed: " + message); }

    // How the start of a recording went: its file, or why there is none.
    struct Start {
        int serial = 0;
        std::string pathOrMessage;
        bool started = false;
    };
    std::vector<Start> Starts() const {
        std::lock_guard lock(mutex_);
        return starts_;
    }
    std::vector<std::string> Snapshots() const {
        std::lock_guard lock(mutex_);
        return snapshots_;
    }

    // How often the camera became Live.
    int CameraLiveCount() const {
        std::lock_guard lock(mutex_);
        return cameraLive_;
    }
    bool MicrophoneLive() const {
        std::lock_guard lock(mutex_);
        return microphoneLive_;
    }
    std::vector<std::pair<int, std::string>> RecordingFailures() const {
        std::lock_guard lock(mutex_);
        return recordingFailures_;
    }
    // Failures that no test here expects.
    std::vector<std::string> Faults() const {
        std::lock_guard lock(mutex_);
        return faults_;
    }

private:
    void Note(const std::string& fault) {
        std::lock_guard lock(mutex_);
        faults_.push_back(fault);
    }

    mutable std::mutex mutex_;
    int cameraLive_ = 0;
    bool microphoneLive_ = false;
    std::vector<std::pair<int, std::string>> recordingFailures_;
    std::vector<std::string> faults_;
    std::vector<Start> starts_;
    std::vector<std::string> snapshots_;
};

// Starts a recording and waits for its file: the start as told, with serial 0 when none came.
RecordedEvents::Start StartRecording(StudioSession& session, const RecordedEvents& events) {
    const std::size_t before = events.Starts().size();
    const std::optional<int> serial = session.StartRecording();
    EXPECT_TRUE(serial) << "a recording was refused";
    if (!serial || !WaitUntil([&] { return events.Starts().size() > before; }, kLongWait))
        return {};
    const RecordedEvents::Start start = events.Starts().back();
    EXPECT_EQ(start.serial, *serial);
    return start;
}

studio::SessionStart StartIn(const ScratchFolder& folder,
                             const std::string& microphone = capture::kNoMicrophone) {
    setenv("QUENVALOR_PATTERN_CAMERA", "1", 1);
    studio::SessionStart start;
    start.camera = kPatternCamera;
    start.microphone = microphone;
    start.outputFolder = folder.path();
    start.defaultFolder = folder.File("default");
    return start;
}

// A snapshot taken now, read back: its picture, empty when none was written.
cv::Mat SnapshotPicture(StudioSession& session, const RecordedEvents& events) {
    const std::size_t before = events.Snapshots().size();
    session.TakeSnapshot();
    if (!WaitUntil([&] { return events.Snapshots().size() > before; }, kLongWait)) {
        ADD_FAILURE() << "no snapshot was saved";
        return {};
    }
    const std::string path = events.Snapshots().back();
    EXPECT_TRUE(path.ends_with(".jpg")) << path;
    return cv::imread(path);
}


}  // namespace

TEST(Studio_Session, RecordsCameraAndMicrophoneIntoAFileThatPlaysAndTakesSnapshots) {
    setenv("QUENVALOR_PATTERN_MICROPHONE", "1", 1);
    ScratchFolder folder;
    RecordedEvents events;
    StudioSession session(events, nullptr);
    session.Start(StartIn(folder, kPatternMicrophone));
    ASSERT_TRUE(WaitUntil([&] { return events.CameraLiveCount() > 0; }, kLongWait));
    ASSERT_TRUE(WaitUntil([&] { return events.MicrophoneLive(); }, kLongWait));

    const cv::Mat snapshot = SnapshotPicture(session, events);
    ASSERT_EQ(snapshot.size(), cv::Size(320, 240));
    EXPECT_GT(cv::countNonZero(snapshot.reshape(1)), 0) << "the camera's picture, not black";

    const RecordedEvents::Start recording = StartRecording(session, events);
    ASSERT_TRUE(recording.started) << recording.pathOrMessage;
    const std::string& path = recording.pathOrMessage;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_TRUE(session.IsRecording());
    EXPECT_EQ(path.rfind(folder.path() + "/", 0), 0u) << path;
    EXPECT_TRUE(path.ends_with(".avi")) << path;
    std::this_thread::sleep_for(2s);
    session.StopRecording();
    const double recorded = SecondsD(std::chrono::steady_clock::now() - started).count();
    EXPECT_FALSE(session.IsRecording());

    EXPECT_TRUE(session.Shutdown().empty());
    EXPECT_EQ(session.FinishingRecorderCount(), 0u);
    EXPECT_FALSE(session.StartRecording()) << "nothing records after the end";
    EXPECT_TRUE(events.RecordingFailures().empty());
    EXPECT_TRUE(events.Faults().empty()) << events.Faults().front();

    const AviFacts facts = ProbeAvi(path);
    ASSERT_TRUE(facts.opened);
    EXPECT_EQ(facts.streams, 2);
    EXPECT_EQ(facts.width, 320);
    EXPECT_NEAR(facts.videoPackets, recorded * 20, 3) << "recorded for " << recorded << " s";
    // The pattern microphone beeps in the first 100 ms of every second: its sound is in the file.
    const std::vector<float> sound = recording::testing::DecodeSound(path);
    float loudest = 0;
    for (const float sample : sound) loudest = std::max(loudest, std::abs(sample));
    EXPECT_GT(loudest, 0.2f) << "the microphone's beeps are missing";
    unsetenv("QUENVALOR_PATTERN_MICROPHONE");
}

TEST(Studio_Session, LargerRecordingSizeChosenWhileIdleRecordsMp4AndIsRefusedWhileRecording) {
    ScratchFolder folder;
    RecordedEvents events;
    StudioSession session(events, nullptr);
    session.Start(StartIn(folder));
    ASSERT_TRUE(WaitUntil([&] { return events.CameraLiveCount() > 0; }, kLongWait));

    const capture::RoadConfig vga = capture::RoadConfigFromText("640x480");
    const int liveBefore = events.CameraLiveCount();
    ASSERT_TRUE(session.SetRecordingSize(vga));
    EXPECT_EQ(session.Road(), vga);
    // The camera is opened again for the new size.
    ASSERT_TRUE(WaitUntil([&] { return events.CameraLiveCount() > liveBefore; }, kLongWait));
    EXPECT_EQ(SnapshotPicture(session, events).size(), cv::Size(640, 480));

    const RecordedEvents::Start recording = StartRecording(session, events);
    ASSERT_TRUE(recording.started) << recording.pathOrMessage;
    const std::string& path = recording.pathOrMessage;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_TRUE(path.ends_with(".mp4")) << path;
    EXPECT_FALSE(session.SetRecordingSize(capture::RoadConfig::Classic()));
    EXPECT_EQ(session.Road(), vga) << "the size stays while recording";
    std::this_thread::sleep_for(1s);
    session.StopRecording();
    const double recorded = SecondsD(std::chrono::steady_clock::now() - started).count();
    EXPECT_TRUE(session.Shutdown().empty());
    EXPECT_TRUE(events.Faults().empty()) << events.Faults().front();

    const AviFacts facts = ProbeAvi(path);
    ASSERT_TRUE(facts.opened);
    EXPECT_NE(facts.format.find("mp4"), std::string::npos) << facts.format;
    EXPECT_EQ(facts.width, 640);
    EXPECT_EQ(facts.height, 480);
    EXPECT_NEAR(facts.videoPackets, recorded * 30, 4) << "recorded for " << recorded << " s";
    if (recording::testing::FfprobeInstalled()) {
        EXPECT_EQ(recording::testing::CommandOutput("ffprobe -v warning '" + path + "'"),
                  "");
    }
}

TEST(Studio_Session, EndGivesUpOnARecorderStuckFinishingItsFileAfterTheLimit) {
    ScratchFolder folder;
    RecordedEvents events;
    StudioSession session(events, nullptr);
    auto gate = std::make_shared<StuckGate>();
    session.SetEncoderFactory([gate] { return std::make_unique<StuckFinishEncoder>(gate); });
    session.SetFinishWaitLimit(300ms);
    session.Start(StartIn(folder));
    ASSERT_TRUE(StartRecording(session, events).started);
    std::this_thread::sleep_for(300ms);

    int told = 0;
    int toldFirst = 0;
    const auto ending = std::chrono::steady_clock::now();
    const std::vector<std::string> unshown = session.Shutdown([&](bool first) {
        ++told;
        if (first) ++toldFirst;
    });
    EXPECT_LT(std::chrono::steady_clock::now() - ending, 5s) << "the end waited past its limit";
    EXPECT_TRUE(unshown.empty());
    EXPECT_GE(told, 1) << "nothing was told of the wait";
    EXPECT_EQ(toldFirst, 1);
    EXPECT_EQ(session.FinishingRecorderCount(), 0u);
    gate->Open();
}

TEST(Studio_Session, RecordingStoppedByAFullDiskIsToldAndTheEndReturnsItOnlyWhenNotShown) {
    for (const bool shown : {false, true}) {
        SCOPED_TRACE(shown ? "failure shown" : "failure not shown");
        ScratchFolder folder;
        RecordedEvents events;
        StudioSession session(events, nullptr);
        // Room enough to start; then the disk fills.
        auto full = std::make_shared<std::atomic<bool>>(false);
        session.SetFreeSpaceSource([full](const std::string&) {
            return std::optional<uint64_t>(*full ? 10ull << 20 : 10ull << 30);
        });
        session.Start(StartIn(folder));
        const RecordedEvents::Start recording = StartRecording(session, events);
        ASSERT_TRUE(recording.started) << recording.pathOrMessage;
        *full = true;
        ASSERT_TRUE(WaitUntil([&] { return !events.RecordingFailures().empty(); }, kLongWait));
        const auto [serial, message] = events.RecordingFailures().front();
        EXPECT_EQ(serial, recording.serial);
        EXPECT_NE(message.find("disk is nearly full"), std::string::npos) << message;
        if (shown) session.FailureShown(serial);

        const std::vector<std::string> unshown = session.Shutdown();
        if (shown)
            EXPECT_TRUE(unshown.empty());
        else
            EXPECT_EQ(unshown, std::vector<std::string>{message});
        EXPECT_EQ(events.RecordingFailures().size(), 1u);
        // What was recorded before the disk filled is kept as a file that plays.
        const AviFacts facts = ProbeAvi(recording.pathOrMessage);
        ASSERT_TRUE(facts.opened);
        EXPECT_GT(facts.videoPackets, 0);
    }
}

TEST(Studio_Session, CommandsReturnAtOnceWhileTheFolderStallsAndAStopCallsTheRecordingOff) {
    ScratchFolder folder;
    RecordedEvents events;
    StudioSession session(events, nullptr);
    auto gate = std::make_shared<StuckGate>();
    auto made = std::make_shared<std::atomic<int>>(0);
    session.SetEncoderFactory([=] { return std::make_unique<StuckOpenEncoder>(gate, made); });
    session.Start(StartIn(folder));
    ASSERT_TRUE(WaitUntil([&] { return events.CameraLiveCount() > 0; }, kLongWait));

    // The first file cannot be made: each command returns, and what it asked of the folder waits.
    ASSERT_TRUE(session.StartRecording());
    EXPECT_TRUE(session.IsRecording());
    EXPECT_FALSE(session.StartRecording()) << "one recording at a time";
    session.TakeSnapshot();
    session.StopRecording();
    EXPECT_FALSE(session.IsRecording()) << "called off while its file was being made";
    const std::optional<int> second = session.StartRecording();
    ASSERT_TRUE(second);
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(events.Starts().empty());
    EXPECT_TRUE(events.Snapshots().empty());

    gate->Open();
    ASSERT_TRUE(WaitUntil([&] { return events.Starts().size() == 2; }, kLongWait));
    const std::vector<RecordedEvents::Start> starts = events.Starts();
    EXPECT_FALSE(starts[0].started);
    EXPECT_EQ(starts[0].pathOrMessage, "") << "a recording called off is not a failure";
    EXPECT_TRUE(starts[1].started) << starts[1].pathOrMessage;
    EXPECT_EQ(starts[1].serial, *second);
    ASSERT_TRUE(WaitUntil([&] { return events.Snapshots().size() == 1; }, kLongWait));
    session.StopRecording();
    EXPECT_TRUE(session.Shutdown().empty());
    EXPECT_TRUE(events.Faults().empty()) << events.Faults().front();
    // The recording called off left no file; the one after it and the snapshot are there.
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        files.push_back(entry.path().filename().string());
    EXPECT_EQ(files.size(), 2u);
    EXPECT_TRUE(ProbeAvi(starts[1].pathOrMessage).opened);
}

TEST(Studio_Session, EndLeavesAFileThatCannotBeMadeAndNothingOfItRemains) {
    ScratchFolder folder;
    RecordedEvents events;
    auto gate = std::make_shared<StuckGate>();
    auto made = std::make_shared<std::atomic<int>>(0);
    {
        StudioSession session(events, nullptr);
        session.SetEncoderFactory([=] { return std::make_unique<StuckOpenEncoder>(gate, made); });
        session.SetFinishWaitLimit(300ms);
        session.Start(StartIn(folder));
        ASSERT_TRUE(session.StartRecording());
        const auto ending = std::chrono::steady_clock::now();
        EXPECT_TRUE(session.Shutdown().empty());
        EXPECT_LT(std::chrono::steady_clock::now() - ending, 5s) << "the end waited on the folder";
    }
    // The folder comes back after the session has gone: the file made then is taken away again,
    // and nothing is told to a session that is no more.
    gate->Open();
    ASSERT_TRUE(WaitUntil([&] { return *made == 1; }, kLongWait));
    EXPECT_TRUE(WaitUntil([&] { return std::filesystem::is_empty(folder.path()); }, kLongWait));
    EXPECT_TRUE(events.Starts().empty());
}

namespace {

// How much fine detail a region (BGR or grey) holds: the variance of its Laplacian.
double Detail(const cv::Mat& picture) {
    cv::Mat grey, laplacian;
    if (picture.channels() == 3)
        cv::cvtColor(picture, grey, cv::COLOR_BGR2GRAY);
    else
        grey = picture;
    cv::Laplacian(grey, laplacian, CV_32F);
    cv::Scalar mean, deviation;
    cv::meanStdDev(laplacian, mean, deviation);
    return deviation[0] * deviation[0];
}

}  // namespace

TEST(Studio_Session, BackgroundBlurredOrReplacedBehindTheFaceInSnapshotsAndRecordings) {
    const std::string model = QUENVALOR_BUILD_DIR "/models/selfie_segmentation_landscape.tflite";
    QUENVALOR_REQUIRE(std::filesystem::exists(model),
                      "no segmentation model (tools/install-deps.sh)");
    const cv::Mat photo = cv::imread(QUENVALOR_BUILD_DIR "/test-data/face.png", cv::IMREAD_COLOR);
    QUENVALOR_REQUIRE(!photo.empty(), "no face photograph (tests/support/fetch_face_photo.sh)");
    ScratchFolder folder;
    // The portrait's top, in the camera's shape, fills the pattern camera's picture: the flag
    // and the rocket behind the head are its detailed background.
    const std::string portrait = folder.File("portrait.png");
    ASSERT_TRUE(cv::imwrite(portrait, photo(cv::Rect(0, 0, photo.cols, photo.cols * 3 / 4))));
    setenv("QUENVALOR_PATTERN_CAMERA_PICTURE", portrait.c_str(), 1);
    RecordedEvents events;
    StudioSession session(events, nullptr);
    studio::SessionStart start = StartIn(folder);
    start.segmentationModel = model;
    session.Start(start);
    ASSERT_TRUE(WaitUntil([&] { return events.CameraLiveCount() > 0; }, kLongWait));
    EXPECT_EQ(session.BackgroundUnavailable(), "");
    EXPECT_EQ(session.Background().mode, segmentation::BackgroundMode::None);  // off by default

    // The face (the middle fifth across, the upper part down) and the two top corners of the
    // photograph, inside the frame whatever its slow drift; the classic snapshot is 320 x 240.
    const cv::Rect face(128, 40, 64, 48);
    const std::vector<cv::Rect> corners{{16, 24, 53, 40}, {240, 24, 53, 40}};
    // Once the camera's picture has replaced the opening placard, the corners show the flag and
    // the rocket.
    cv::Mat plain;
    ASSERT_TRUE(WaitUntil(
        [&] {
            plain = SnapshotPicture(session, events);
            return plain.size() == cv::Size(320, 240) && Detail(plain(corners[0])) > 20;
        },
        kLongWait));

    ASSERT_TRUE(session.SetBackground({segmentation::BackgroundMode::Blur, 80, ""}));
    // The first masks take a moment; then the corners lose their detail and the face keeps it.
    cv::Mat blurred;
    const auto softened = [&] {
        blurred = SnapshotPicture(session, events);
        if (blurred.empty()) return false;
        for (const cv::Rect& corner : corners)
            if (Detail(blurred(corner)) > Detail(plain(corner)) / 3) return false;
        return true;
    };
    EXPECT_TRUE(WaitUntil(softened, kLongWait)) << "the corners are not blurred";
    EXPECT_GT(Detail(blurred(face)), Detail(plain(face)) * 0.7);
    // A recording carries it too: the last picture of a short one, its brightness plane.
    const RecordedEvents::Start recording = StartRecording(session, events);
    ASSERT_TRUE(recording.started) << recording.pathOrMessage;
    std::this_thread::sleep_for(1500ms);
    session.StopRecording();
    ASSERT_TRUE(WaitUntil([&] { return session.FinishingRecorderCount() == 0; }, kLongWait));
    cv::Mat recorded;
    recording::testing::DecodeStream(
        recording.pathOrMessage, AVMEDIA_TYPE_VIDEO, [&](const AVFrame& frame, double) {
            cv::Mat(frame.height, frame.width, CV_8U, frame.data[0], frame.linesize[0])
                .copyTo(recorded);
        });
    ASSERT_EQ(recorded.size(), plain.size());
    for (const cv::Rect& corner : corners)
        EXPECT_LT(Detail(recorded(corner)), Detail(plain(corner)) / 3);
    EXPECT_GT(Detail(recorded(face)), Detail(plain(face)) * 0.5);

    const std::string scene = folder.File("scene.png");
    ASSERT_TRUE(cv::imwrite(scene, cv::Mat(120, 160, CV_8UC3, cv::Scalar(40, 200, 60))));
    ASSERT_TRUE(session.SetBackground({segmentation::BackgroundMode::Replace, 50, scene}));
    cv::Mat replaced;
    const auto green = [&] {
        replaced = SnapshotPicture(session, events);
        if (replaced.empty()) return false;
        const cv::Scalar mean = cv::mean(replaced(corners[1]));
        return std::abs(mean[0] - 40) < 20 && std::abs(mean[1] - 200) < 20 &&
               std::abs(mean[2] - 60) < 20;
    };
    EXPECT_TRUE(WaitUntil(green, kLongWait)) << "the chosen picture is not in the corner";
    EXPECT_GT(Detail(replaced(face)), Detail(plain(face)) * 0.7);

    std::string error;
    EXPECT_FALSE(session.SetBackground(
        {segmentation::BackgroundMode::Replace, 50, folder.File("none.png")}, &error));
    EXPECT_EQ(session.Background().picture, scene)
        << "a picture that cannot be read changes nothing";
    EXPECT_TRUE(session.Shutdown().empty());
    unsetenv("QUENVALOR_PATTERN_CAMERA_PICTURE");
}

TEST(Studio_Session, WithoutTheModelTheBackgroundIsRefusedAndRecordingGoesOn) {
    ScratchFolder folder;
    RecordedEvents events;
    StudioSession session(events, nullptr);
    studio::SessionStart start = StartIn(folder);
    start.segmentationModel = folder.File("models/selfie_segmentation_landscape.tflite");
    start.background = {segmentation::BackgroundMode::Blur, 50, ""};
    session.Start(start);
    EXPECT_EQ(session.BackgroundUnavailable(), "cannot open " + start.segmentationModel);
    EXPECT_EQ(session.Background().mode, segmentation::BackgroundMode::None);
    EXPECT_FALSE(session.SetBackground({segmentation::BackgroundMode::Blur, 50, ""}));
    ASSERT_TRUE(WaitUntil([&] { return events.CameraLiveCount() > 0; }, kLongWait));
    const RecordedEvents::Start recording = StartRecording(session, events);
    EXPECT_TRUE(recording.started) << recording.pathOrMessage;
    session.StopRecording();
    EXPECT_TRUE(session.Shutdown().empty());
    EXPECT_TRUE(std::filesystem::file_size(recording.pathOrMessage) > 0);
}

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>

#include <QFileInfo>

#include <atomic>
#include <condition_variable>
#include <csignal>
#include <filesystem>
#include <mutex>
#include <set>
#include <thread>

#include "../recording/AviProbe.h"
#include "../recording/EncoderDoubles.h"
#include "ProgramFolder.h"
#include "app/CMainDialog.h"
#include "studio/StudioSession.h"
#include "app/RecordingPanel.h"
#include "app/MainLayout.h"
#include "app/Settings.h"
#include "controls/CHoverButton.h"
#include "controls/CRecordingsList.h"
#include "recording/CrashRepair.h"
#include "recording/RecorderWorker.h"
#include "tests/support/FileSizeLimit.h"

using app::CMainDialog;
using app::RecordingPanel;
using recording::testing::ProbeAvi;
using recording::testing::StuckFinishEncoder;
using recording::testing::StuckGate;
using State = app::RecordingPanel::State;
using namespace std::chrono_literals;

namespace {

const QRegularExpression kStampedName(
    QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.(avi|jpg)$)"));

// What the encoders of a test did, across the recorders' threads.
struct EncoderLog {
    std::atomic<int> filesFinished{0};
    // For each file opened, in order: how many files had been finished before.
    std::mutex mutex;
    std::vector<int> finishedBeforeOpen;
};

// The AVI encoder, except that finishing the file waits first and that it keeps a log.
class SlowFinishEncoder : public recording::testing::ForwardingEncoder {
public:
    SlowFinishEncoder(std::chrono::milliseconds delay, EncoderLog& log) : delay_(delay), log_(log) {}
    bool OpenFile(const recording::EncoderSettings& s, const std::string& p) override {
        {
            std::lock_guard lock(log_.mutex);
            log_.finishedBeforeOpen.push_back(log_.filesFinished);
        }
        return inner_->OpenFile(s, p);
    }
    bool Finish() override {
        std::this_thread::sleep_for(delay_);
        const bool finished = inner_->Finish();
        ++log_.filesFinished;
        return finished;
    }

private:
    std::chrono::milliseconds delay_;
    EncoderLog& log_;
};

class RecordingFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.Initialise();
        dialog.show();
        SetFolder(output);
        // The pattern camera delivers before the tests record.
        ASSERT_TRUE(QTest::qWaitFor([&] { return OutputFrameShowsAPicture(); }, 5000));
    }
    void TearDown() override { dialog.ShutdownSequence(); }

    void SetFolder(const QString& path) {
        qobject_cast<QLineEdit*>(dialog.Control(app::kFolderEdit))->setText(path);
    }
    // Clicks as the user does; after Record and Snap, waits until the output folder has answered.
    void Click(int id) {
        dialog.Button(id)->click();
        if (id == app::kRecord) {
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return dialog.Recording().GetRecordState() != State::Starting; }, 10000));
        }
        if (id == app::kSnap) {
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return dialog.Recording().SnapshotsPending() == 0; }, 10000));
        }
    }
    QString ClockText() const {
        return qobject_cast<QLineEdit*>(dialog.Control(app::kClock))->text();
    }
    const std::vector<controls::RecordingEntry>& Rows() const {
        return dialog.Recording().RecordingsList()->Entries();
    }
    QStringList Files(const QString& pattern) const {
        return QDir(output).entryList({pattern}, QDir::Files);
    }
    bool FilesFinished() {
        return QTest::qWaitFor([&] { return dialog.Session().FinishingRecorderCount() == 0; }, 5000);
    }
    // The camera's bright bars, not the black start or the dark placard shown while it opens.
    bool OutputFrameShowsAPicture() {
        cv::Mat frame;
        dialog.Session().FrameRoad().CopyOutputFrame(frame);
        return cv::mean(frame)[0] + cv::mean(frame)[1] + cv::mean(frame)[2] > 200;
    }

    app_test::ProgramFolder folder;
    QString output = folder.SubFolder(QStringLiteral("output"));
    CMainDialog dialog{nullptr, folder.Path()};
};

}  // namespace

TEST_F(RecordingFixture, RecordAndStopMakeAListedFileAsLongAsTheRecording) {
    QElapsedTimer running;
    Click(app::kRecord);
    running.start();
    EXPECT_EQ(dialog.Recording().GetRecordState(), State::Recording);
    EXPECT_EQ(dialog.StatusText(), QStringLiteral("Recording"));
    EXPECT_TRUE(dialog.Recording().ClockTimer().isActive());
    EXPECT_EQ(ClockText(), QStringLiteral("00:00:00"));
    const QString name = dialog.Recording().RecordingName();
    EXPECT_TRUE(kStampedName.match(name).hasMatch()) << name.toStdString();
    EXPECT_EQ(dialog.Recording().RecordingPath(), output + '/' + name);

    ASSERT_TRUE(QTest::qWaitFor([&] { return ClockText() == QStringLiteral("00:00:01"); }, 3000));
    EXPECT_EQ(dialog.Recording().ElapsedText(), QStringLiteral("00:00:01"));
    QTest::qWait(300);
    Click(app::kStopRecord);
    const double seconds = running.elapsed() / 1000.0;

    EXPECT_EQ(dialog.Recording().GetRecordState(), State::Idle);
    EXPECT_EQ(dialog.StatusText(), QStringLiteral("Ready"));
    EXPECT_FALSE(dialog.Recording().ClockTimer().isActive());
    ASSERT_EQ(Rows().size(), 1u);
    EXPECT_EQ(Rows()[0].fileName, name);
    EXPECT_EQ(Rows()[0].fullPath, output + '/' + name);
    EXPECT_EQ(Rows()[0].duration, QStringLiteral("00:00:01"));
    EXPECT_EQ(Rows()[0].checked, controls::kChecked);
    EXPECT_EQ(dialog.Recording().RecordingsList()->GetHeaderCheck(0), controls::kChecked);
    EXPECT_TRUE(dialog.Recording().RecordingsList()->isVisible());
    EXPECT_EQ(dialog.Recording().RecordingsList()->geometry(), QRect(15, 490, 480, 125));

    ASSERT_TRUE(FilesFinished());
    const auto facts = ProbeAvi((output + '/' + name).toStdString());
    ASSERT_TRUE(facts.opened);
    EXPECT_EQ(facts.width, 320);
    EXPECT_EQ(facts.height, 240);
    EXPECT_EQ(facts.frameRate.num, 20);
    EXPECT_EQ(facts.frameRate.den, 1);
    EXPECT_GT(facts.sampleRate, 0);
    EXPECT_NEAR(facts.videoPackets, seconds * 20, 5);
    EXPECT_TRUE(folder.messages.empty());
}

TEST_F(RecordingFixture, RecordWhileRecordingAndStopWhileIdleChangeNothing) {
    Click(app::kStopRecord);
    EXPECT_EQ(dialog.StatusText(), QStringLiteral("Ready."));
    EXPECT_TRUE(Rows().empty());
    EXPECT_FALSE(dialog.Recording().ClockTimer().isActive());

    Click(app::kRecord);
    const QString path = dialog.Recording().RecordingPath();
    dialog.Recording().SetElapsedSeconds(7);
    Click(app::kRecord);
    EXPECT_EQ(dialog.Recording().RecordingPath(), path);
    EXPECT_EQ(dialog.Recording().ElapsedSeconds(), 7);
    EXPECT_EQ(dialog.Recording().GetRecordState(), State::Recording);
    EXPECT_EQ(Files("*.avi").size(), 1);

    Click(app::kStopRecord);
    Click(app::kStopRecord);
    EXPECT_EQ(Rows().size(), 1u);
    EXPECT_EQ(dialog.StatusText(), QStringLiteral("Ready"));
    EXPECT_TRUE(folder.messages.empty());
}

TEST_F(RecordingFixture, ClockShowsHoursMinutesAndSecondsBeyondNinetyNineHours) {
    Click(app::kRecord);
    dialog.Recording().SetElapsedSeconds(3724);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ClockText() == QStringLiteral("01:02:05"); }, 3000));
    dialog.Recording().SetElapsedSeconds(100 * 3600 - 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ClockText() == QStringLiteral("100:00:00"); }, 3000));
    Click(app::kStopRecord);
    ASSERT_EQ(Rows().size(), 1u);
    EXPECT_EQ(Rows()[0].duration, QStringLiteral("100:00:00"));

    // A new recording starts its clock from zero; stopped before the first tick it lasts zero.
    Click(app::kRecord);
    EXPECT_EQ(ClockText(), QStringLiteral("00:00:00"));
    Click(app::kStopRecord);
    ASSERT_EQ(Rows().size(), 2u);
    EXPECT_EQ(Rows()[0].duration, QStringLiteral("00:00:00"));
    EXPECT_EQ(Rows()[1].duration, QStringLiteral("100:00:00"));
}

TEST_F(RecordingFixture, RecordingsAreListedNewestFirstAllChecked) {
    for (int recording = 0; recording < 3; ++recording) {
        Click(app::kRecord);
        // One tick apart, so every recording gets its own name.
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.Recording().ElapsedSeconds() == 1; }, 3000));
        QTest::qWait(20);
        Click(app::kStopRecord);
    }
    ASSERT_EQ(Rows().size(), 3u);
    const QStringList files = Files("*.avi");  // sorted by name, which is by time
    ASSERT_EQ(files.size(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(Rows()[row].fileName, files[2 - row]);
        EXPECT_EQ(dialog.Recording().RecordingsList()->CellText(row, 1), files[2 - row]);
        EXPECT_EQ(dialog.Recording().RecordingsList()->CellText(row, 2), QStringLiteral("00:00:01"));
        EXPECT_EQ(dialog.Recording().RecordingsList()->GetCheck(row, 0), controls::kChecked);
    }
    EXPECT_EQ(dialog.Recording().RecordingsList()->GetHeaderCheck(0), controls::kChecked);
}

TEST_F(RecordingFixture, RecordingRestartedWithinTheSameSecondGetsAFileAndARowOfItsOwn) {
    // The first recorder takes its time to finish; the second recording starts meanwhile.
    EncoderLog log;
    int encodersMade = 0;
    dialog.Session().SetEncoderFactory([&] {
        return std::make_unique<SlowFinishEncoder>(++encodersMade == 1 ? 300ms : 0ms, log);
    });
    // Early in a second, though not so early that the system's coarse clock is still in the last.
    ASSERT_TRUE(QTest::qWaitFor(
        [] {
            const qint64 millisecond = QDateTime::currentMSecsSinceEpoch() % 1000;
            return millisecond >= 100 && millisecond < 200;
        },
        2000));
    Click(app::kRecord);
    const QString first = dialog.Recording().RecordingPath();
    QTest::qWait(100);
    Click(app::kStopRecord);
    Click(app::kRecord);
    const QString second = dialog.Recording().RecordingPath();
    EXPECT_EQ(second.toStdString(), first.chopped(4).toStdString() + " (2).avi");
    EXPECT_EQ(dialog.Recording().RecordingName(), QFileInfo(second).fileName());
    QTest::qWait(1200);
    Click(app::kStopRecord);

    ASSERT_TRUE(FilesFinished());
    ASSERT_EQ(log.finishedBeforeOpen.size(), 2u);
    EXPECT_EQ(log.finishedBeforeOpen[1], 0) << "the start did not wait for the first recorder";
    ASSERT_EQ(Rows().size(), 2u);
    EXPECT_EQ(Rows()[0].fullPath, second);
    EXPECT_EQ(Rows()[1].fullPath, first);
    EXPECT_EQ(Files("*.avi").size(), 2);
    EXPECT_GT(ProbeAvi(first.toStdString()).videoPackets, 0);
    EXPECT_GT(ProbeAvi(second.toStdString()).videoPackets, 20);
    EXPECT_TRUE(folder.messages.empty());
}

TEST_F(RecordingFixture, TooLittleFreeSpaceRefusesTheRecordingWithAMessage) {
    dialog.Session().SetFreeSpaceSource(
        [](const std::string&) { return std::optional<uint64_t>(150u << 20); });
    Click(app::kRecord);
    ASSERT_EQ(folder.messages.size(), 1u);
    EXPECT_TRUE(folder.messages[0].contains(QStringLiteral("not enough free space")))
        << folder.messages[0].toStdString();
    EXPECT_EQ(dialog.Recording().GetRecordState(), State::Idle);
    EXPECT_TRUE(Files("*").isEmpty());
}

TEST_F(RecordingFixture, QuitGivesUpOnARecorderStuckInAWriteAfterTheLimit) {
    auto gate = std::make_shared<StuckGate>();
    dialog.Session().SetEncoderFactory([gate] { return std::make_unique<StuckFinishEncoder>(gate); });
    dialog.Session().SetFinishWaitLimit(300ms);
    Click(app::kRecord);
    QTest::qWait(200);
    dialog.ShutdownSequence();
    // Returned although the file is still being finished; the status line said why it waited.
    EXPECT_FALSE(gate->IsOpen());
    EXPECT_EQ(dialog.StatusText(), QStringLiteral("Finishing the recording..."));
    EXPECT_EQ(dialog.Session().FinishingRecorderCount(), 0u);
    gate->Open();
}

TEST_F(RecordingFixture, RecordingsCutOffBeforeTheStartAreRepairedAndCounted) {
    // Two finished recordings, cut short as a crash cuts them, changed before this run began.
    for (const char* name : {"2026-12-07 10-00-00.avi", "2026-12-07 10-00-01 (2).avi"}) {
        const std::string path = (output + '/' + name).toStdString();
        {
            recording::RecorderWorker recorder(path, dialog.Session().FrameRoad());
            std::string error;
            ASSERT_TRUE(recorder.Start(error)) << error;
            QTest::qWait(1200);
        }
        std::filesystem::resize_file(path, std::filesystem::file_size(path) * 7 / 10);
        const timespec earlier[2] = {{std::time(nullptr) - 3600, 0},
                                     {std::time(nullptr) - 3600, 0}};
        utimensat(AT_FDCWD, path.c_str(), earlier, 0);
        ASSERT_TRUE(recording::IsUnfinishedAvi(path));
    }
    dialog.Session().RepairUnfinishedRecordings();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.Session().RepairEnded(); }, 20000));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return dialog.StatusText() == QStringLiteral("Repaired 2 files"); }, 2000))
        << dialog.StatusText().toStdString();
    for (const QString& file : Files("*.avi"))
        EXPECT_FALSE(recording::IsUnfinishedAvi((output + '/' + file).toStdString()))
            << file.toStdString();
    EXPECT_TRUE(folder.messages.empty());
}

TEST_F(RecordingFixture, FolderThatDoesNotExistIsReportedWithoutFileOrRow) {
    SetFolder(output + "/missing/deeper");
    Click(app::kRecord);
    ASSERT_EQ(folder.messages.size(), 1u);
    EXPECT_TRUE(
        folder.messages[0].startsWith(QStringLiteral("Could not create the recording file")))
        << folder.messages[0].toStdString();
    EXPECT_EQ(dialog.Recording().GetRecordState(), State::Idle);
    EXPECT_EQ(dialog.StatusText(), QStringLiteral("Ready."));
    EXPECT_FALSE(dialog.Recording().ClockTimer().isActive());
    EXPECT_EQ(ClockText(), QStringLiteral("00:00:00"));
    Click(app::kStopRecord);
    EXPECT_TRUE(Rows().empty());
    EXPECT_FALSE(QDir(output + "/missing").exists());
    EXPECT_EQ(folder.messages.size(), 1u);
}

TEST_F(RecordingFixture, EncoderThatCannotBeMadeIsReportedWithoutFileOrRow) {
    dialog.Session().SetEncoderFactory([] { return std::unique_ptr<recording::MMBoxInstance>(); });
    Click(app::kRecord);
    ASSERT_EQ(folder.messages.size(), 1u);
    EXPECT_EQ(folder.messages[0], QStringLiteral("The video encoder could not be started."));
    EXPECT_EQ(dialog.Recording().GetRecordState(), State::Idle);
    EXPECT_FALSE(dialog.Recording().ClockTimer().isActive());
    Click(app::kStopRecord);
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(Files("*").isEmpty());
}

TEST_F(RecordingFixture, DiskFullPartWayReturnsToReadyAndKeepsWhatWasWritten) {
    QString path;
    {
        FileSizeLimit limit(48 * 1024);
        Click(app::kRecord);
        path = dialog.Recording().RecordingPath();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !folder.messages.empty(); }, 15000));
        // The window is Ready again by the time the user reads the message.
        EXPECT_EQ(dialog.Recording().GetRecordState(), State::Idle);
        EXPECT_EQ(dialog.StatusText(), QStringLiteral("Ready"));
        EXPECT_FALSE(dialog.Recording().ClockTimer().isActive());
        ASSERT_TRUE(FilesFinished());
    }
    ASSERT_EQ(folder.messages.size(), 1u);
    EXPECT_TRUE(folder.messages[0].contains(QStringLiteral("could not be written to the end")))
        << folder.messages[0].toStdString();
    // The part written before the failure is a file that plays, and it is listed.
    const auto facts = ProbeAvi(path.toStdString());
    ASSERT_TRUE(facts.opened);
    EXPECT_GT(facts.videoPackets, 0);
    ASSERT_EQ(Rows().size(), 1u);
    EXPECT_EQ(Rows()[0].fullPath, path);

    // The next recording starts as usual.
    Click(app::kRecord);
    EXPECT_EQ(dialog.Recording().GetRecordState(), State::Recording);
    Click(app::kStopRecord);
    EXPECT_EQ(Rows().size(), 2u);
}

TEST_F(RecordingFixture, QuitWhileRecordingFinishesTheFileAndAddsNoRow) {
    QElapsedTimer running;
    Click(app::kRecord);
    running.start();
    const QString path = dialog.Recording().RecordingPath();
    QTest::qWait(1200);
    dialog.ShutdownSequence();
    const double seconds = running.elapsed() / 1000.0;

    // Finished before the shutdown sequence returned: nothing waits behind the window.
    EXPECT_EQ(dialog.Session().FinishingRecorderCount(), 0u);
    const auto facts = ProbeAvi(path.toStdString());
    ASSERT_TRUE(facts.opened);
    EXPECT_NEAR(facts.videoPackets, seconds * 20, 5);
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(folder.messages.empty());
    // After the shutdown nothing records.
    Click(app::kRecord);
    EXPECT_EQ(dialog.Recording().GetRecordState(), State::Idle);
}

TEST_F(RecordingFixture, QuitWaitsForAStoppedRecorderStillFinishing) {
    Click(app::kRecord);
    const QString path = dialog.Recording().RecordingPath();
    QTest::qWait(500);
    Click(app::kStopRecord);
    dialog.ShutdownSequence();
    EXPECT_EQ(dialog.Session().FinishingRecorderCount(), 0u);
    EXPECT_TRUE(ProbeAvi(path.toStdString()).opened);
}

TEST_F(RecordingFixture, SnapshotWritesTheOutputFrameAsA320By240Jpeg) {
    Click(app::kSnap);
    const QStringList files = Files("*.jpg");
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(kStampedName.match(files[0]).hasMatch()) << files[0].toStdString();
    const QImage snapshot(output + '/' + files[0]);
    ASSERT_EQ(snapshot.size(), QSize(320, 240));
    // The pattern's colour bars: many different colours along one row.
    std::set<QRgb> colours;
    for (int x = 0; x < snapshot.width(); x += 4) {
        const QColor colour = snapshot.pixelColor(x, 60);
        colours.insert(qRgb(colour.red() / 64, colour.green() / 64, colour.blue() / 64));
    }
    EXPECT_GE(colours.size(), 5u);
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(folder.messages.empty());
}

TEST_F(RecordingFixture, SnapshotThatCannotBeWrittenTellsTheUser) {
    SetFolder(output + "/missing");
    Click(app::kSnap);
    ASSERT_EQ(folder.messages.size(), 1u);
    EXPECT_TRUE(folder.messages[0].startsWith(QStringLiteral("Could not save the snapshot")))
        << folder.messages[0].toStdString();
    EXPECT_FALSE(QDir(output + "/missing").exists());
}

TEST_F(RecordingFixture, EmptyFolderTextWritesIntoTheDefaultFolder) {
    const QString defaultFolder = app::DefaultOutputFolder();
    QDir(defaultFolder).removeRecursively();
    SetFolder(QString());

    Click(app::kSnap);
    EXPECT_EQ(QDir(defaultFolder).entryList({QStringLiteral("*.jpg")}, QDir::Files).size(), 1);
    Click(app::kRecord);
    EXPECT_TRUE(dialog.Recording().RecordingPath().startsWith(defaultFolder + '/'));
    Click(app::kStopRecord);
    EXPECT_TRUE(folder.messages.empty());
    ASSERT_TRUE(FilesFinished());
    QDir(defaultFolder).removeRecursively();
}

TEST_F(RecordingFixture, RecordSaysItWaitsForTheFolderAndStopCallsTheRecordingOff) {
    auto gate = std::make_shared<StuckGate>();
    auto made = std::make_shared<std::atomic<int>>(0);
    dialog.Session().SetEncoderFactory(
        [=] { return std::make_unique<recording::testing::StuckOpenEncoder>(gate, made); });
    dialog.Button(app::kRecord)->click();
    EXPECT_EQ(dialog.Recording().GetRecordState(), State::Starting);
    EXPECT_EQ(dialog.StatusText(), QStringLiteral("Checking the output folder..."));
    EXPECT_FALSE(dialog.Recording().ClockTimer().isActive());
    // The picture goes on while the folder keeps the recording waiting.
    const auto frameNumber = [&] { return dialog.Session().FrameRoad().outputFrames.Latest().number; };
    const uint64_t waitingFrom = frameNumber();
    EXPECT_TRUE(QTest::qWaitFor([&] { return frameNumber() > waitingFrom + 5; }, 5000));
    Click(app::kStopRecord);
    EXPECT_EQ(dialog.Recording().GetRecordState(), State::Idle);
    EXPECT_EQ(dialog.StatusText(), QStringLiteral("Ready."));

    // Asked again, the recording starts once the folder answers.
    dialog.Button(app::kRecord)->click();
    gate->Open();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return dialog.Recording().GetRecordState() == State::Recording; }, 10000));
    EXPECT_EQ(dialog.StatusText(), QStringLiteral("Recording"));
    Click(app::kStopRecord);
    ASSERT_TRUE(FilesFinished());
    EXPECT_EQ(Rows().size(), 1u);
    EXPECT_EQ(Files("*.avi").size(), 1) << "the recording called off left no file";
    EXPECT_TRUE(folder.messages.empty());
}

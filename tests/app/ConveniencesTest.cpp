#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <opencv2/core.hpp>

#include "EffectSet.h"
#include "ProgramFolder.h"
#include "app/CMainDialog.h"
#include "studio/StudioSession.h"
#include "app/RecordingPanel.h"
#include "app/DataFolder.h"
#include "app/FullScreenPreview.h"
#include "app/PictureOptions.h"
#include "app/PreviewWidget.h"
#include "app/SnapshotCountdown.h"
#include "controls/CHoverButton.h"
#include "effects/EffectEngine.h"

using app::CMainDialog;
using app::PictureOptions;

namespace {

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void WriteText(const QString& path, const QString& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

// Pixels where two pictures of one size differ by more than a JPEG's noise.
int DifferingPixels(const QImage& a, const QImage& b) {
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x) {
            const QRgb p = first.pixel(x, y), q = second.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                    std::abs(qBlue(p) - qBlue(q)) > 48)
                ++count;
        }
    return count;
}

}  // namespace

TEST(App_DataFolder, BuildFolderFirstThenTheInstalledShareFolder) {
    QTemporaryDir prefix;
    const QString bin = prefix.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(bin));
    // Neither: the executable's folder, where the missing skin shows as the base colour.
    EXPECT_EQ(app::FindDataFolder(bin), bin);
    ASSERT_TRUE(QDir().mkpath(prefix.filePath("share/quenvalor/skin")));
    EXPECT_EQ(app::FindDataFolder(bin), prefix.filePath("share/quenvalor"));
    // A build folder has its data beside the program, which wins.
    ASSERT_TRUE(QDir().mkpath(bin + "/skin"));
    EXPECT_EQ(app::FindDataFolder(bin), bin);
}

TEST(App_ProgramSettings, DefaultsBadValuesAndSavesThatKeepTheRestOfTheFile) {
    QTemporaryDir folder;
    const QString file = folder.filePath("Quenvalor.ini");
    const app::ProgramSettings missing(file);
    EXPECT_EQ(missing.Picture(), PictureOptions{});
    EXPECT_EQ(missing.OutputFolder(), QFile::encodeName(app::DefaultOutputFolder()));
    EXPECT_EQ(missing.Layout(), app::LayoutMode::Classic);
    EXPECT_TRUE(missing.Road().IsClassic());
    EXPECT_TRUE(missing.Camera().empty());

    WriteText(file, "[General]\nFilePath=/somewhere\nMirrorPreview=1\nMirrorRecordings=true\n"
                    "SnapshotCountdown= 5 \nLayout= Studio\nRecordingSize=1280x720\n");
    const app::ProgramSettings read(file);
    EXPECT_EQ(read.Picture(), (PictureOptions{true, true, 5}));
    EXPECT_EQ(read.OutputFolder(), QByteArray("/somewhere"));
    EXPECT_EQ(read.Layout(), app::LayoutMode::Studio);
    EXPECT_EQ(read.Road(), capture::RoadConfigFromText("1280x720"));
    for (const char* countdown : {"7", "-3", "three", ""}) {
        WriteText(file, QStringLiteral("[General]\nSnapshotCountdown=%1\nMirrorPreview=yes please\n"
                                       "FilePath=\nLayout=wide\n")
                            .arg(countdown));
        const app::ProgramSettings bad(file);
        EXPECT_EQ(bad.Picture(), PictureOptions{}) << countdown;
        EXPECT_EQ(bad.OutputFolder(), QFile::encodeName(app::DefaultOutputFolder()))
            << "an empty folder is the default";
        EXPECT_EQ(bad.Layout(), app::LayoutMode::Classic);
    }

    // Keys the program does not know, comments and other sections keep their exact text.
    const QString kept = "; by hand\n[General]\nFilePath=/somewhere\nFuture = \"x\"  \n\n[Other]\nA=1\n";
    WriteText(file, kept);
    app::ProgramSettings settings(file);
    ASSERT_TRUE(settings.SetPicture({true, false, 10}));
    EXPECT_EQ(app::ProgramSettings(file).Picture(), (PictureOptions{true, false, 10}));
    const QString text = ReadText(file);
    EXPECT_TRUE(text.startsWith("; by hand\n[General]\nFilePath=/somewhere\nFuture = \"x\"  \n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("MirrorPreview=1"));
    EXPECT_TRUE(text.contains("MirrorRecordings=0"));
    EXPECT_TRUE(text.contains("SnapshotCountdown=10"));
    EXPECT_TRUE(text.endsWith("\n[Other]\nA=1\n"));
}

TEST(App_SnapshotCountdown, AnnouncesEachNumberAndFinishesOnce) {
    app::SnapshotCountdown countdown(nullptr, 20);
    QSignalSpy changed(&countdown, &app::SnapshotCountdown::Changed);
    QSignalSpy finished(&countdown, &app::SnapshotCountdown::Finished);
    EXPECT_FALSE(countdown.Start(0));
    ASSERT_TRUE(countdown.Start(3));
    // The first number shows at once; a second start while counting changes nothing.
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(countdown.Remaining(), 3);
    EXPECT_FALSE(countdown.Start(5));
    ASSERT_TRUE(finished.wait(2000));
    QTest::qWait(60);
    EXPECT_EQ(finished.count(), 1);
    std::vector<int> shown;
    for (const QList<QVariant>& arguments : changed) shown.push_back(arguments[0].toInt());
    EXPECT_EQ(shown, (std::vector<int>{3, 2, 1, 0}));
    EXPECT_FALSE(countdown.IsRunning());

    // Cancelled: the number goes, no picture is taken.
    changed.clear();
    ASSERT_TRUE(countdown.Start(3));
    countdown.Cancel();
    EXPECT_EQ(changed.last()[0].toInt(), 0);
    QTest::qWait(100);
    EXPECT_EQ(finished.count(), 1);
}

namespace {

// The window over a program folder whose settings file the test writes first, with no camera,
// so the picture stands still.
class ConveniencesFixture : public ::testing::Test {
protected:
    void Start(const QString& settings = QString()) {
        output = folder.SubFolder("output");
        WriteText(folder.SettingsFile(), "[General]\nFilePath=" + output + "\n" + settings);
        // A presence file that never exists: the pattern camera stays unplugged.
        setenv("QUENVALOR_PATTERN_CAMERA_PRESENCE", qPrintable(folder.Path() + "/no-camera"), 1);
        dialog.Initialise();
        dialog.show();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        dialog.ShutdownSequence();
        unsetenv("QUENVALOR_PATTERN_CAMERA_PRESENCE");
    }

    QStringList Snapshots() const { return QDir(output).entryList({"*.jpg"}, QDir::Files); }
    // Waits until the preview has shown a picture from the road.
    void WaitForPicture() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.Preview()->CurrentPicture().isNull(); }, 5000));
    }
    QAction* MenuItem(QMenu& menu, const QString& text) {
        for (QAction* action : menu.actions()) {
            if (action->text() == text) return action;
            if (action->menu())
                if (QAction* inner = MenuItem(*action->menu(), text)) return inner;
        }
        return nullptr;
    }

    app_test::ProgramFolder folder;
    QString output;
    CMainDialog dialog{nullptr, folder.Path()};
};

}  // namespace

TEST_F(ConveniencesFixture, StartsWithTheKeptChoicesWithoutRewritingTheFile) {
    Start("MirrorPreview=1\nSnapshotCountdown=3\n");
    const QString before = ReadText(folder.SettingsFile());
    EXPECT_EQ(dialog.Options(), (PictureOptions{true, false, 3}));
    EXPECT_TRUE(dialog.Session().FrameRoad().mirrorPreview);
    EXPECT_FALSE(dialog.Session().FrameRoad().mirrorOutput);
    EXPECT_EQ(ReadText(folder.SettingsFile()), before);
}

TEST_F(ConveniencesFixture, MenuChoicesApplyAtOnceAndAreKept) {
    Start();
    std::unique_ptr<QMenu> menu = dialog.MakeContextMenu();
    QAction* mirrorOutput = MenuItem(*menu, "Mirror recordings and snapshots");
    ASSERT_NE(mirrorOutput, nullptr);
    EXPECT_FALSE(mirrorOutput->isChecked());
    mirrorOutput->trigger();
    EXPECT_TRUE(dialog.Session().FrameRoad().mirrorOutput);
    EXPECT_FALSE(dialog.Session().FrameRoad().mirrorPreview);
    QAction* fiveSeconds = MenuItem(*menu, "5 seconds");
    ASSERT_NE(fiveSeconds, nullptr);
    fiveSeconds->trigger();
    EXPECT_EQ(app::ProgramSettings(folder.SettingsFile()).Picture(), (PictureOptions{false, true, 5}));

    // A new menu shows the choices in use.
    menu = dialog.MakeContextMenu();
    EXPECT_TRUE(MenuItem(*menu, "Mirror recordings and snapshots")->isChecked());
    EXPECT_FALSE(MenuItem(*menu, "Mirror preview")->isChecked());
    EXPECT_TRUE(MenuItem(*menu, "5 seconds")->isChecked());
    EXPECT_FALSE(MenuItem(*menu, "Off")->isChecked());
}

TEST_F(ConveniencesFixture, InAMirroredPreviewAClickLandsOnTheEffectUnderThePointer) {
    app_test::EffectSet effects(folder.Path());
    Start("MirrorPreview=1\n");
    // The effect covers x 100..199 of the frame, so the mirrored preview shows it at 280..379.
    ASSERT_TRUE(dialog.Session().Engine()->LoadEffectFile(
        effects.Effect("Faces/red.eft", {100, 100, 100, 80}).toStdString(), -1));
    const auto send = [&](QEvent::Type type, QPoint previewPoint) {
        const QPoint local = previewPoint + QPoint(16, 101);
        QMouseEvent event(type, local, dialog.mapToGlobal(local),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &event);
    };
    // Where the unmirrored effect would be, the mirrored preview shows the camera: nothing.
    send(QEvent::MouseMove, {150, 140});
    send(QEvent::MouseButtonPress, {150, 140});
    send(QEvent::MouseButtonRelease, {150, 140});
    EXPECT_EQ(dialog.Session().Engine()->SelectedIndex(), effects::EffectEngine::kNothingSelected);

    send(QEvent::MouseMove, {479 - 150, 140});
    EXPECT_EQ(dialog.PreviewMousePoint(), QPoint(150, 140));
    send(QEvent::MouseButtonPress, {0, 0});
    EXPECT_EQ(dialog.Session().Engine()->SelectedIndex(), 0);
    // Dragged to the right on the screen: the effect moves left in the frame.
    send(QEvent::MouseMove, {479 - 150 + 30, 140});
    send(QEvent::MouseButtonRelease, {0, 0});
    EXPECT_EQ(dialog.Session().Engine()->Describe(0)->rect.left, 70);
}

TEST_F(ConveniencesFixture, CountdownAndFlashShowInThePreviewButNotInTheSnapshot) {
    Start("SnapshotCountdown=3\n");
    WaitForPicture();
    // The picture stands still once the window has found that there is no camera.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return dialog.Session().FrameRoad().CurrentPlacard() == capture::Placard::NoCamera; }, 5000));
    QTest::qWait(4 * capture::RoadConfig::Classic().PassPeriod().count());
    app::PreviewWidget* preview = dialog.Preview();
    QSignalSpy finished(&dialog.Recording().Countdown(), &app::SnapshotCountdown::Finished);
    // Right after the window has taken the snapshot: the flash is on, the number gone.
    double flashAtSnapshot = 0;
    int numberAtSnapshot = -1;
    int flashedPixels = 0;
    QObject::connect(&dialog.Recording().Countdown(), &app::SnapshotCountdown::Finished, preview, [&] {
        flashAtSnapshot = preview->FlashStrength();
        numberAtSnapshot = preview->Countdown();
        flashedPixels = DifferingPixels(preview->grab().toImage(), preview->CurrentPicture());
    });

    dialog.Recording().RequestSnapshot();
    EXPECT_TRUE(dialog.Recording().Countdown().IsRunning());
    EXPECT_EQ(preview->Countdown(), 3);
    // The number lies over the picture in the preview, drawn large.
    EXPECT_GT(DifferingPixels(preview->grab().toImage(), preview->CurrentPicture()), 2000);
    EXPECT_TRUE(Snapshots().isEmpty()) << "no picture before the countdown ends";
    dialog.Recording().RequestSnapshot();  // a second press does not restart or double it

    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(numberAtSnapshot, 0);
    EXPECT_GT(flashAtSnapshot, 0.5);
    EXPECT_GT(flashedPixels, 480 * 360 / 2) << "the flash whitens the preview";
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.Recording().SnapshotsPending() == 0; }, 5000));
    const QStringList files = Snapshots();
    ASSERT_EQ(files.size(), 1);

    // The snapshot is the road's output frame, without number or flash.
    cv::Mat outputFrame;
    dialog.Session().FrameRoad().CopyOutputFrame(outputFrame);
    const QImage road(outputFrame.data, outputFrame.cols, outputFrame.rows,
                        static_cast<int>(outputFrame.step), QImage::Format_BGR888);
    // JPEG rings a little at the no-camera picture's sharp edges; the number or the flash would
    // change thousands of pixels.
    EXPECT_LT(DifferingPixels(QImage(output + '/' + files[0]), road), 1000);
    // The flash fades out.
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview->FlashStrength() == 0; }, 2000));
}

TEST_F(ConveniencesFixture, FullScreenPreviewOpensOnTheWindowsScreenAndCloses) {
    Start();
    dialog.ToggleFullScreenPreview();
    ASSERT_NE(dialog.FullScreen(), nullptr);
    EXPECT_TRUE(dialog.FullScreen()->isFullScreen());
    EXPECT_EQ(dialog.FullScreen()->screen(), dialog.screen());
    // Escape leaves the full screen, not the program.
    QTest::keyClick(dialog.FullScreen(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.FullScreen() == nullptr; }, 1000));
    EXPECT_FALSE(dialog.IsShutDown());
}

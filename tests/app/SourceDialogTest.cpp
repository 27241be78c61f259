#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QSettings>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "EffectSet.h"
#include "ProgramFolder.h"
#include "app/CMainDialog.h"
#include "app/CPictureDialog.h"
#include "studio/StudioSession.h"
#include "app/MainLayout.h"
#include "app/PreviewWidget.h"
#include "capture/CCaptureDevice.h"
#include "app/CSourceDialog.h"
#include "capture/PatternDevices.h"
#include "controls/CHoverButton.h"

using app::CMainDialog;
using app::CSourceDialog;
using Picture = controls::CHoverButton::Picture;

namespace {

capture::DeviceList ListOf(const std::vector<std::string>& names) {
    capture::DeviceList list;
    std::vector<capture::CameraDescription> cameras;
    for (const std::string& name : names) cameras.push_back({"/dev/video|" + name, name});
    list.Refresh(cameras);
    return list;
}

// Works the camera dialog in place of a person for as long as it lives: `work` gets the shown
// dialog and returns its result.
class DialogRun {
public:
    explicit DialogRun(std::function<int(CSourceDialog&)> work) {
        CSourceDialog::SetRunHandler([this, work](CSourceDialog& dialog) {
            ++runs;
            shownWhileRunning = dialog.isVisible();
            for (int line = 0; line < dialog.ComboBox()->count(); ++line)
                lines.push_back(dialog.ComboBox()->itemText(line));
            return work(dialog);
        });
    }
    ~DialogRun() { CSourceDialog::SetRunHandler({}); }

    int runs = 0;
    bool shownWhileRunning = false;
    QStringList lines;
};

int ChooseLine(CSourceDialog& dialog, int line) {
    dialog.ComboBox()->setCurrentIndex(line);
    dialog.OkButton()->click();
    return dialog.result();
}

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(int)>& grey) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (grey(qGray(image.pixel(x, y)))) ++count;
    return count;
}

class SourceDialogFixture : public ::testing::Test {
protected:
    QString Skin() const { return folder.Path() + "/skin/"; }
    QImage SkinPicture(const QString& name) const {
        return QImage(Skin() + name).convertToFormat(QImage::Format_RGB32);
    }
    app_test::ProgramFolder folder;
    capture::DeviceList cameras = ListOf({"Front Camera", "Desk Camera", "USB Camera"});
};

}  // namespace

TEST_F(SourceDialogFixture, ListsTheCamerasInOrderOverItsSkin) {
    CSourceDialog dialog(cameras, Skin());
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(500, 299));
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
    ASSERT_EQ(dialog.ComboBox()->count(), 3);
    EXPECT_EQ(dialog.ComboBox()->itemText(0), QStringLiteral("Front Camera"));
    EXPECT_EQ(dialog.ComboBox()->itemText(2), QStringLiteral("USB Camera"));
    EXPECT_EQ(dialog.ComboBox()->currentIndex(), 0);
    EXPECT_EQ(dialog.Selection(), 0);
    EXPECT_EQ(dialog.ComboBox()->geometry(), QRect(30, 100, 200, 20));
    EXPECT_EQ(dialog.OkButton()->geometry(), QRect(270, 200, 97, 30));
    EXPECT_EQ(dialog.CancelButton()->geometry(), QRect(380, 200, 97, 30));
    EXPECT_EQ(dialog.OkButton()->PictureFor(Picture::Normal).toImage(),
              SkinPicture("ok_normal.bmp"));
    EXPECT_EQ(dialog.OkButton()->PictureFor(Picture::Click).toImage(), SkinPicture("ok_click.bmp"));
    EXPECT_EQ(dialog.CancelButton()->PictureFor(Picture::Hover).toImage(),
              SkinPicture("cancel_hover.bmp"));

    const QImage shown = dialog.grab().toImage();
    const QImage background = SkinPicture("register_bk.bmp");
    EXPECT_EQ(shown.pixelColor(300, 150), background.pixelColor(300, 150));
    // The light title on the dark top band, the dark prompt on the light body.
    EXPECT_GT(CountPixels(shown, QRect(10, 5, 180, 18), [](int grey) { return grey > 200; }), 40);
    EXPECT_GT(CountPixels(shown, QRect(30, 60, 230, 20), [](int grey) { return grey < 80; }), 60);
    EXPECT_EQ(CountPixels(shown, QRect(30, 82, 230, 14), [](int grey) { return grey < 80; }), 0);
}

TEST_F(SourceDialogFixture, HasRoundedTopCornersAndSquareBottomCorners) {
    const QRegion region = CSourceDialog::DialogRegion();
    CSourceDialog dialog(cameras, Skin());
    EXPECT_EQ(dialog.mask(), region);
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(499, 0)));
    EXPECT_TRUE(region.contains(QPoint(5, 0)));
    EXPECT_TRUE(region.contains(QPoint(0, 5)));
    EXPECT_TRUE(region.contains(QPoint(0, 298)));
    EXPECT_TRUE(region.contains(QPoint(499, 298)));
    EXPECT_FALSE(region.contains(QPoint(500, 100)));
    EXPECT_FALSE(region.contains(QPoint(100, 299)));
}

TEST_F(SourceDialogFixture, OkGivesTheChosenLineAndCancelGivesNothing) {
    {
        DialogRun run([](CSourceDialog& dialog) { return ChooseLine(dialog, 2); });
        CSourceDialog dialog(cameras, Skin());
        EXPECT_EQ(dialog.DoModal(), QDialog::Accepted);
        EXPECT_TRUE(run.shownWhileRunning);
        EXPECT_EQ(dialog.Selection(), 2);
        EXPECT_FALSE(dialog.isVisible());
    }
    {
        DialogRun run([](CSourceDialog& dialog) {
            dialog.ComboBox()->setCurrentIndex(1);
            dialog.CancelButton()->click();
            return dialog.result();
        });
        CSourceDialog dialog(cameras, Skin());
        EXPECT_EQ(dialog.DoModal(), QDialog::Rejected);
        EXPECT_EQ(dialog.Selection(), 0);
    }
}

TEST_F(SourceDialogFixture, OpensCentredOverItsOwnerAndIsDraggedByItsSurface) {
    QWidget owner(nullptr, Qt::FramelessWindowHint);
    owner.setGeometry(100, 50, 510, 680);
    owner.show();
    CSourceDialog dialog(cameras, Skin(), &owner);
    dialog.show();
    EXPECT_EQ(dialog.pos(), QPoint(105, 240));

    const QPoint grab(150, 260);
    auto send = [&](QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
        QMouseEvent event(type, local, dialog.mapToGlobal(local),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &event);
    };
    send(QEvent::MouseButtonPress, grab, Qt::LeftButton);
    send(QEvent::MouseMove, grab + QPoint(30, -20), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, grab + QPoint(30, -20), Qt::NoButton);
    EXPECT_EQ(dialog.pos(), QPoint(135, 220));
}

namespace {

class WebcamSourceFixture : public ::testing::Test {
protected:
    // The pattern camera is plugged in while the presence file exists.
    void SetUp() override {
        Plug(true);
        setenv("QUENVALOR_PATTERN_CAMERA_PRESENCE", Presence().toLocal8Bit().constData(), 1);
        dialog.Initialise();
        dialog.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return CameraIsLive(); }, 5000));
        ASSERT_FALSE(dialog.Devices().IsEmpty());
        previous = dialog.Session().CurrentCamera();
    }
    void TearDown() override {
        dialog.ShutdownSequence();
        unsetenv("QUENVALOR_PATTERN_CAMERA_PRESENCE");
    }

    QString Presence() const { return folder.Path() + "/camera-present"; }
    void Plug(bool in) {
        if (in)
            QFile(Presence()).open(QIODevice::WriteOnly);
        else
            QFile::remove(Presence());
    }
    // The [General] Camera entry of the settings file (QSettings reads [General] as its top).
    std::string RememberedCamera() const {
        const QSettings settings(folder.SettingsFile(), QSettings::IniFormat);
        return settings.value("Camera").toString().toStdString();
    }
    bool CameraIsLive() const {
        return !dialog.Session().CurrentCamera().empty() && dialog.ShownStatus() == dialog.StatusText();
    }
    // Whether the preview shows new pictures, as it does while a camera delivers.
    bool PreviewMoves() {
        QTest::qWait(3 * capture::RoadConfig::Classic().PassPeriod().count());
        const QImage before = dialog.Preview()->CurrentPicture();
        return QTest::qWaitFor([&] { return dialog.Preview()->CurrentPicture() != before; }, 3000);
    }

    app_test::ProgramFolder folder;
    CMainDialog dialog{nullptr, folder.Path()};
    std::string previous;
};

}  // namespace

TEST_F(WebcamSourceFixture, NoCameraShowsTheMessageAndNoDialogAndTheCameraReturnsByItself) {
    Plug(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.Devices().IsEmpty(); }, 5000));
    EXPECT_EQ(dialog.ShownStatus(), QStringLiteral("Camera lost"));
    DialogRun run([](CSourceDialog& shown) { return ChooseLine(shown, 0); });
    dialog.Button(app::kWebcamSource)->click();
    EXPECT_EQ(run.runs, 0);
    ASSERT_EQ(folder.messages.size(), 1u);
    EXPECT_EQ(folder.messages[0], QStringLiteral("There is no Webcam connected to your PC!"));

    Plug(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return CameraIsLive(); }, 5000));
    EXPECT_EQ(dialog.Session().CurrentCamera(), previous);
    EXPECT_TRUE(PreviewMoves());
}

// The chooser's Picture button opens the picture settings of the camera in use over it.
TEST_F(WebcamSourceFixture, CancelKeepsTheCameraAndOkReopensTheChosenOneAndRemembersIt) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return CameraIsLive(); }, 5000));
    {
        bool pictureShown = false;
        DialogRun run([&](CSourceDialog& shown) {
            shown.PictureButton()->click();
            const app::CPictureDialog* picture = dialog.PictureDialog();
            pictureShown = picture && picture->isVisible() && picture->parentWidget() == &shown &&
                           picture->Slider("saturation");
            shown.CancelButton()->click();
            return shown.result();
        });
        dialog.Button(app::kWebcamSource)->click();
        EXPECT_EQ(run.runs, 1);
        EXPECT_TRUE(pictureShown);
        ASSERT_EQ(run.lines.size(), dialog.Devices().Count());
        for (int line = 0; line < dialog.Devices().Count(); ++line)
            EXPECT_EQ(run.lines[line].toStdString(), dialog.Devices()[line].name);
    }
    EXPECT_EQ(dialog.Session().CurrentCamera(), previous);
    EXPECT_TRUE(RememberedCamera().empty());
    {
        DialogRun run([](CSourceDialog& shown) { return ChooseLine(shown, 0); });
        dialog.Button(app::kWebcamSource)->click();
        EXPECT_EQ(run.runs, 1);
    }
    // Once the chosen camera delivers, it is kept by identity.
    const std::string chosen = dialog.Devices()[0].id;
    EXPECT_TRUE(QTest::qWaitFor([&] { return RememberedCamera() == chosen; }, 5000));
    EXPECT_TRUE(CameraIsLive());
    EXPECT_EQ(dialog.Session().CurrentCamera(), chosen);
    EXPECT_TRUE(PreviewMoves());
    EXPECT_TRUE(folder.messages.empty());
}

TEST_F(WebcamSourceFixture, DialogListFollowsCamerasPluggedInAndOut) {
    std::vector<int> counts;
    DialogRun run([&](CSourceDialog& shown) {
        Plug(false);
        counts.push_back(QTest::qWaitFor([&] { return shown.ComboBox()->count() == 0; }, 5000)
                             ? 0
                             : -1);
        Plug(true);
        counts.push_back(QTest::qWaitFor([&] { return shown.ComboBox()->count() == 1; }, 5000)
                             ? 1
                             : -1);
        return ChooseLine(shown, 0);
    });
    dialog.Button(app::kWebcamSource)->click();
    EXPECT_EQ(counts, (std::vector<int>{0, 1}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return CameraIsLive(); }, 5000));
    EXPECT_EQ(dialog.Session().CurrentCamera(), previous);
    EXPECT_TRUE(PreviewMoves());
    EXPECT_TRUE(folder.messages.empty());
}

// The pattern microphone is switched on before the window starts: its threads read the
// environment, which may not change under them.
class WebcamSourceWithMicrophone : public WebcamSourceFixture {
protected:
    void SetUp() override {
        setenv("QUENVALOR_PATTERN_MICROPHONE", "1", 1);
        WebcamSourceFixture::SetUp();
    }
    void TearDown() override {
        WebcamSourceFixture::TearDown();
        unsetenv("QUENVALOR_PATTERN_MICROPHONE");
    }
};

TEST_F(WebcamSourceWithMicrophone, MicrophoneChoiceShowsItsLevelAndIsKeptByIdentity) {
    const std::string pattern =
        std::string(capture::kPatternMicrophonePath) + "|" + capture::kPatternMicrophoneName;
    auto remembered = [&] {
        const QSettings settings(folder.SettingsFile(), QSettings::IniFormat);
        return settings.value("Microphone", "(unset)").toString().toStdString();
    };
    bool heard = false;
    {
        DialogRun run([&](CSourceDialog& shown) {
            QComboBox* box = shown.MicrophoneBox();
            EXPECT_EQ(box->itemText(0), QStringLiteral("None"));
            const int line = box->findText(QString::fromLatin1(capture::kPatternMicrophoneName));
            EXPECT_GT(line, 0);
            box->setCurrentIndex(line);
            // The pattern microphone beeps once a second; the meter shows the beep.
            heard = QTest::qWaitFor([&] { return shown.ShownLevel() > 0.5; }, 3000);
            shown.OkButton()->click();
            return shown.result();
        });
        dialog.Button(app::kWebcamSource)->click();
    }
    EXPECT_TRUE(heard);
    EXPECT_EQ(remembered(), pattern);
    {
        // The kept choice is the line shown next time; Cancel after picking None keeps it.
        DialogRun run([&](CSourceDialog& shown) {
            EXPECT_EQ(shown.MicrophoneSetting(), pattern);
            shown.MicrophoneBox()->setCurrentIndex(0);
            EXPECT_EQ(shown.MicrophoneSetting(), "None");
            shown.CancelButton()->click();
            return shown.result();
        });
        dialog.Button(app::kWebcamSource)->click();
    }
    EXPECT_EQ(remembered(), pattern);
    {
        DialogRun run([&](CSourceDialog& shown) {
            shown.MicrophoneBox()->setCurrentIndex(0);
            QTest::qWait(300);
            EXPECT_EQ(shown.ShownLevel(), 0.0) << "None hears nothing";
            shown.OkButton()->click();
            return shown.result();
        });
        dialog.Button(app::kWebcamSource)->click();
    }
    EXPECT_EQ(remembered(), "None");
}

TEST_F(WebcamSourceFixture, RecordingSizeIsChosenBesideTheCamerasKeptAndCarriesTheEffectsAlong) {
    // An effect at (100, 100)-(200, 180) of the 480 x 360 studio frame, moved by the mouse.
    const app_test::EffectSet effects{folder.Path()};
    effects::EffectEngine* engine = dialog.Session().Engine();
    ASSERT_TRUE(engine->LoadEffectFile(
        effects.Effect("Faces/red.eft", {100, 100, 100, 80}).toStdString(), -1));
    engine->MouseDown(150, 140);
    engine->MouseMove(170, 150);
    engine->MouseUp();
    {
        DialogRun run([](CSourceDialog& shown) {
            EXPECT_TRUE(shown.SizeBox()->isEnabled());
            EXPECT_EQ(shown.SizeBox()->currentText(), QStringLiteral("320 x 240 (classic)"));
            shown.SizeBox()->setCurrentIndex(2);
            return ChooseLine(shown, 0);
        });
        dialog.Button(app::kWebcamSource)->click();
        ASSERT_EQ(run.runs, 1);
    }
    const capture::RoadConfig road = dialog.Session().FrameRoad().Road();
    EXPECT_EQ(road.recording, (capture::FrameSize{1280, 720}));
    EXPECT_EQ(road.framesPerSecond, 30);
    const QSettings settings(folder.SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(settings.value("RecordingSize").toString(), QStringLiteral("1280x720"));

    // The effect stands where it stood, relative to the picture, in the new studio frame.
    ASSERT_NE(dialog.Session().Engine(), engine);
    ASSERT_EQ(dialog.Session().Engine()->FrameSize(), cv::Size(1280, 720));
    const effects::EffectRect rect = dialog.Session().Engine()->Describe(0)->rect;
    EXPECT_EQ(rect.left, 320);   // 120 x 1280 / 480
    EXPECT_EQ(rect.top, 220);    // 110 x 720 / 360
    EXPECT_EQ(rect.right, 587);  // 220 x 1280 / 480, rounded
    EXPECT_EQ(rect.bottom, 380);

    // The camera comes back, and the recorded frame is the studio frame with the effect.
    ASSERT_TRUE(QTest::qWaitFor([&] { return CameraIsLive(); }, 5000));
    EXPECT_TRUE(PreviewMoves());
    cv::Mat output;
    dialog.Session().FrameRoad().CopyOutputFrame(output);
    ASSERT_EQ(output.size(), cv::Size(1280, 720));
    EXPECT_EQ(output.at<cv::Vec3b>(300, 450), cv::Vec3b(0, 0, 255));
    // The preview shows it fitted into 480 x 360, between bars above and below.
    const QImage preview = dialog.Preview()->CurrentPicture();
    EXPECT_EQ(qGray(preview.pixel(240, 10)), 0);
    EXPECT_EQ(preview.pixel(169, 112 + 45), qRgb(255, 0, 0)) << "the effect in the preview";
}

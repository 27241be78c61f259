#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "app/CMainDialog.h"
#include "studio/StudioSession.h"
#include "app/PreviewWidget.h"
#include "app/UserMessages.h"

using app::CMainDialog;

namespace {

// Collects the texts the program would have shown in message boxes.
class CapturedMessages {
public:
    CapturedMessages() {
        app::SetUserMessageHandler([this](const QString& text) { texts.push_back(text); });
    }
    ~CapturedMessages() { app::SetUserMessageHandler({}); }
    std::vector<QString> texts;
};

// Whether the preview shows the pattern camera's coloured bars (the placards are grey, but for
// a thin red cross).
bool PreviewShowsAPicture(const CMainDialog& dialog) {
    const QImage picture = dialog.Preview()->CurrentPicture();
    if (picture.isNull()) return false;
    int samples = 0;
    int coloured = 0;
    for (int y = 0; y < picture.height(); y += 8)
        for (int x = 0; x < picture.width(); x += 8, ++samples)
            if (picture.pixelColor(x, y).saturation() > 100) ++coloured;
    return coloured * 4 > samples;
}

// Whether the camera delivers: the status line carries no camera note and a camera is current.
bool CameraIsLive(const CMainDialog& dialog) {
    return !dialog.Session().CurrentCamera().empty() && dialog.ShownStatus() == dialog.StatusText();
}

}  // namespace

TEST(App_MainDialog, StartsAtTheTopLeftWithTitleAndPreviewPlace) {
    CapturedMessages messages;
    CMainDialog dialog;
    dialog.Initialise();
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zelkorvan Quenvalor v2.2.32"));
    EXPECT_EQ(dialog.size(), QSize(510, 680));
    EXPECT_EQ(dialog.pos(), QPoint(0, 0));
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(dialog.Preview()->geometry(), QRect(16, 101, 480, 360));
    dialog.ShutdownSequence();
    EXPECT_TRUE(messages.texts.empty());
}

TEST(App_MainDialog, PatternCameraReachesThePreviewThroughTheWorker) {
    CapturedMessages messages;
    CMainDialog dialog;
    dialog.Initialise();
    ASSERT_TRUE(QTest::qWaitFor([&] { return CameraIsLive(dialog); }, 5000));
    ASSERT_FALSE(dialog.Devices().IsEmpty());
    EXPECT_EQ(dialog.Session().CurrentCamera(), dialog.Devices()[dialog.Devices().Count() - 1].id);
    EXPECT_TRUE(QTest::qWaitFor([&] { return PreviewShowsAPicture(dialog); }, 5000));

    QSignalSpy shutDown(&dialog, &CMainDialog::ShutDown);
    dialog.ShutdownSequence();
    EXPECT_EQ(shutDown.count(), 1);
    EXPECT_EQ(dialog.Session().FrameRoad().captureStopped.load(), 1);
    EXPECT_FALSE(dialog.isVisible());
    dialog.ShutdownSequence();  // a second request changes nothing
    EXPECT_EQ(shutDown.count(), 1);
}

TEST(App_MainDialog, CameraThatCannotOpenIsReportedAndThePreviousCameraComesBack) {
    CapturedMessages messages;
    CMainDialog dialog;
    dialog.Initialise();
    ASSERT_TRUE(QTest::qWaitFor([&] { return CameraIsLive(dialog); }, 5000));
    const std::string opened = dialog.Session().CurrentCamera();
    dialog.Session().ChooseCamera("/dev/video99|Unplugged Camera");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.texts.empty(); }, 5000));
    EXPECT_EQ(messages.texts[0], QStringLiteral("Fail to open the webcam!"));
    // The previous camera comes back by itself.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return CameraIsLive(dialog) && dialog.Session().CurrentCamera() == opened; }, 5000));
    EXPECT_EQ(messages.texts.size(), 1u);
    dialog.ShutdownSequence();
}

TEST(App_MainDialog, WindowManagerCloseRunsTheShutdownSequence) {
    CapturedMessages messages;
    CMainDialog dialog;
    dialog.Initialise();
    dialog.show();
    QSignalSpy shutDown(&dialog, &CMainDialog::ShutDown);
    dialog.close();
    EXPECT_EQ(shutDown.count(), 1);
    EXPECT_EQ(dialog.Session().FrameRoad().captureStopped.load(), 1);
}

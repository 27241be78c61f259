#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "ProgramFolder.h"
#include "app/CMainDialog.h"
#include "app/CPictureDialog.h"
#include "app/PreviewWidget.h"
#include "app/Settings.h"
#include "studio/StudioSession.h"

using app::CMainDialog;

namespace {

constexpr const char* kPatternId = "pattern:camera|Pattern Camera";

void WriteSettings(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// The share of the preview's samples that are strongly coloured (the pattern's bars are; grey
// is not).
double ColouredShare(const CMainDialog& dialog) {
    const QImage picture = dialog.Preview()->CurrentPicture();
    if (picture.isNull()) return 0;
    int samples = 0;
    int coloured = 0;
    for (int y = 0; y < picture.height(); y += 8)
        for (int x = 0; x < picture.width(); x += 8, ++samples)
            if (picture.pixelColor(x, y).saturation() > 100) ++coloured;
    return static_cast<double>(coloured) / samples;
}

bool CameraIsLive(const CMainDialog& dialog) {
    return !dialog.Session().CurrentCamera().empty() && dialog.Session().Controls() != nullptr;
}

}  // namespace

// The kept saturation greys the camera when it opens (a value that is not a number is left
// out); the dialog shows the camera's controls, a slider moved brings the colours back at once
// and is kept in the file; Reset goes back to the defaults and takes the kept values away.
TEST(App_PictureDialog, KeptControlsApplyAtStartAndTheDialogChangesThemLive) {
    app_test::ProgramFolder folder;
    WriteSettings(folder.SettingsFile(),
                  "[General]\nCamera=pattern:camera|Pattern Camera\n\n"
                  "[Camera pattern:camera|Pattern Camera]\nsaturation=0\nbrightness=bright\n");
    CMainDialog dialog(nullptr, folder.Path());
    dialog.Initialise();
    ASSERT_TRUE(QTest::qWaitFor([&] { return CameraIsLive(dialog); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ColouredShare(dialog) < 0.02; }, 5000));

    dialog.ShowPictureDialog();
    app::CPictureDialog* picture = dialog.PictureDialog();
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture->isVisible());
    QSlider* saturation = picture->Slider("saturation");
    ASSERT_TRUE(saturation);
    EXPECT_EQ(saturation->value(), 0);
    EXPECT_EQ(saturation->maximum(), 200);
    EXPECT_EQ(picture->ValueLabel("saturation")->text(), QStringLiteral("0"));
    EXPECT_EQ(picture->Slider("brightness")->value(), 0);
    EXPECT_FALSE(picture->Slider("gain"));  // the pattern camera has none

    saturation->setValue(200);
    EXPECT_EQ(picture->ValueLabel("saturation")->text(), QStringLiteral("200"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ColouredShare(dialog) > 0.25; }, 5000));
    EXPECT_EQ(app::ProgramSettings(folder.SettingsFile()).CameraControls().at(kPatternId).at("saturation").value,
              200);

    picture->ResetButton()->click();
    EXPECT_EQ(saturation->value(), 100);
    EXPECT_FALSE(app::ProgramSettings(folder.SettingsFile()).CameraControls().contains(kPatternId));
    EXPECT_TRUE(picture->Note().isEmpty());
    dialog.ShutdownSequence();
}

// A camera that refuses a kept value is named in the status line; what it lacks, the road does:
// the dialog offers the road's own saturation for a camera without one.
TEST(App_PictureDialog, RefusedControlIsNamedInTheStatusLine) {
    app_test::ProgramFolder folder;
    qputenv("QUENVALOR_PATTERN_CAMERA_CONTROLS", "brightness=fixed");
    WriteSettings(folder.SettingsFile(), "[Camera pattern:camera|Pattern Camera]\nbrightness=200\n");
    CMainDialog dialog(nullptr, folder.Path());
    dialog.Initialise();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return dialog.ShownStatus() == QStringLiteral("The camera refused: Brightness"); }, 5000));
    qunsetenv("QUENVALOR_PATTERN_CAMERA_CONTROLS");
    dialog.ShowPictureDialog();
    QSlider* saturation = dialog.PictureDialog()->Slider("saturation");
    ASSERT_TRUE(saturation);
    EXPECT_EQ(saturation->minimum(), 0);
    saturation->setValue(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ColouredShare(dialog) < 0.02; }, 5000));
    dialog.ShutdownSequence();
}

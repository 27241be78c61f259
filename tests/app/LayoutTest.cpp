#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "ProgramFolder.h"
#include "app/CMainDialog.h"
#include "app/MainLayout.h"
#include "app/PreviewWidget.h"
#include "controls/CHoverButton.h"

using app::CMainDialog;
using app::ControlKind;
using Picture = controls::CHoverButton::Picture;

namespace {

QRect PlaceOf(const app::LayoutEntry& entry) {
    return QRect(entry.x, entry.y, entry.width, entry.height);
}

int LightPixelsIn(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) > 200) ++count;
    return count;
}

class LayoutFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.Initialise();
        dialog.show();
    }
    void TearDown() override { dialog.ShutdownSequence(); }

    app_test::ProgramFolder folder;
    CMainDialog dialog{nullptr, folder.Path()};
};

}  // namespace

TEST_F(LayoutFixture, EveryControlSitsAtItsPlaceWithItsVisibility) {
    for (const app::LayoutEntry& entry : app::kMainLayout) {
        QWidget* control = dialog.Control(entry.id);
        ASSERT_NE(control, nullptr) << entry.id;
        EXPECT_EQ(control->parentWidget(), &dialog) << entry.id;
        EXPECT_EQ(control->geometry(), PlaceOf(entry)) << entry.id;
        EXPECT_EQ(control->isVisibleTo(&dialog), entry.shownAtStart) << entry.id;
    }
    EXPECT_EQ(dialog.Control(app::kPreview), dialog.Preview());
    EXPECT_EQ(dialog.Button(app::kClock), nullptr);  // not a button
}

TEST_F(LayoutFixture, RecordAndStopLieAboveTheHiddenModeButtonsSharingTheirPlaces) {
    EXPECT_EQ(dialog.childAt(100, 50), dialog.Control(app::kRecord));
    EXPECT_EQ(dialog.childAt(160, 50), dialog.Control(app::kStopRecord));
    EXPECT_FALSE(dialog.Control(app::kEffectMode)->isVisible());
    EXPECT_FALSE(dialog.Control(app::kPaintMode)->isVisible());
}

TEST_F(LayoutFixture, ButtonsCarryTheirSkinAndTooltips) {
    for (const app::LayoutEntry& entry : app::kMainLayout) {
        if (entry.kind != ControlKind::HoverButton) continue;
        const controls::CHoverButton* button = dialog.Button(entry.id);
        ASSERT_NE(button, nullptr) << entry.id;
        const QString base = folder.Path() + "/skin/" + QString::fromLatin1(entry.skinBase);
        EXPECT_EQ(button->PictureFor(Picture::Normal).toImage(),
                  QImage(base + "_normal.bmp").convertToFormat(QImage::Format_RGB32))
            << entry.id;
        EXPECT_FALSE(button->PictureFor(Picture::Hover).isNull()) << entry.id;
        EXPECT_FALSE(button->PictureFor(Picture::Click).isNull()) << entry.id;
    }
    EXPECT_EQ(dialog.Button(app::kWebcamSource)->toolTip(), QStringLiteral("Select Source Webcam"));
    EXPECT_EQ(dialog.Button(app::kHome)->toolTip(), QStringLiteral("Visit official website"));
    // A button with a shortcut names it.
    EXPECT_EQ(dialog.Button(app::kRecord)->toolTip(), "Start Record Webcam (Ctrl+R)");
    EXPECT_EQ(dialog.Button(app::kStopRecord)->toolTip(), "Stop Record Webcam (Ctrl+Shift+R)");
    EXPECT_EQ(dialog.Button(app::kSnap)->toolTip(), "Take snapshot (Space)");
    EXPECT_EQ(dialog.Button(app::kStudioToggle)->toolTip(), "Effects (Ctrl+E)");
    EXPECT_EQ(dialog.Button(app::kClose)->toolTip(), "Quit (Ctrl+Q)");
    // A button with a picture alone says what it does, as it does to screen readers.
    EXPECT_EQ(dialog.Button(app::kMinimize)->toolTip(), QStringLiteral("Minimize"));
    for (const app::LayoutEntry& entry : app::kMainLayout)
        EXPECT_FALSE(dialog.Control(entry.id)->accessibleName().isEmpty()) << entry.id;
}

TEST_F(LayoutFixture, RenderedWindowShowsSkinTitleClockAndStatus) {
    const QImage shown = dialog.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(510, 680));

    // Each shown button inside the window shows its normal picture, pixel for pixel.
    for (const app::LayoutEntry& entry : app::kMainLayout) {
        if (entry.kind != ControlKind::HoverButton || !entry.shownAtStart || entry.x >= 510)
            continue;
        const QImage picture = dialog.Button(entry.id)->PictureFor(Picture::Normal).toImage();
        EXPECT_EQ(shown.copy(PlaceOf(entry)).convertToFormat(QImage::Format_RGB32),
                  picture.convertToFormat(QImage::Format_RGB32))
            << entry.id;
    }
    // Away from the controls, the background picture.
    const QImage background(folder.Path() + "/skin/" + "back_ui.bmp");
    EXPECT_EQ(shown.pixelColor(502, 500), background.pixelColor(502, 500));
    EXPECT_EQ(shown.pixelColor(400, 660), background.pixelColor(400, 660));

    // Light text where the title and the status line are painted, none just outside them.
    EXPECT_GT(LightPixelsIn(shown, QRect(20, 6, 200, 16)), 40);
    EXPECT_GT(LightPixelsIn(shown, QRect(20, 657, 60, 15)), 15);
    EXPECT_EQ(LightPixelsIn(shown, QRect(20, 640, 60, 8)), 0);

    auto* clock = qobject_cast<QLineEdit*>(dialog.Control(app::kClock));
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->text(), QStringLiteral("00:00:00"));
    EXPECT_TRUE(clock->isReadOnly());
    EXPECT_EQ(dialog.StatusText(), QStringLiteral("Ready."));
}

TEST_F(LayoutFixture, StatusChangesRepaintTheStatusLine) {
    // Once the camera delivers, the status line shows the status text.
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.ShownStatus() == dialog.StatusText(); }, 5000));
    const QImage before = dialog.grab(QRect(20, 650, 110, 30)).toImage();
    dialog.SetStatusText(QStringLiteral("Recording"));
    const QImage after = dialog.grab(QRect(20, 650, 110, 30)).toImage();
    EXPECT_NE(before, after);
    EXPECT_EQ(dialog.StatusText(), QStringLiteral("Recording"));
}

TEST_F(LayoutFixture, WindowHasRoundedTopCornersAndSquareBottomCorners) {
    const QRegion region = dialog.mask();
    EXPECT_EQ(region, CMainDialog::WindowRegion());
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(509, 0)));
    EXPECT_FALSE(region.contains(QPoint(0, 1)));
    EXPECT_TRUE(region.contains(QPoint(5, 0)));
    EXPECT_TRUE(region.contains(QPoint(255, 0)));
    EXPECT_TRUE(region.contains(QPoint(0, 5)));
    EXPECT_TRUE(region.contains(QPoint(509, 5)));
    EXPECT_TRUE(region.contains(QPoint(0, 679)));
    EXPECT_TRUE(region.contains(QPoint(509, 679)));
    EXPECT_FALSE(region.contains(QPoint(510, 300)));
    EXPECT_FALSE(region.contains(QPoint(300, 680)));
    // Left and right corners are mirror images.
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(region.contains(QPoint(x, y)), region.contains(QPoint(509 - x, y)));
}

TEST(App_MainDialogLayout, MissingSkinLeavesButtonsEmptyAndStartUpGoesOn) {
    app_test::ProgramFolder folder;
    QFile::remove(folder.Path() + "/skin");
    CMainDialog dialog(nullptr, folder.Path());
    dialog.Initialise();
    dialog.show();
    EXPECT_TRUE(dialog.Button(app::kRecord)->PictureFor(Picture::Normal).isNull());
    EXPECT_EQ(dialog.Control(app::kRecord)->geometry(), QRect(77, 32, 54, 47));
    EXPECT_FALSE(dialog.grab().isNull());
    dialog.ShutdownSequence();
}

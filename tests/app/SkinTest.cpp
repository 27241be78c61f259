#include <gtest/gtest.h>

#include <QImage>

#include "app/MainLayout.h"

// The skin the build draws: every picture the window and the camera dialog name exists, has the
// size of the place it fills, and looks different under the mouse and when pressed.

namespace {

const QString kSkinFolder = QStringLiteral(QUENVALOR_BUILD_DIR "/skin/");

QImage SkinPicture(const QString& name) {
    return QImage(kSkinFolder + name);
}

void ExpectButtonSet(const QString& base, QSize size) {
    const QImage normal = SkinPicture(base + "_normal.bmp");
    const QImage hover = SkinPicture(base + "_hover.bmp");
    const QImage click = SkinPicture(base + "_click.bmp");
    EXPECT_EQ(normal.size(), size) << base.toStdString();
    EXPECT_EQ(hover.size(), size) << base.toStdString();
    EXPECT_EQ(click.size(), size) << base.toStdString();
    EXPECT_NE(normal, hover) << base.toStdString();
    EXPECT_NE(normal, click) << base.toStdString();
    EXPECT_NE(hover, click) << base.toStdString();
}

double MeanGrey(const QImage& image, const QRect& area) {
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) sum += qGray(image.pixel(x, y));
    return sum / (area.width() * area.height());
}

}  // namespace

TEST(App_Skin, EveryButtonOfTheLayoutHasItsThreePicturesAtItsSize) {
    for (const app::LayoutEntry& entry : app::kMainLayout) {
        if (entry.kind != app::ControlKind::HoverButton) continue;
        ExpectButtonSet(QString::fromLatin1(entry.skinBase), QSize(entry.width, entry.height));
    }
    ExpectButtonSet(QStringLiteral("ok"), QSize(97, 30));
    ExpectButtonSet(QStringLiteral("cancel"), QSize(97, 30));
}

TEST(App_Skin, BackgroundsHaveTheirWindowsSizes) {
    EXPECT_EQ(SkinPicture("back_ui.bmp").size(), QSize(510, 680));
    EXPECT_EQ(SkinPicture("register_bk.bmp").size(), QSize(500, 299));
    EXPECT_EQ(SkinPicture("list_back.bmp").width(), 480);
}

TEST(App_Skin, LightTextHasDarkGroundAndThePreviewIsFramed) {
    const QImage background = SkinPicture("back_ui.bmp");
    ASSERT_FALSE(background.isNull());
    // Title and status line are painted in (240, 240, 240): their places must be dark.
    EXPECT_LT(MeanGrey(background, QRect(app::kTitleX, app::kTitleY, 250, 16)), 70);
    EXPECT_LT(
        MeanGrey(background, QRect(QPoint(app::kStatusAreaLeft, app::kStatusAreaTop),
                                   QPoint(app::kStatusAreaRight - 1, app::kStatusAreaBottom - 1))),
        70);
    // The body between the wells is light, and the preview's frame differs from it.
    EXPECT_GT(MeanGrey(background, QRect(100, 470, 300, 10)), 180);
    const app::LayoutEntry* preview = app::FindLayoutEntry(app::kPreview);
    EXPECT_NE(background.pixel(preview->x - 1, 300), background.pixel(preview->x - 3, 300));
    const app::LayoutEntry* list = app::FindLayoutEntry(app::kRecordingsList);
    EXPECT_NE(background.pixel(list->x - 1, 550), background.pixel(list->x - 3, 550));
}

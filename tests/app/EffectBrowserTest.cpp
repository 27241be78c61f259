#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>

#include "EffectSet.h"
#include "ProgramFolder.h"
#include "app/CMainDialog.h"
#include "studio/StudioSession.h"
#include "app/EffectsPanel.h"
#include "controls/CCustomTableControl.h"
#include "controls/CHoverButton.h"
#include "controls/CIconListBox.h"
#include "controls/CThumbNailControl.h"
#include "platform/Clock.h"

using app::CMainDialog;
using app::EffectsPanel;
using effects::EffectEngine;

namespace {

class EffectBrowserFixture : public ::testing::Test {
protected:
    // Starts the window with the panels shown, once the effect files are in place.
    void Start() {
        dialog.Initialise();
        dialog.show();
        for (int id : {app::kEffectsTable, app::kDeleteEffect, app::kRemoveAllEffects})
            dialog.Control(id)->show();
        Settle();
    }
    void TearDown() override { dialog.ShutdownSequence(); }

    // Handles the notices the window has posted to itself.
    static void Settle() { QCoreApplication::processEvents(); }

    controls::CThumbNailControl& Grid() { return *dialog.Effects().ThumbnailGrid(); }
    controls::CCustomTableControl& Table() { return *dialog.Effects().EffectsTable(); }
    EffectEngine& Engine() { return *dialog.Session().Engine(); }

    QStringList GridPaths() {
        QStringList paths;
        for (int i = 0; i < Grid().ItemCount(); ++i) paths << Grid().Item(i)->GetPath();
        return paths;
    }
    int TablePositionOf(const QString& thumbnail) {
        for (int i = 0; i < Table().ItemCount(); ++i)
            if (Table().Item(i)->GetPath() == thumbnail) return i;
        return -1;
    }
    int HighlightedPosition() {
        const controls::CCustomButton* item = Table().HighlightedItem();
        return item ? Table().IndexOf(item) : -1;
    }
    void ClickThumbnail(const QString& path) {
        QTest::mouseClick(Grid().Item(static_cast<int>(GridPaths().indexOf(path))), Qt::LeftButton);
        Settle();
    }
    void ClickTableItem(const QString& thumbnail) {
        QTest::mouseClick(Table().Item(TablePositionOf(thumbnail)), Qt::LeftButton);
        Settle();
    }
    void Command(int id) {
        dialog.Button(id)->click();
        Settle();
    }
    std::string EffectPathOf(const QString& thumbnail) {
        return EffectsPanel::EffectPathForThumbnail(thumbnail, dialog.Effects().ThumbnailsFolder(),
                                                   dialog.Effects().EffectsFolder())
            .toStdString();
    }
    bool Active(int index) { return Engine().Describe(index)->active; }

    app_test::ProgramFolder folder;
    app_test::EffectSet effects{folder.Path()};
    CMainDialog dialog{nullptr, folder.Path()};
};

}  // namespace

TEST(App_EffectPaths, ThumbnailAndEffectFileCorrespondByCharacterCount) {
    const QString bitmaps = "/q/EffectsBmps/", eft = "/q/Effects/";
    EXPECT_EQ(EffectsPanel::EffectPathForThumbnail("/q/EffectsBmps/Frames/heart.bmp", bitmaps, eft),
              "/q/Effects/Frames/heart.eft");
    EXPECT_EQ(EffectsPanel::EffectPathForThumbnail("/q/EffectsBmps/Faces/x.BMP", bitmaps, eft),
              "/q/Effects/Faces/x.eft");
    EXPECT_EQ(EffectsPanel::ThumbnailPathForEffect("/q/Effects/Frames/heart.eft", eft, bitmaps),
              "/q/EffectsBmps/Frames/heart.bmp");
    // The rule counts characters; it does not parse the path.
    EXPECT_EQ(EffectsPanel::EffectPathForThumbnail("/r/OtherBmpsXX/a.png", bitmaps, eft),
              "/q/Effects/a.eft");
}

TEST_F(EffectBrowserFixture, StartsOnDistortionsWithItsBitmapsSortedByName) {
    const QString b = effects.Thumbnail("Distortions/b.bmp");
    const QString a = effects.Thumbnail("Distortions/a.BMP");
    QDir().mkpath(folder.Path() + "/EffectsBmps/Distortions/folder.bmp");
    effects.Thumbnail("Distortions/notes.txt");
    effects.Thumbnail("Frames/heart.bmp");
    Start();

    const controls::CIconListBox& list = *dialog.Effects().CategoryList();
    ASSERT_EQ(list.Count(), 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(list.NameAt(i), EffectsPanel::CategoryNames()[i]);
    EXPECT_EQ(list.NameAt(1), "Distortions");
    EXPECT_FALSE(list.EdgeOption());
    EXPECT_EQ(list.CurrentIndex(), 1);
    EXPECT_EQ(GridPaths(), QStringList({a, b}));
    EXPECT_FALSE(Engine().PaintMode());
    EXPECT_EQ(Engine().EffectCount(), 0);
}

TEST_F(EffectBrowserFixture, ThumbnailClickAddsOneItemAndOneEffectWhateverTheCategory) {
    const QString wave = effects.Add("Distortions/wave");
    const QString heart = effects.Add("Frames/heart");
    Start();

    ClickThumbnail(wave);
    ClickThumbnail(wave);
    EXPECT_EQ(Table().ItemCount(), 1);
    ASSERT_EQ(Engine().EffectCount(), 1);
    EXPECT_EQ(Engine().Describe(0)->path, EffectPathOf(wave));

    // Another category refills the grid and leaves the table and the engine alone.
    dialog.Effects().CategoryList()->Select(6);
    Settle();
    EXPECT_EQ(GridPaths(), QStringList({heart}));
    ClickThumbnail(heart);
    EXPECT_EQ(Table().ItemCount(), 2);
    EXPECT_EQ(Engine().EffectCount(), 2);

    // No category chosen: an empty grid, and nothing read outside the list.
    dialog.Effects().CategoryList()->Select(-1);
    Settle();
    EXPECT_EQ(Grid().ItemCount(), 0);
}

TEST_F(EffectBrowserFixture, TableClickSelectsItsEffectEvenAfterOthersWereDeleted) {
    const QString a = effects.Add("Distortions/a", {0, 0, 50, 50});
    const QString b = effects.Add("Distortions/b", {100, 0, 50, 50});
    const QString c = effects.Add("Distortions/c", {200, 0, 50, 50});
    Start();
    for (const QString& thumbnail : {a, b, c}) ClickThumbnail(thumbnail);

    ClickTableItem(b);
    EXPECT_EQ(Engine().SelectedIndex(), 1);
    EXPECT_EQ(Engine().ManipulationMode(), EffectEngine::kSelected);
    Command(app::kDeleteEffect);
    EXPECT_EQ(Table().ItemCount(), 2);
    EXPECT_FALSE(Active(1));
    EXPECT_EQ(Engine().SelectedIndex(), EffectEngine::kNothingSelected);
    EXPECT_EQ(HighlightedPosition(), -1);

    // C sits at table position 1 and engine index 2; each side finds the other by path.
    ClickTableItem(c);
    EXPECT_EQ(Engine().SelectedIndex(), 2);
    EXPECT_EQ(HighlightedPosition(), TablePositionOf(c));
    ASSERT_TRUE(Engine().Select(0));
    Settle();
    EXPECT_EQ(HighlightedPosition(), TablePositionOf(a));

    // With A gone too, C's engine index lies beyond the table: its own item is still found.
    ClickTableItem(a);
    Command(app::kDeleteEffect);
    ASSERT_TRUE(Engine().SelectByName(EffectPathOf(c)));
    Settle();
    EXPECT_EQ(Table().ItemCount(), 1);
    EXPECT_EQ(HighlightedPosition(), 0);

    // Delete takes the highlighted item; a second Delete finds nothing highlighted.
    Command(app::kDeleteEffect);
    EXPECT_EQ(Table().ItemCount(), 0);
    EXPECT_FALSE(Active(2));
    Command(app::kDeleteEffect);
    EXPECT_EQ(Engine().EffectCount(), 3);
}

TEST_F(EffectBrowserFixture, ThumbnailWithoutEffectFileKeepsItsItemAndSelectsNothing) {
    const QString loaded = effects.Add("Distortions/loaded");
    const QString missing = effects.Thumbnail("Distortions/missing.bmp");
    Start();
    ClickThumbnail(loaded);
    ClickThumbnail(missing);
    EXPECT_EQ(Table().ItemCount(), 2);
    EXPECT_EQ(Engine().EffectCount(), 1);

    ClickTableItem(loaded);
    ClickTableItem(missing);
    EXPECT_EQ(Engine().SelectedIndex(), 0);
    EXPECT_EQ(HighlightedPosition(), TablePositionOf(missing));
}

TEST_F(EffectBrowserFixture, RemoveAllEmptiesTheTableAndEndsTheSelection) {
    const QString a = effects.Add("Distortions/a");
    const QString b = effects.Add("Distortions/b");
    Start();
    ClickThumbnail(a);
    ClickThumbnail(b);
    ClickTableItem(b);

    Command(app::kRemoveAllEffects);
    EXPECT_EQ(Table().ItemCount(), 0);
    EXPECT_FALSE(Active(0));
    EXPECT_FALSE(Active(1));
    EXPECT_EQ(Engine().SelectedIndex(), EffectEngine::kNothingSelected);
    EXPECT_EQ(Engine().ManipulationMode(), EffectEngine::kIdle);
}

TEST_F(EffectBrowserFixture, EndedEffectLeavesTheTableAndCanBeAddedAgain) {
    const QString once = effects.Add("Animations/once", {0, 0, 40, 40}, true);
    const QString stays = effects.Add("Animations/stays", {50, 0, 40, 40});
    Start();
    dialog.Effects().CategoryList()->Select(0);
    Settle();
    ClickThumbnail(once);
    ClickThumbnail(stays);

    // The frame road does not render through the engine yet; the test renders as a renderer
    // would, with the effects' clock pinned.
    cv::Mat frame(360, 480, CV_8UC3, cv::Scalar::all(0));
    platform::Clock::SetFixedTime(1000);
    Engine().Render(frame, false);
    platform::Clock::SetFixedTime(1200);
    Engine().Render(frame, false);
    platform::Clock::UseSystemTime();
    Settle();
    EXPECT_EQ(Table().ItemCount(), 1);
    EXPECT_EQ(TablePositionOf(stays), 0);

    ClickThumbnail(once);
    EXPECT_EQ(Table().ItemCount(), 2);
    ASSERT_EQ(Engine().EffectCount(), 3);
    EXPECT_TRUE(Active(2));
}

TEST_F(EffectBrowserFixture, RightClickOnlyDropsTheHoverLook) {
    const QString a = effects.Add("Distortions/a");
    Start();
    controls::CThumbnailButton* item = Grid().Item(0);
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), item->mapToGlobal(QPointF(10, 10)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(item, &move);
    ASSERT_TRUE(item->IsHovered());
    QTest::mousePress(item, Qt::RightButton, {}, QPoint(10, 10));
    Settle();
    EXPECT_FALSE(item->IsHovered());
    EXPECT_EQ(Table().ItemCount(), 0);
    EXPECT_EQ(Engine().EffectCount(), 0);
}

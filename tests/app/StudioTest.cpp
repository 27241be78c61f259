#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "EffectSet.h"
#include "ProgramFolder.h"
#include "app/CIniFile.h"
#include "app/CMainDialog.h"
#include "app/EffectsPanel.h"
#include "app/RecordingPanel.h"
#include "app/CommandLine.h"
#include "app/MainLayout.h"
#include "controls/CHoverButton.h"
#include "controls/CThumbNailControl.h"
#include "controls/CRecordingsList.h"

using app::CMainDialog;
using app::LayoutMode;

namespace {

QString LayoutSetting(const QString& settingsFile) {
    return app::CIniFile(settingsFile)
        .ReadString(QStringLiteral("General"), QStringLiteral("Layout"), QString());
}

bool ShownAt(const CMainDialog& dialog, int id, int x, int y) {
    const QWidget* control = dialog.Control(id);
    return control->isVisibleTo(&dialog) && control->pos() == QPoint(x, y);
}

// Whether showing `trigger` opens a pop-up menu; a menu that opens is closed again at once.
template <typename Trigger>
bool OpensAMenu(Trigger trigger) {
    bool opened = false;
    QTimer::singleShot(200, [&opened] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            opened = true;
            popup->close();
        }
    });
    trigger();
    QTest::qWait(300);
    return opened;
}

}  // namespace

// A window started in the studio, shown, from a program folder of its own.
class StudioFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.SetStartLayout(LayoutMode::Studio);
        dialog.Initialise();
        dialog.show();
    }
    void TearDown() override { dialog.ShutdownSequence(); }

    app_test::ProgramFolder folder;
    CMainDialog dialog{nullptr, folder.Path()};
};

TEST_F(StudioFixture, StudioShowsTheBrowserToolsAndModesAndClassicPutsEverythingBack) {

    EXPECT_EQ(dialog.Layout(), LayoutMode::Studio);
    EXPECT_GE(dialog.width(), 940);
    EXPECT_EQ(dialog.height(), 680);
    EXPECT_TRUE(dialog.mask().contains(QPoint(dialog.width() - 1, 300)));
    EXPECT_TRUE(ShownAt(dialog, app::kCategoryList, 520, 100));
    EXPECT_TRUE(ShownAt(dialog, app::kThumbnailGrid, 647, 100));
    EXPECT_TRUE(ShownAt(dialog, app::kBrush6, 811, 585));
    EXPECT_TRUE(ShownAt(dialog, app::kEffectMode, 520, 32));
    EXPECT_TRUE(ShownAt(dialog, app::kPaintMode, 586, 32));
    // Recording stays at hand, in its classic place.
    EXPECT_TRUE(ShownAt(dialog, app::kRecord, 77, 32));
    EXPECT_TRUE(ShownAt(dialog, app::kStopRecord, 143, 32));
    EXPECT_TRUE(ShownAt(dialog, app::kPreview, 16, 101));

    // The tabs under the preview share its place between the recordings and the effects.
    EXPECT_TRUE(dialog.Recording().RecordingsList()->isVisibleTo(&dialog));
    QTest::mouseClick(dialog.Button(app::kEffectsTab), Qt::LeftButton);
    EXPECT_FALSE(dialog.Recording().RecordingsList()->isVisibleTo(&dialog));
    for (const int id : {app::kEffectsTable, app::kDeleteEffect, app::kRemoveAllEffects})
        EXPECT_TRUE(dialog.Control(id)->isVisibleTo(&dialog)) << id;
    QTest::mouseClick(dialog.Button(app::kRecordingsTab), Qt::LeftButton);
    EXPECT_TRUE(dialog.Recording().RecordingsList()->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.Control(app::kEffectsTable)->isVisibleTo(&dialog));

    // The Effects button goes back to the classic window, control for control, and says so in
    // the settings file.
    QTest::mouseClick(dialog.Button(app::kStudioToggle), Qt::LeftButton);
    EXPECT_EQ(dialog.Layout(), LayoutMode::Classic);
    EXPECT_EQ(dialog.size(), QSize(510, 680));
    for (const app::LayoutEntry& entry : app::kMainLayout) {
        const QWidget* control = dialog.Control(entry.id);
        EXPECT_EQ(control->geometry(), QRect(entry.x, entry.y, entry.width, entry.height))
            << entry.id;
        EXPECT_EQ(control->isVisibleTo(&dialog), entry.shownAtStart) << entry.id;
    }
    EXPECT_EQ(LayoutSetting(folder.SettingsFile()), QStringLiteral("classic"));

    // Ctrl+E switches too.
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(&dialog, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(dialog.Layout(), LayoutMode::Studio);
    EXPECT_EQ(LayoutSetting(folder.SettingsFile()), QStringLiteral("studio"));
}

TEST(App_Studio, TheKeptLayoutOpensNextTimeAndAnUnknownValueMeansClassic) {
    app_test::ProgramFolder folder;
    app::CIniFile settings(folder.SettingsFile());
    for (const auto& [value, expected] :
         {std::pair{QStringLiteral("studio"), LayoutMode::Studio},
          std::pair{QStringLiteral("Studio "), LayoutMode::Studio},
          std::pair{QStringLiteral("wide"), LayoutMode::Classic},
          std::pair{QString(), LayoutMode::Classic}}) {
        ASSERT_TRUE(settings.WriteString(QStringLiteral("General"), QStringLiteral("Layout"), value));
        CMainDialog dialog(nullptr, folder.Path());
        dialog.Initialise();
        EXPECT_EQ(dialog.Layout(), expected) << value.toStdString();
        EXPECT_EQ(dialog.width(), expected == LayoutMode::Studio ? app::kStudioWidth : 510);
        dialog.ShutdownSequence();
    }
    // The command line wins over the file, and a start leaves the file as it was.
    CMainDialog dialog(nullptr, folder.Path());
    dialog.SetStartLayout(LayoutMode::Studio);
    dialog.Initialise();
    EXPECT_EQ(dialog.Layout(), LayoutMode::Studio);
    EXPECT_EQ(LayoutSetting(folder.SettingsFile()), QString());
    EXPECT_EQ(settings.ReadString(QStringLiteral("General"), QStringLiteral("FilePath"), {}),
              QString()) << "the output folder key is not written by a layout choice";
    dialog.ShutdownSequence();
}

TEST_F(StudioFixture, OnlyTheBareBandsOpenTheMenuOrDragTheWindow) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    QWidget* list = dialog.Recording().RecordingsList();
    const QPoint inList(100, 60);
    EXPECT_FALSE(OpensAMenu([&] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, inList, list->mapToGlobal(inList));
        QApplication::sendEvent(list, &event);
    })) << "a right click on the recordings list";
    QWidget* grid = dialog.Effects().ThumbnailGrid();
    EXPECT_FALSE(OpensAMenu([&] {
        const QPoint below(10, 400);
        QContextMenuEvent event(QContextMenuEvent::Mouse, below, grid->mapToGlobal(below));
        QApplication::sendEvent(grid, &event);
    })) << "a right click below the thumbnails";
    EXPECT_TRUE(OpensAMenu([&] {
        const QPoint band(200, 20);
        QContextMenuEvent event(QContextMenuEvent::Mouse, band, dialog.mapToGlobal(band));
        QApplication::sendEvent(&dialog, &event);
    })) << "a right click on the title band";

    // A press below the last thumbnail and a drag: the window stays where it is.
    const QPoint start = dialog.pos();
    const QPoint gap(150, 420);
    QMouseEvent press(QEvent::MouseButtonPress, gap, grid->mapToGlobal(gap), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid, &press);
    const QPoint away = gap + QPoint(60, 40);
    QMouseEvent move(QEvent::MouseMove, grid->mapTo(&dialog, away), grid->mapToGlobal(away),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &move);
    EXPECT_EQ(dialog.pos(), start);
}

TEST(App_CommandLine, ReadsTheFacesHelpAndVersionAndRefusesTheRest) {
    using Action = app::CommandLine::Action;
    EXPECT_EQ(app::ParseCommandLine({}).action, Action::Run);
    EXPECT_FALSE(app::ParseCommandLine({}).layout.has_value());
    EXPECT_EQ(app::ParseCommandLine({"--studio"}).layout, LayoutMode::Studio);
    EXPECT_EQ(app::ParseCommandLine({"--classic"}).layout, LayoutMode::Classic);
    EXPECT_EQ(app::ParseCommandLine({"--studio", "--studio"}).action, Action::Run);
    EXPECT_EQ(app::ParseCommandLine({"-h"}).action, Action::ShowHelp);
    EXPECT_EQ(app::ParseCommandLine({"--studio", "--version"}).action, Action::ShowVersion);

    const app::CommandLine both = app::ParseCommandLine({"--studio", "--classic"});
    EXPECT_EQ(both.action, Action::Fail);
    const app::CommandLine unknown = app::ParseCommandLine({"--wide"});
    EXPECT_EQ(unknown.action, Action::Fail);
    EXPECT_NE(unknown.error.find("--wide"), std::string::npos);
    EXPECT_EQ(app::ParseCommandLine({"photo.png"}).action, Action::Fail);
    EXPECT_NE(app::HelpText().find("--studio"), std::string::npos);
}

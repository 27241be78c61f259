#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

#include "ProgramFolder.h"
#include "app/CAboutDialog.h"
#include "app/CMainDialog.h"
#include "studio/StudioSession.h"
#include "controls/CHoverButton.h"

using app::CMainDialog;
using Picture = controls::CHoverButton::Picture;

namespace {

class CommandsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.Initialise();
        dialog.show();
    }
    void TearDown() override { dialog.ShutdownSequence(); }

    QAction* TrayAction(const QString& text) {
        for (QAction* action : dialog.TrayMenu()->actions())
            if (action->text() == text) return action;
        return nullptr;
    }

    QImage Skin(const QString& name) {
        return QImage(folder.Path() + "/skin/" + name).convertToFormat(QImage::Format_RGB32);
    }
    QImage Shown(int id, Picture picture) {
        return dialog.Button(id)->PictureFor(picture).toImage().convertToFormat(
            QImage::Format_RGB32);
    }

    // Sends a key press to the window and says whether the window took it.
    bool KeyTaken(int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &press);
        return press.isAccepted();
    }

    void Mouse(QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
        const QPoint global = dialog.mapToGlobal(local);
        QMouseEvent event(type, local, global,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &event);
    }
    void DragBy(QPoint from, QPoint by) {
        Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        Mouse(QEvent::MouseMove, from + by, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, from + by, Qt::NoButton);
    }

    app_test::ProgramFolder folder;
    CMainDialog dialog{nullptr, folder.Path()};
};

}  // namespace

TEST_F(CommandsFixture, TrayWithoutNotificationAreaMinimisesInstead) {
    folder.trayAvailable = false;
    dialog.Button(app::kTray)->click();
    EXPECT_TRUE(dialog.isMinimized());
    EXPECT_TRUE(dialog.isVisible());  // still reachable from the task bar
    EXPECT_EQ(dialog.TrayIcon(), nullptr);
}

TEST_F(CommandsFixture, TrayHidesTheWindowBehindAnIconWithItsMenu) {
    folder.trayAvailable = true;
    dialog.Button(app::kTray)->click();
    QSystemTrayIcon* icon = dialog.TrayIcon();
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->isVisible());
    EXPECT_EQ(icon->toolTip(), QStringLiteral("Quenvalor"));
    EXPECT_FALSE(icon->icon().isNull());
    EXPECT_EQ(icon->contextMenu(), nullptr);  // the right button does nothing
    EXPECT_FALSE(dialog.isVisible());

    ASSERT_NE(dialog.TrayMenu(), nullptr);
    ASSERT_EQ(dialog.TrayMenu()->actions().size(), 2);
    EXPECT_EQ(dialog.TrayMenu()->actions()[0]->text(), QStringLiteral("Quit"));
    EXPECT_EQ(dialog.TrayMenu()->actions()[1]->text(), QStringLiteral("Show Window"));

    TrayAction(QStringLiteral("Show Window"))->trigger();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(icon->isVisible());  // the icon stays

    // A second tray command reuses the one icon; a double click brings the window back.
    dialog.Button(app::kTray)->click();
    EXPECT_EQ(dialog.TrayIcon(), icon);
    EXPECT_FALSE(dialog.isVisible());
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(dialog.isVisible());
    emit icon->activated(QSystemTrayIcon::Context);
    EXPECT_FALSE(dialog.TrayMenu()->isVisible());
}

TEST_F(CommandsFixture, QuitFromTheTrayMenuWhileHiddenRunsTheShutdownSequence) {
    folder.trayAvailable = true;
    dialog.Button(app::kTray)->click();
    QSignalSpy shutDown(&dialog, &CMainDialog::ShutDown);
    TrayAction(QStringLiteral("Quit"))->trigger();
    EXPECT_EQ(shutDown.count(), 1);
    EXPECT_EQ(dialog.Session().FrameRoad().captureStopped.load(), 1);
    EXPECT_FALSE(dialog.TrayIcon()->isVisible());  // the icon is removed
}

TEST_F(CommandsFixture, CloseButtonRunsTheShutdownSequence) {
    QSignalSpy shutDown(&dialog, &CMainDialog::ShutDown);
    QTest::mouseClick(dialog.Button(app::kClose), Qt::LeftButton);
    EXPECT_EQ(shutDown.count(), 1);
    EXPECT_TRUE(dialog.IsShutDown());
    EXPECT_EQ(dialog.Session().FrameRoad().captureStopped.load(), 1);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(CommandsFixture, MinimiseButtonMinimises) {
    dialog.Button(app::kMinimize)->click();
    EXPECT_TRUE(dialog.isMinimized());
}

TEST_F(CommandsFixture, HomeOpensTheDocumentationBesideTheProgram) {
    dialog.Button(app::kHome)->click();
    ASSERT_EQ(folder.openedUrls.size(), 1u);
    EXPECT_EQ(folder.openedUrls[0], QUrl::fromLocalFile(folder.Path() + "/README.md"));
    EXPECT_TRUE(folder.openedUrls[0].isLocalFile());
}

TEST_F(CommandsFixture, ModeButtonsSwapTheirPictures) {
    // At start both have their ordinary pictures.
    EXPECT_EQ(Shown(app::kEffectMode, Picture::Normal), Skin("effect_normal.bmp"));
    EXPECT_EQ(Shown(app::kPaintMode, Picture::Normal), Skin("paint_normal.bmp"));

    dialog.Button(app::kPaintMode)->click();
    for (const Picture picture : {Picture::Normal, Picture::Hover, Picture::Click})
        EXPECT_EQ(Shown(app::kPaintMode, picture), Skin("paint_click.bmp"));
    EXPECT_EQ(Shown(app::kEffectMode, Picture::Normal), Skin("effect_normal.bmp"));
    EXPECT_EQ(Shown(app::kEffectMode, Picture::Hover), Skin("effect_hover.bmp"));
    EXPECT_EQ(Shown(app::kEffectMode, Picture::Click), Skin("effect_click.bmp"));

    dialog.Button(app::kEffectMode)->click();
    for (const Picture picture : {Picture::Normal, Picture::Hover, Picture::Click})
        EXPECT_EQ(Shown(app::kEffectMode, picture), Skin("effect_click.bmp"));
    EXPECT_EQ(Shown(app::kPaintMode, Picture::Normal), Skin("paint_normal.bmp"));
    EXPECT_EQ(Shown(app::kPaintMode, Picture::Hover), Skin("paint_hover.bmp"));
    EXPECT_EQ(Shown(app::kPaintMode, Picture::Click), Skin("paint_click.bmp"));
}

TEST_F(CommandsFixture, EscapeAndEnterAreSwallowed) {
    QSignalSpy shutDown(&dialog, &CMainDialog::ShutDown);
    EXPECT_TRUE(KeyTaken(Qt::Key_Escape));
    EXPECT_TRUE(KeyTaken(Qt::Key_Return));
    EXPECT_TRUE(KeyTaken(Qt::Key_Enter));
    EXPECT_FALSE(KeyTaken(Qt::Key_A));  // other keys take their usual way
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(shutDown.count(), 0);
}

TEST(App_MainDialogMouse, DragBandsAreTheEdgesAndTheTopAndBottomBands) {
    const struct {
        QPoint point;
        bool drags;
    } cases[] = {
        {{5, 300}, true},    {{10, 300}, true},   {{11, 300}, false},  {{300, 300}, false},
        {{300, 100}, true},  {{300, 101}, false}, {{300, 499}, false}, {{300, 500}, true},
        {{599, 300}, false}, {{600, 300}, true},  {{0, 0}, true},      {{505, 679}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CMainDialog::IsDragBand(c.point), c.drags) << c.point.x() << ", " << c.point.y();
}

TEST_F(CommandsFixture, WindowFollowsTheMouseWhenDraggedByABand) {
    // The offscreen platform cannot move windows itself, so the window moves by mouse deltas.
    ASSERT_EQ(dialog.pos(), QPoint(0, 0));
    DragBy(QPoint(300, 300), QPoint(40, 25));  // on the preview: no drag
    EXPECT_EQ(dialog.pos(), QPoint(0, 0));
    DragBy(QPoint(5, 300), QPoint(40, 25));
    EXPECT_EQ(dialog.pos(), QPoint(40, 25));
    DragBy(QPoint(460, 660), QPoint(-10, 5));  // the bottom band beside the status line
    EXPECT_EQ(dialog.pos(), QPoint(30, 30));
    // Moving without the button held does not drag.
    Mouse(QEvent::MouseMove, QPoint(5, 200), Qt::NoButton);
    EXPECT_EQ(dialog.pos(), QPoint(30, 30));
}

TEST(App_AboutBox, ShowsIconProductLineAndOk) {
    app::CAboutDialog about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Brisotel"));
    auto* icon = about.findChild<QLabel*>(QStringLiteral("icon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    auto* version = about.findChild<QLabel*>(QStringLiteral("version"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Brisotel Version 1.0"));
    auto* about_line = about.findChild<QLabel*>(QStringLiteral("about"));
    ASSERT_NE(about_line, nullptr);
    EXPECT_FALSE(about_line->text().isEmpty());

    auto* buttons = about.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    ASSERT_EQ(buttons->buttons().size(), 1);
    about.open();
    buttons->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

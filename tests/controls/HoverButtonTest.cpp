#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QImage>
#include <QShortcut>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "controls/CHoverButton.h"

using controls::CHoverButton;
using Picture = CHoverButton::Picture;

namespace {

// Three one-colour pictures and a two-colour one, written as bitmap files into a temporary
// folder, and a button on a yellow parent, so a state without a picture shows yellow.
class HoverButtonFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        normal = WriteSolid("normal.bmp", Qt::red);
        hover = WriteSolid("hover.bmp", Qt::green);
        click = WriteSolid("click.bmp", Qt::blue);

        parent.resize(100, 100);
        parent.setAutoFillBackground(true);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, Qt::yellow);
        parent.setPalette(palette);
        button = new CHoverButton(&parent);
        button->setGeometry(10, 10, 40, 30);
        parent.show();
    }

    QString WriteSolid(const QString& name, Qt::GlobalColor colour) {
        QImage image(10, 10, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = folder.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }

    // The colour the window shows at a point of the button.
    QColor ShownAt(int x, int y) {
        return parent.grab().toImage().pixelColor(button->geometry().topLeft() + QPoint(x, y));
    }
    QColor ShownInTheMiddle() { return ShownAt(20, 15); }

    void Enter() {
        QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
        QCoreApplication::sendEvent(button, &enter);
    }
    void Leave() {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
    }

    QTemporaryDir folder;
    QString normal, hover, click;
    QWidget parent;
    CHoverButton* button = nullptr;
};

}  // namespace

TEST_F(HoverButtonFixture, ShowsNormalThenHoverThenNormalAgainAfterLeaving) {
    button->SetPictures(normal, hover, click);
    EXPECT_EQ(button->CurrentPicture(), Picture::Normal);
    EXPECT_EQ(ShownInTheMiddle(), QColor(Qt::red));

    Enter();
    EXPECT_TRUE(button->IsHovering());
    EXPECT_EQ(button->CurrentPicture(), Picture::Hover);
    EXPECT_EQ(ShownInTheMiddle(), QColor(Qt::green));

    Leave();
    EXPECT_FALSE(button->IsHovering());
    EXPECT_EQ(ShownInTheMiddle(), QColor(Qt::red));
}

TEST_F(HoverButtonFixture, PressedShowsTheClickPictureWithOrWithoutHover) {
    button->SetPictures(normal, hover, click);
    // Pressed before any hover report.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(button->CurrentPicture(), Picture::Click);
    EXPECT_EQ(ShownInTheMiddle(), QColor(Qt::blue));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(ShownInTheMiddle(), QColor(Qt::red));

    Enter();
    button->setDown(true);
    EXPECT_EQ(ShownInTheMiddle(), QColor(Qt::blue));
    button->setDown(false);
    EXPECT_EQ(ShownInTheMiddle(), QColor(Qt::green));
}

TEST_F(HoverButtonFixture, ClickReachesTheOwnerOnce) {
    button->SetPictures(normal, hover, click);
    QSignalSpy clicked(button, &CHoverButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(clicked.count(), 1);
    // A press that leaves the button before the release is no click.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 15));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(80, 80));
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(HoverButtonFixture, OneFileForAllThreeLooksTheSameInEveryState) {
    button->SetPictures(click, click, click);
    EXPECT_EQ(ShownInTheMiddle(), QColor(Qt::blue));
    Enter();
    EXPECT_EQ(ShownInTheMiddle(), QColor(Qt::blue));
    button->setDown(true);
    EXPECT_EQ(ShownInTheMiddle(), QColor(Qt::blue));
}

TEST_F(HoverButtonFixture, MissingFileLeavesOnlyThatStateEmpty) {
    button->SetPictures(normal, folder.filePath("no-such.bmp"), click);
    EXPECT_FALSE(button->PictureFor(Picture::Normal).isNull());
    EXPECT_TRUE(button->PictureFor(Picture::Hover).isNull());
    EXPECT_FALSE(button->PictureFor(Picture::Click).isNull());
    EXPECT_EQ(ShownInTheMiddle(), QColor(Qt::red));
    Enter();
    EXPECT_EQ(ShownInTheMiddle(), QColor(Qt::yellow));  // nothing drawn: the parent shows
}

TEST_F(HoverButtonFixture, NewPicturesReplaceTheOldOnes) {
    button->SetPictures(normal, hover, click);
    button->SetPictures(click, click, click);
    EXPECT_EQ(ShownInTheMiddle(), QColor(Qt::blue));
    button->SetPictures(folder.filePath("gone.bmp"), hover, click);
    EXPECT_EQ(ShownInTheMiddle(), QColor(Qt::yellow));
}

TEST_F(HoverButtonFixture, PictureIsStretchedToTheButton) {
    // Left half red, right half blue, 4 x 2 pixels, on a 40 x 30 button.
    QImage halves(4, 2, QImage::Format_RGB32);
    halves.fill(Qt::red);
    for (int y = 0; y < 2; ++y)
        for (int x = 2; x < 4; ++x) halves.setPixelColor(x, y, Qt::blue);
    const QString path = folder.filePath("halves.bmp");
    ASSERT_TRUE(halves.save(path));
    button->SetPictures(path, path, path);
    EXPECT_EQ(ShownAt(0, 0), QColor(Qt::red));
    EXPECT_EQ(ShownAt(19, 29), QColor(Qt::red));
    EXPECT_EQ(ShownAt(20, 0), QColor(Qt::blue));
    EXPECT_EQ(ShownAt(39, 29), QColor(Qt::blue));
}

TEST_F(HoverButtonFixture, InactiveTooltipKeepsItsTextUntilActivated) {
    button->SetTooltipText(QStringLiteral("Take snapshot"), false);
    EXPECT_TRUE(button->toolTip().isEmpty());
    button->SetTooltipText(QString(), true);  // a null text is ignored
    EXPECT_TRUE(button->toolTip().isEmpty());
    button->SetTooltipText(QStringLiteral("Take snapshot"), true);
    EXPECT_EQ(button->toolTip(), QStringLiteral("Take snapshot"));
}

TEST_F(HoverButtonFixture, TakesTheFocusFromTabAndIsPressedBySpaceAndEnterBeforeAnyShortcut) {
    // Tab alone brings the focus: a click leaves it where the keyboard left it.
    EXPECT_EQ(button->focusPolicy(), Qt::TabFocus);
    QShortcut snapshot(QKeySequence(Qt::Key_Space), &parent);
    snapshot.setContext(Qt::ApplicationShortcut);
    QSignalSpy shortcutUsed(&snapshot, &QShortcut::activated);
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    parent.show();
    parent.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button->hasFocus());
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicked.count() == 2; }, 1000));
    EXPECT_EQ(shortcutUsed.count(), 0);
    // Away from the button, the window's shortcut has Space again.
    button->clearFocus();
    QTest::keyClick(&parent, Qt::Key_Space);
    EXPECT_EQ(shortcutUsed.count(), 1);
}

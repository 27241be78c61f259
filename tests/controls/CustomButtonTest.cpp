#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include "controls/CCustomButton.h"

using controls::CCustomButton;

namespace {

void Send(QWidget* widget, QEvent::Type type) {
    QEvent leave(QEvent::Leave);
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), widget->mapToGlobal(QPointF(10, 10)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, type == QEvent::Leave ? &leave : &move);
}

// A 370 x 31 button resting at (4, 4), showing a 144 x 108 picture whose top left 72 x 54 pixels
// are red and the rest green.
struct PlacedButton {
    PlacedButton() {
        QImage picture(144, 108, QImage::Format_RGB32);
        picture.fill(Qt::green);
        QPainter(&picture).fillRect(0, 0, 72, 54, Qt::red);
        picture.save(folder.filePath("heart.bmp"), "BMP");
        button = new CCustomButton(folder.filePath("heart.bmp"), 144, 108, &parent);
        button->setGeometry(0, 0, 370, 31);
        button->PlaceAt(QPoint(4, 4));
        parent.show();
    }
    QTemporaryDir folder;
    QWidget parent;
    CCustomButton* button = nullptr;
};

}  // namespace

TEST(Controls_CustomButton, LabelIsTheFileNameAndAMissingPictureLeavesNoBitmap) {
    const CCustomButton missing(QStringLiteral("/data/EffectsBmps/Frames/heart.bmp"), 72, 54);
    EXPECT_EQ(missing.Label(), QStringLiteral("heart.bmp"));
    EXPECT_FALSE(missing.HasBitmap());
}

TEST(Controls_CustomButton, HoverLiftsLeftPressSinksAndHighlightsReleaseLiftsLeaveRests) {
    PlacedButton placed;
    CCustomButton* button = placed.button;
    QSignalSpy left(button, &CCustomButton::LeftClicked);
    QTest::mouseClick(button, Qt::LeftButton);  // not hovered yet: only reported
    EXPECT_EQ(button->pos(), QPoint(4, 4));
    EXPECT_EQ(button->State(), CCustomButton::kNormal);

    Send(button, QEvent::MouseMove);
    Send(button, QEvent::MouseMove);
    EXPECT_EQ(button->pos(), QPoint(2, 2));
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_EQ(button->pos(), QPoint(4, 4));
    EXPECT_EQ(button->State(), CCustomButton::kHighlighted);
    ASSERT_EQ(left.count(), 2);
    EXPECT_EQ(left.at(1).at(0).value<CCustomButton*>(), button);
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(button->pos(), QPoint(2, 2));
    Send(button, QEvent::Leave);
    Send(button, QEvent::Leave);  // a second leave has nothing to undo
    EXPECT_EQ(button->pos(), QPoint(4, 4));
    EXPECT_EQ(button->State(), CCustomButton::kHighlighted);  // only the owner clears it
}

TEST(Controls_CustomButton, RightPressSinksWithoutHighlightAndDoubleClicksAreSwallowed) {
    PlacedButton placed;
    CCustomButton* button = placed.button;
    QSignalSpy right(button, &CCustomButton::RightClicked);
    Send(button, QEvent::MouseMove);
    QTest::mouseClick(button, Qt::RightButton);
    EXPECT_EQ(right.count(), 1);
    EXPECT_EQ(button->pos(), QPoint(4, 4));
    EXPECT_EQ(button->State(), CCustomButton::kNormal);
    Send(button, QEvent::Leave);  // still pressed: stays where the press put it
    EXPECT_EQ(button->pos(), QPoint(4, 4));
    QTest::mouseDClick(button, Qt::RightButton);
    EXPECT_EQ(right.count(), 1);
}

TEST(Controls_CustomButton, CancelHoverInTheClickHandlerKeepsTheButtonAtRest) {
    PlacedButton placed;
    CCustomButton* button = placed.button;
    QObject::connect(button, &CCustomButton::LeftClicked, button, &CCustomButton::CancelHover);
    Send(button, QEvent::MouseMove);
    QTest::mouseClick(button, Qt::LeftButton);
    Send(button, QEvent::Leave);
    EXPECT_EQ(button->pos(), QPoint(4, 4));
    Send(button, QEvent::MouseMove);
    EXPECT_EQ(button->pos(), QPoint(2, 2));
}

TEST(Controls_CustomButton, PaintsStateFillGreyBorderAndTheTopLeftOfItsPicture) {
    PlacedButton placed;
    QImage look = placed.button->grab().toImage();
    EXPECT_EQ(look.pixelColor(369, 30), QColor(200, 200, 200));
    EXPECT_EQ(look.pixelColor(368, 29), QColor(250, 250, 250));
    // The picture's red top left part fills the 36 x 27 area at (2, 2).
    EXPECT_EQ(look.pixelColor(3, 3), QColor(Qt::red));
    EXPECT_EQ(look.pixelColor(35, 26), QColor(Qt::red));
    EXPECT_EQ(look.pixelColor(39, 29), QColor(250, 250, 250));
    bool labelDrawn = false;
    for (int x = 42; x < 120; ++x) labelDrawn |= qGray(look.pixel(x, 14)) < 128;
    EXPECT_TRUE(labelDrawn);

    placed.button->SetState(CCustomButton::kHighlighted);
    EXPECT_EQ(placed.button->grab().toImage().pixelColor(368, 29), QColor(180, 190, 210));
}

TEST(Controls_CustomButton, LabelIsDrawnInAFontWithAFourteenPixelCell) {
    const QFont font = CCustomButton::LabelFont();
    EXPECT_LE(QFontMetrics(font).height(), 14);
    QFont larger = font;
    larger.setPixelSize(font.pixelSize() + 1);
    EXPECT_GT(QFontMetrics(larger).height(), 14);

    // "heart.bmp" has ascenders and a descender: all of it lies in the cell from y = 7 to 20.
    PlacedButton placed;
    const QImage look = placed.button->grab().toImage();
    int top = look.height();
    int bottom = -1;
    for (int y = 1; y < look.height() - 1; ++y)
        for (int x = 42; x < look.width() - 1; ++x)
            if (qGray(look.pixel(x, y)) < 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_GE(top, 7);
    EXPECT_LE(bottom, 20);
    EXPECT_GE(bottom - top, 9);
}

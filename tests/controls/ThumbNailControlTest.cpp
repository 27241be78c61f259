#include <gtest/gtest.h>

#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "controls/CThumbNailControl.h"

using controls::CThumbnailButton;
using controls::CThumbNailControl;
namespace itemgrid = controls::itemgrid;

namespace {

void Send(QWidget* widget, QEvent::Type type) {
    QEvent leave(QEvent::Leave);
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), widget->mapToGlobal(QPointF(10, 10)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, type == QEvent::Leave ? &leave : &move);
}

void SendWheel(QWidget* widget, int delta) {
    QWheelEvent wheel(QPointF(10, 10), widget->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    // As from the pointer (and as QTest sends mouse events): ignored wheels go to the parents.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(widget, &wheel);
}

// The thumbnail grid of the program's window (287 x 428, items 80 x 60) with count red
// thumbnails.
struct FilledGrid {
    explicit FilledGrid(int count) {
        grid.resize(287, 428);
        grid.SetItemSize(80, 60);
        grid.show();
        for (int index = 0; index < count; ++index) grid.AddItem(Thumbnail(QString::number(index)));
    }
    QString Thumbnail(const QString& name) {
        QImage picture(80, 60, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(folder.filePath(name + ".bmp"), "BMP");
        return folder.filePath(name + ".bmp");
    }
    QTemporaryDir folder;
    CThumbNailControl grid;
};

}  // namespace

TEST(Controls_ItemGrid, PlacesItemsInCellsOfItemSizePlusFour) {
    EXPECT_EQ(itemgrid::Columns(287, 80), 3);
    EXPECT_EQ(itemgrid::Columns(415, 370), 1);
    const itemgrid::Placement placement = itemgrid::PlaceItems(7, {80, 60}, 287, {0, 0});
    EXPECT_EQ(placement.rows, 3);
    const std::vector<QPoint> expected = {{4, 4},   {88, 4},   {172, 4}, {4, 68},
                                          {88, 68}, {172, 68}, {4, 132}};
    EXPECT_EQ(placement.places, expected);
    EXPECT_EQ(itemgrid::PlaceItems(3, {370, 31}, 415, {0, 0}).places[2], QPoint(4, 74));
    EXPECT_EQ(itemgrid::PlaceItems(2, {80, 60}, 287, {-3, -20}).places[1], QPoint(85, -16));
}

TEST(Controls_ItemGrid, RowTakesAnItemWhileEightyPercentOfACellFits) {
    // 415 wide: after four items 79 pixels remain and 84 x 0.8 = 67.2 is not more, so a fifth
    // item fits (partly outside) and the sixth starts the next row.
    EXPECT_TRUE(itemgrid::StartsNewRow(80, 348, 415));   // 67 left
    EXPECT_FALSE(itemgrid::StartsNewRow(80, 347, 415));  // 68 left
    const itemgrid::Placement placement = itemgrid::PlaceItems(6, {80, 60}, 415, {0, 0});
    EXPECT_EQ(placement.places[4], QPoint(340, 4));
    EXPECT_EQ(placement.places[5], QPoint(4, 68));
    EXPECT_EQ(placement.rows, 2);
}

TEST(Controls_ItemGrid, ScrollRangesAreFiveQuartersOfTheOverflowWithAQuarterPage) {
    const auto vertical = itemgrid::VerticalRange(10, 60, 428);  // overflow 220, v = 234
    ASSERT_TRUE(vertical.has_value());
    EXPECT_EQ(vertical->maximum, 292);
    EXPECT_EQ(vertical->page, 58);
    EXPECT_EQ(vertical->LargestPosition(), 235);
    EXPECT_FALSE(itemgrid::VerticalRange(1, 100, 108).has_value());  // overflow exactly 4
    EXPECT_EQ(itemgrid::VerticalRange(1, 100, 107)->maximum, 23);    // overflow 5, v = 19

    const auto horizontal = itemgrid::HorizontalRange(3, 80, 3, 200);  // overflow 56, v = 70
    ASSERT_TRUE(horizontal.has_value());
    EXPECT_EQ(horizontal->maximum, 87);
    EXPECT_EQ(horizontal->page, 17);
    EXPECT_FALSE(itemgrid::HorizontalRange(3, 80, 2, 200).has_value());  // fewer than a row
}

TEST(Controls_ItemGrid, WheelMovesFivePositionsPerWholeNotch) {
    EXPECT_EQ(itemgrid::WheelScroll(120), 5);
    EXPECT_EQ(itemgrid::WheelScroll(-240), -10);
    EXPECT_EQ(itemgrid::WheelScroll(60), 0);
    EXPECT_EQ(itemgrid::WheelScroll(-119), 0);
    EXPECT_EQ(itemgrid::ThumbnailBitmapSize({80, 60}), QSize(72, 54));
}

TEST(Controls_ItemGrid, WheelTurnsSmallerThanANotchAddUpAndATurnBackStartsAgain) {
    itemgrid::WheelAccumulator wheel;
    EXPECT_EQ(wheel.Scroll(-40), 0);
    EXPECT_EQ(wheel.Scroll(-40), 0);
    EXPECT_EQ(wheel.Scroll(-50), -5);    // 130: one notch, 10 kept
    EXPECT_EQ(wheel.Scroll(-230), -10);  // 240: two notches
    EXPECT_EQ(wheel.Scroll(-60), 0);
    EXPECT_EQ(wheel.Scroll(90), 0);  // the other way: the half notch down is dropped
    EXPECT_EQ(wheel.Scroll(30), 5);
    EXPECT_EQ(wheel.Scroll(-360), -15);
}

TEST(Controls_ThumbNailControl, ThirtyThumbnailsTakeTenRowsAndShowTheVerticalBar) {
    FilledGrid filled(30);
    CThumbNailControl& grid = filled.grid;
    EXPECT_EQ(grid.AddItem(QStringLiteral("/no/such/thumbnail.bmp")), nullptr);
    const QString notBitmap = filled.folder.filePath("png.bmp");
    QImage(8, 8, QImage::Format_RGB32).save(notBitmap, "PNG");
    EXPECT_EQ(grid.AddItem(notBitmap), nullptr);
    ASSERT_EQ(grid.ItemCount(), 30);
    EXPECT_EQ(grid.Rows(), 10);
    EXPECT_EQ(grid.Item(4)->pos(), QPoint(88, 68));
    EXPECT_EQ(grid.Item(4)->BitmapSize(), QSize(72, 54));
    EXPECT_TRUE(grid.verticalScrollBar()->isVisibleTo(&grid));
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisibleTo(&grid));
    EXPECT_EQ(grid.verticalScrollBar()->maximum(), 235);
    EXPECT_EQ(grid.verticalScrollBar()->pageStep(), 58);
}

TEST(Controls_ThumbNailControl, ItemShowsItsBitmapCentredInAFramedCell) {
    FilledGrid filled(1);
    CThumbnailButton* item = filled.grid.Item(0);
    QImage look = item->grab().toImage();
    EXPECT_EQ(look.pixelColor(0, 0), QColor(33, 33, 33));
    EXPECT_EQ(look.pixelColor(3, 2), QColor(230, 230, 230));
    EXPECT_EQ(look.pixelColor(4, 3), QColor(Qt::red));
    EXPECT_EQ(look.pixelColor(75, 56), QColor(Qt::red));
    EXPECT_EQ(look.pixelColor(76, 57), QColor(230, 230, 230));
    Send(item, QEvent::MouseMove);
    look = item->grab().toImage();
    EXPECT_EQ(look.pixelColor(79, 59), QColor(10, 35, 105));
    EXPECT_EQ(look.pixelColor(2, 2), QColor(180, 190, 210));
}

TEST(Controls_ThumbNailControl, HoverLiftsPressSinksAndEachPressIsReported) {
    FilledGrid filled(2);
    CThumbnailButton* item = filled.grid.Item(1);
    QSignalSpy left(&filled.grid, &CThumbNailControl::ItemLeftClicked);
    QSignalSpy right(&filled.grid, &CThumbNailControl::ItemRightClicked);
    QTest::mouseClick(item, Qt::LeftButton);  // not hovered yet: only reported
    EXPECT_EQ(item->pos(), QPoint(88, 4));
    ASSERT_EQ(left.count(), 1);
    EXPECT_EQ(left.at(0).at(0).value<CThumbnailButton*>(), item);

    Send(item, QEvent::MouseMove);
    EXPECT_EQ(item->pos(), QPoint(86, 2));
    QTest::mousePress(item, Qt::LeftButton);
    EXPECT_EQ(item->pos(), QPoint(88, 4));
    QTest::mouseRelease(item, Qt::LeftButton);
    EXPECT_EQ(item->pos(), QPoint(86, 2));
    QTest::mouseClick(item, Qt::RightButton);
    EXPECT_EQ(right.count(), 1);
    EXPECT_EQ(item->pos(), QPoint(88, 4));  // the right button's release lifts nothing
    Send(item, QEvent::Leave);
    Send(item, QEvent::Leave);  // a second leave has nothing to undo
    EXPECT_EQ(item->pos(), QPoint(88, 4));
    QTest::mouseDClick(item, Qt::LeftButton);
    EXPECT_EQ(left.count(), 2);
}

TEST(Controls_ThumbNailControl, CancelHoverDuringTheClickLeavesTheItemInItsCell) {
    FilledGrid filled(1);
    CThumbnailButton* item = filled.grid.Item(0);
    QObject::connect(item, &CThumbnailButton::LeftClicked, item, &CThumbnailButton::CancelHover);
    Send(item, QEvent::MouseMove);
    QTest::mouseClick(item, Qt::LeftButton);
    Send(item, QEvent::Leave);
    EXPECT_EQ(item->pos(), QPoint(4, 4));
    Send(item, QEvent::MouseMove);
    EXPECT_EQ(item->pos(), QPoint(2, 2));
}

TEST(Controls_ThumbNailControl, WheelAndBarsScrollTheItemsAndKeepAHoveredItemLifted) {
    FilledGrid filled(30);
    CThumbNailControl& grid = filled.grid;
    QScrollBar* bar = grid.verticalScrollBar();
    Send(grid.Item(0), QEvent::MouseMove);
    SendWheel(grid.Item(3), -120);  // over an item, passed on to the grid
    EXPECT_EQ(bar->value(), 5);
    EXPECT_EQ(grid.ScrollY(), -5);
    EXPECT_EQ(grid.Item(3)->pos(), QPoint(4, 63));
    EXPECT_EQ(grid.Item(0)->pos(), QPoint(2, -3));
    Send(grid.Item(0), QEvent::Leave);
    EXPECT_EQ(grid.Item(0)->pos(), QPoint(4, -1));

    SendWheel(&grid, -60);
    EXPECT_EQ(bar->value(), 5);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar->value(), 25);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(bar->value(), 24);
    SendWheel(bar, 1200);
    EXPECT_EQ(bar->value(), 0);
}

TEST(Controls_ThumbNailControl, RemoveAllItemsKeepsTheScrollStateAndSurvivesAHoveredItem) {
    FilledGrid filled(30);
    CThumbNailControl& grid = filled.grid;
    grid.verticalScrollBar()->setValue(10);
    QPointer<CThumbnailButton> hovered = grid.Item(7);
    Send(hovered, QEvent::MouseMove);
    grid.RemoveAllItems();
    EXPECT_EQ(grid.ItemCount(), 0);
    Send(hovered, QEvent::Leave);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(hovered.isNull());

    EXPECT_TRUE(grid.verticalScrollBar()->isVisibleTo(&grid));
    ASSERT_NE(grid.AddItem(filled.Thumbnail("new")), nullptr);
    EXPECT_EQ(grid.Item(0)->pos(), QPoint(4, -6));
}

TEST(Controls_ThumbNailControl, ReceiverMayEmptyTheGridFromTheClick) {
    FilledGrid filled(3);
    QPointer<CThumbnailButton> clicked = filled.grid.Item(2);
    QObject::connect(&filled.grid, &CThumbNailControl::ItemLeftClicked, &filled.grid,
                     &CThumbNailControl::RemoveAllItems);
    Send(clicked, QEvent::MouseMove);
    QTest::mouseClick(clicked, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(clicked.isNull());
    EXPECT_EQ(filled.grid.ItemCount(), 0);
}

TEST(Controls_ThumbNailControl, FineWheelStepsScrollOnceTheyMakeANotch) {
    FilledGrid filled(30);
    QScrollBar* bar = filled.grid.verticalScrollBar();
    for (int step = 0; step < 3; ++step) {
        EXPECT_EQ(bar->value(), 0);
        SendWheel(filled.grid.Item(step), -40);  // a touchpad's third of a notch
    }
    EXPECT_EQ(bar->value(), 5);
    EXPECT_EQ(filled.grid.Item(3)->pos(), QPoint(4, 63));
    SendWheel(bar, -60);
    SendWheel(bar, -60);
    EXPECT_EQ(bar->value(), 10);
}

TEST(Controls_ThumbNailControl, ScrollBarTopAndBottomActionsChangeNothing) {
    FilledGrid filled(30);
    QScrollBar* bar = filled.grid.verticalScrollBar();
    bar->setValue(40);
    // What the bar's context menu does for "Top" and "Bottom" (and Home and End).
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(bar->value(), 40);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(bar->value(), 40);
    EXPECT_EQ(filled.grid.ScrollY(), -40);
    EXPECT_EQ(filled.grid.Item(0)->pos(), QPoint(4, -36));
}

TEST(Controls_ThumbNailControl, VerticalBarTakingWidthFromARowBringsTheHorizontalBar) {
    FilledGrid filled(0);
    CThumbNailControl& grid = filled.grid;
    grid.resize(170, 100);
    ASSERT_EQ(grid.Columns(), 2);
    for (int index = 0; index < 6; ++index) grid.AddItem(filled.Thumbnail(QString::number(index)));
    // The vertical bar leaves less than the 2 x 84 pixels the rows were laid out for.
    EXPECT_EQ(grid.Columns(), 2);
    EXPECT_TRUE(grid.verticalScrollBar()->isVisibleTo(&grid));
    EXPECT_TRUE(grid.horizontalScrollBar()->isVisibleTo(&grid));
    EXPECT_EQ(grid.Item(1)->pos(), QPoint(88, 4));
    // The corner between the bars shows the grid's background.
    const QImage look = grid.grab().toImage();
    EXPECT_EQ(look.pixelColor(look.width() - 1, look.height() - 1), QColor(250, 250, 250));
}

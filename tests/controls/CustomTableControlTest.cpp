#include <gtest/gtest.h>

#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "controls/CCustomTableControl.h"

using controls::CCustomButton;
using controls::CCustomTableControl;

namespace {

// The current-effects table of the program's window (415 x 125, items 370 x 31) and a folder of
// pictures for its items.
struct EffectsTable {
    EffectsTable() {
        table.resize(415, 125);
        table.SetItemSize(370, 31);
        table.show();
    }
    QString Picture(const QString& name) {
        QImage picture(72, 54, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        picture.save(folder.filePath(name), "BMP");
        return folder.filePath(name);
    }
    CCustomButton* Add(const QString& name) { return table.AddItem(Picture(name)); }

    QTemporaryDir folder;
    CCustomTableControl table;
};

void DeleteDiscardedItems() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

TEST(Controls_CustomTableControl, WideItemsTakeARowEachAndTheVerticalBarFollows) {
    EffectsTable effects;
    CCustomTableControl& table = effects.table;
    EXPECT_EQ(table.Columns(), 1);
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) effects.Add(name);
    EXPECT_EQ(table.AddItem(effects.folder.filePath("missing.bmp")), nullptr);
    ASSERT_EQ(table.ItemCount(), 3);
    EXPECT_EQ(table.Item(1)->pos(), QPoint(4, 39));
    EXPECT_EQ(table.Item(2)->pos(), QPoint(4, 74));
    EXPECT_FALSE(table.verticalScrollBar()->isVisibleTo(&table));  // 3 rows: overflow -12

    effects.Add("d.bmp");  // 4 rows: overflow 23, v = 37
    EXPECT_TRUE(table.verticalScrollBar()->isVisibleTo(&table));
    EXPECT_EQ(table.verticalScrollBar()->maximum(), 38);
    EXPECT_EQ(table.verticalScrollBar()->pageStep(), 9);
    EXPECT_FALSE(table.horizontalScrollBar()->isVisibleTo(&table));
}

TEST(Controls_CustomTableControl, LookupsAreExactAndHighlightIgnoresIndexesPastTheEnd) {
    EffectsTable effects;
    CCustomButton* a = effects.Add("a.bmp");
    CCustomButton* b = effects.Add("b.bmp");
    EXPECT_TRUE(effects.table.Contains(effects.folder.filePath("a.bmp")));
    EXPECT_FALSE(effects.table.Contains(effects.folder.filePath("A.bmp")));
    const CCustomButton stranger(effects.folder.filePath("a.bmp"), 72, 54);
    EXPECT_EQ(effects.table.IndexOf(&stranger), 2);

    effects.table.Highlight(0);
    effects.table.Highlight(1);
    EXPECT_EQ(a->State(), CCustomButton::kNormal);
    EXPECT_EQ(effects.table.HighlightedItem(), b);
    effects.table.Highlight(2);
    EXPECT_EQ(effects.table.HighlightedItem(), b);
    effects.table.Highlight(-2);
    EXPECT_EQ(effects.table.HighlightedItem(), nullptr);
    EXPECT_EQ(b->State(), CCustomButton::kNormal);
    EXPECT_EQ(effects.table.ItemCount(), 2);
}

TEST(Controls_CustomTableControl, ClickedItemIsReportedAndTakesTheHighlight) {
    EffectsTable effects;
    CCustomButton* a = effects.Add("a.bmp");
    CCustomButton* b = effects.Add("b.bmp");
    QSignalSpy left(&effects.table, &CCustomTableControl::ItemLeftClicked);
    QSignalSpy right(&effects.table, &CCustomTableControl::ItemRightClicked);
    QObject::connect(&effects.table, &CCustomTableControl::ItemLeftClicked, &effects.table,
                     &CCustomTableControl::HighlightClickedItem);
    effects.table.Highlight(0);
    QTest::mouseClick(b, Qt::LeftButton);
    ASSERT_EQ(left.count(), 1);
    EXPECT_EQ(left.at(0).at(0).value<CCustomButton*>(), b);
    EXPECT_EQ(effects.table.HighlightedItem(), b);
    EXPECT_EQ(a->State(), CCustomButton::kNormal);
    QTest::mouseClick(a, Qt::RightButton);
    EXPECT_EQ(right.count(), 1);

    CCustomButton stranger(effects.folder.filePath("a.bmp"), 72, 54);
    EXPECT_FALSE(effects.table.HighlightClickedItem(&stranger));
    EXPECT_EQ(effects.table.HighlightedItem(), b);
}

TEST(Controls_CustomTableControl, RemovalsDestroyTheirItemsAndCloseTheGaps) {
    EffectsTable effects;
    QPointer<CCustomButton> a = effects.Add("a.bmp");
    QPointer<CCustomButton> b = effects.Add("b.bmp");
    effects.Add("a.bmp");
    CCustomButton* c = effects.Add("c.bmp");
    effects.table.Highlight(2);
    effects.table.RemoveByPath(effects.folder.filePath("a.bmp"));
    EXPECT_EQ(effects.table.ItemCount(), 2);
    EXPECT_EQ(effects.table.HighlightedItem(), nullptr);
    EXPECT_EQ(c->pos(), QPoint(4, 39));

    effects.table.Highlight(0);
    effects.table.RemoveHighlighted();
    effects.table.RemoveHighlighted();  // nothing highlighted: nothing happens
    ASSERT_EQ(effects.table.ItemCount(), 1);
    EXPECT_EQ(c->pos(), QPoint(4, 4));
    DeleteDiscardedItems();
    EXPECT_TRUE(a.isNull());
    EXPECT_TRUE(b.isNull());
}

TEST(Controls_CustomTableControl, RemoveAllWhileAnItemIsHoveredKeepsTheScrollState) {
    EffectsTable effects;
    for (int index = 0; index < 8; ++index) effects.Add(QStringLiteral("%1.bmp").arg(index));
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&effects.table, &wheel);
    EXPECT_EQ(effects.table.verticalScrollBar()->value(), 5);
    EXPECT_EQ(effects.table.Item(1)->pos(), QPoint(4, 34));

    QPointer<CCustomButton> hovered = effects.table.Item(2);
    QMouseEvent move(QEvent::MouseMove, QPointF(9, 9), QPointF(9, 9), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(hovered, &move);
    effects.table.RemoveAllItems();
    EXPECT_EQ(effects.table.ItemCount(), 0);
    DeleteDiscardedItems();
    EXPECT_TRUE(hovered.isNull());
    EXPECT_EQ(effects.table.ScrollY(), -5);
    EXPECT_EQ(effects.Add("again.bmp")->pos(), QPoint(4, -1));
}

TEST(Controls_CustomTableControl, SetItemSizeDoesNotLeaveStrayItems) {
    EffectsTable effects;
    QPointer<CCustomButton> item = effects.Add("a.bmp");
    effects.table.SetItemSize(200, 40);
    EXPECT_EQ(effects.table.ItemCount(), 0);
    EXPECT_EQ(effects.table.Columns(), 2);  // 415 / 204
    DeleteDiscardedItems();
    EXPECT_TRUE(item.isNull());
}

TEST(Controls_CustomTableControl, HalfNotchWheelStepsScrollTheTable) {
    EffectsTable effects;
    for (int index = 0; index < 8; ++index) effects.Add(QStringLiteral("%1.bmp").arg(index));
    for (int step = 0; step < 2; ++step) {
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -60), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&effects.table, &wheel);
    }
    EXPECT_EQ(effects.table.verticalScrollBar()->value(), 5);
    EXPECT_EQ(effects.table.Item(1)->pos(), QPoint(4, 34));
}

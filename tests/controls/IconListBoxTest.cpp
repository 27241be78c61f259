#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "controls/CIconListBox.h"

using controls::CIconListBox;

namespace {

QIcon RedSquare() {
    QPixmap square(32, 32);
    square.fill(Qt::red);
    return QIcon(square);
}

// The category list of the program's window: 120 x 428, edge option off, seven categories.
struct CategoryList {
    CategoryList() {
        list.resize(120, 428);
        list.SetEdgeOption(false);
        for (const char* name :
             {"Animations", "Distortions", "Filters", "Scenes", "Faces", "Accessories", "Frames"})
            list.AddEntry(QString::fromLatin1(name), RedSquare());
        list.show();
    }
    CIconListBox list;
};

QPoint InEntry(int index) {
    return QPoint(60, index * CIconListBox::kEntryHeight + 20);
}

template <typename Test>
bool AnyPixel(const QImage& image, const QRect& area, Test test) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y))) return true;
    return false;
}

bool Dark(QRgb pixel) {
    return qGray(pixel) < 100;
}
bool NotWhite(QRgb pixel) {
    return qGray(pixel) < 250;
}

}  // namespace

TEST(Controls_IconListBox, SelectAnnouncesEachChangeOnceAndNamesStayInsideTheList) {
    CategoryList categories;
    CIconListBox& list = categories.list;
    EXPECT_EQ(list.CurrentIndex(), -1);
    QSignalSpy shown(&list, &CIconListBox::ShowCategory);
    list.Select(1);
    list.Select(1);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(list.NameAt(list.CurrentIndex()), QStringLiteral("Distortions"));
    list.Select(7);  // outside the list: nothing is current, and there is no name to read
    EXPECT_EQ(list.CurrentIndex(), -1);
    EXPECT_EQ(list.NameAt(list.CurrentIndex()), QString());
    EXPECT_EQ(shown.count(), 2);
    EXPECT_EQ(list.AddEntry(QString(300, QLatin1Char('x')), QIcon()), 7);
    EXPECT_EQ(list.NameAt(7).size(), 255);
}

TEST(Controls_IconListBox, ClickMarksAtThePressAndAnnouncesAtTheRelease) {
    CategoryList categories;
    CIconListBox& list = categories.list;
    list.Select(1);
    QSignalSpy shown(&list, &CIconListBox::ShowCategory);
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, InEntry(4));
    EXPECT_EQ(list.MarkedIndex(), 4);
    EXPECT_EQ(list.CurrentIndex(), 1);
    EXPECT_EQ(shown.count(), 0);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, InEntry(4));
    EXPECT_EQ(list.CurrentIndex(), 4);
    EXPECT_EQ(shown.count(), 1);

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, InEntry(4));
    EXPECT_EQ(shown.count(), 1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(60, 400));  // below the last
    EXPECT_EQ(list.CurrentIndex(), 6);
    EXPECT_EQ(shown.count(), 2);
}

TEST(Controls_IconListBox, KeysMoveTheChoiceAndAnnounceIt) {
    CategoryList categories;
    CIconListBox& list = categories.list;
    list.Select(1);
    QSignalSpy shown(&list, &CIconListBox::ShowCategory);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.CurrentIndex(), 2);
    QTest::keyClick(&list, Qt::Key_Home);
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.CurrentIndex(), 0);
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(list.CurrentIndex(), 6);
    EXPECT_EQ(shown.count(), 3);
}

TEST(Controls_IconListBox, EmptyListIgnoresClicksAndKeys) {
    CIconListBox list;
    list.resize(120, 428);
    list.show();
    QSignalSpy shown(&list, &CIconListBox::ShowCategory);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(60, 20));
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(shown.count(), 0);
    EXPECT_EQ(list.CurrentIndex(), -1);
    EXPECT_EQ(list.NearestEntry(QPoint(60, 20)), -1);
}

TEST(Controls_IconListBox, DrawsTheChosenEntryBlueWithWhiteNameAndOthersWhite) {
    CategoryList categories;
    CIconListBox& list = categories.list;
    list.Select(1);
    QImage look = list.viewport()->grab().toImage();
    // Entry 0: white, its icon at (2, 2), its black name within (44, 12) and beyond.
    EXPECT_EQ(look.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(look.pixelColor(2, 2), QColor(Qt::red));
    EXPECT_EQ(look.pixelColor(33, 33), QColor(Qt::red));
    EXPECT_EQ(look.pixelColor(60, 38), QColor(Qt::white));  // edge option off
    EXPECT_TRUE(AnyPixel(look, QRect(44, 12, 70, 18), Dark));
    EXPECT_FALSE(AnyPixel(look, QRect(35, 0, 85, 12), NotWhite));
    EXPECT_FALSE(AnyPixel(look, QRect(35, 0, 9, 40), NotWhite));
    // Entry 1: a black outline around a blue fill, a white name.
    EXPECT_EQ(look.pixelColor(0, 40), QColor(Qt::black));
    EXPECT_EQ(look.pixelColor(119, 79), QColor(Qt::black));
    EXPECT_EQ(look.pixelColor(42, 78), QColor(Qt::blue));
    EXPECT_TRUE(AnyPixel(look, QRect(44, 52, 70, 18),
                         [](QRgb pixel) { return pixel == qRgb(255, 255, 255); }));
    list.SetEdgeOption(true);
    look = list.viewport()->grab().toImage();
    EXPECT_EQ(look.pixelColor(60, 38), QColor(227, 227, 227));
    EXPECT_EQ(look.pixelColor(60, 77), QColor(227, 227, 227));
}

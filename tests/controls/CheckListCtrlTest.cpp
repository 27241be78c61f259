#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "controls/CCheckListCtrl.h"
#include "controls/CCheckListHeader.h"
#include "controls/CellFont.h"
#include "controls/ListPictures.h"

using controls::CCheckListCtrl;
using controls::kChecked;
using controls::kNoCheck;
using controls::kUnchecked;

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;

// A shown list with a check column (with a check-all box), a text column and a plain column,
// and `rows` rows whose check boxes are all checked.
class CheckListTest : public ::testing::Test {
protected:
    void SetUp() override {
        list.resize(480, 160);
        list.InsertColumn(0, "", Qt::AlignHCenter, 40);
        list.InsertColumn(1, "Name", Qt::AlignHCenter, 200);
        list.InsertColumn(2, "Size", Qt::AlignHCenter, 100);
        list.SetHeaderCheck(0, kUnchecked);
    }

    void AddRows(int rows) {
        for (int row = 0; row < rows; ++row) {
            ASSERT_EQ(list.InsertRow(row, " "), row);
            list.SetCellText(row, 1, QStringLiteral("row %1").arg(row));
            list.SetCheck(row, 0, kChecked);
        }
    }

    void Show() {
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    QPoint CellCentre(int row, int column) {
        return list.visualRect(list.model()->index(row, column)).center();
    }
    void ClickCell(int row, int column) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    }
    void ClickHeading(int column) {
        auto* header = list.Header();
        const QPoint centre(
            header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    }

    CCheckListCtrl list;
};

// A picture made of one colour per pixel row by row, saved as a bitmap file.
QString SavePicture(const QTemporaryDir& folder, const QString& name, int width, int height,
                    const std::vector<QRgb>& pixels) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.setPixel(x, y, pixels[y * width + x]);
    const QString path = folder.filePath(name);
    EXPECT_TRUE(picture.save(path, "BMP"));
    return path;
}

QPixmap Solid(QRgb colour) {
    QPixmap picture(16, 16);
    picture.fill(QColor::fromRgba(colour));
    return picture;
}

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y))) ++count;
    return count;
}

}  // namespace

TEST(Controls_CheckList, RowBeforeAnyColumnHasTextButNoRecords) {
    CCheckListCtrl list;
    EXPECT_EQ(list.InsertRow(0, "early"), 0);
    list.InsertColumn(0, "A", Qt::AlignLeft, 50);
    EXPECT_EQ(list.CellText(0, 0), QStringLiteral("early"));
    EXPECT_EQ(list.Cell(0, 0), nullptr);
    EXPECT_FALSE(list.SetCheck(0, 0, kChecked));
    EXPECT_TRUE(list.SetCellText(0, 0, QStringLiteral("later")));
    EXPECT_EQ(list.CellText(0, 0), QStringLiteral("later"));
    EXPECT_EQ(list.CountChecked(0), 0);
}

TEST(Controls_CheckList, ColumnAddedLaterGivesExistingRowsARecord) {
    CCheckListCtrl list;
    list.InsertColumn(0, "A", Qt::AlignLeft, 50);
    list.InsertRow(0, "one");
    list.InsertColumn(0, "B", Qt::AlignLeft, 50);
    ASSERT_EQ(list.ColumnCount(), 2);
    EXPECT_EQ(list.CellText(0, 1), QStringLiteral("one"));
    EXPECT_EQ(list.CellText(0, 0), QString());
    ASSERT_NE(list.Cell(0, 0), nullptr);
    ASSERT_NE(list.Cell(0, 1), nullptr);
    EXPECT_TRUE(list.SetCheck(0, 0, kChecked));
    EXPECT_EQ(list.GetCheck(0, 1), kNoCheck);
}

TEST_F(CheckListTest, InsertRowClampsToTheEndAndRefusesNegativeRows) {
    EXPECT_EQ(list.InsertRow(-1, "x"), -1);
    EXPECT_EQ(list.InsertRow(7, "first"), 0);
    EXPECT_EQ(list.InsertRow(0, "second"), 0);
    EXPECT_EQ(list.CellText(0, 0), QStringLiteral("second"));
    EXPECT_EQ(list.CellText(1, 0), QStringLiteral("first"));
    const controls::CellRecord* cell = list.Cell(1, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_TRUE(cell->enabled);
    EXPECT_EQ(cell->check, kNoCheck);
    EXPECT_EQ(cell->image, -1);
}

TEST_F(CheckListTest, OperationsOutsideTheListFail) {
    AddRows(2);
    EXPECT_FALSE(list.SetCellText(2, 0, QStringLiteral("x")));
    EXPECT_FALSE(list.SetCellText(0, 3, QStringLiteral("x")));
    EXPECT_FALSE(list.SetCellText(-1, 0, QStringLiteral("x")));
    EXPECT_FALSE(list.SetCheck(0, 3, kChecked));
    EXPECT_FALSE(list.SetCheck(5, 0, kChecked));
    EXPECT_FALSE(list.SetCheck(0, 0, 2));
    EXPECT_EQ(list.GetCheck(0, 0), kChecked);
    EXPECT_EQ(list.GetHeaderCheck(3), kNoCheck);
    EXPECT_EQ(list.GetHeaderCheck(-1), kNoCheck);
    EXPECT_FALSE(list.SetHeaderCheck(3, kChecked));
    EXPECT_FALSE(list.SetHeaderCheck(0, 5));
    EXPECT_EQ(list.CountChecked(-1), 0);
    EXPECT_EQ(list.CountChecked(3), 0);
    EXPECT_FALSE(list.SetRowEnabled(4, false));
}

TEST_F(CheckListTest, SetCellTextKeepsTextWhenNoneIsGiven) {
    AddRows(1);
    EXPECT_TRUE(list.SetCellText(0, 1, std::nullopt, QColor(Qt::red), QColor(Qt::blue)));
    EXPECT_EQ(list.CellText(0, 1), QStringLiteral("row 0"));
    EXPECT_EQ(list.Cell(0, 1)->textColour, QColor(Qt::red));
    EXPECT_EQ(list.Cell(0, 1)->backgroundColour, QColor(Qt::blue));
}

TEST_F(CheckListTest, HeaderBoxFollowsTheRows) {
    AddRows(3);
    EXPECT_EQ(list.GetHeaderCheck(0), kChecked);
    EXPECT_EQ(list.CountChecked(0), 3);
    list.SetCheck(1, 0, kUnchecked);
    EXPECT_EQ(list.GetHeaderCheck(0), kUnchecked);
    EXPECT_EQ(list.CountChecked(0), 2);
    list.SetCheck(1, 0, kChecked);
    EXPECT_EQ(list.GetHeaderCheck(0), kChecked);
}

TEST_F(CheckListTest, ColumnWithoutHeaderBoxKeepsItsHeadingAlone) {
    AddRows(2);
    EXPECT_TRUE(list.SetCheck(0, 2, kChecked));
    EXPECT_TRUE(list.SetCheck(1, 2, kChecked));
    EXPECT_EQ(list.GetHeaderCheck(2), kNoCheck);
    EXPECT_EQ(list.CountChecked(2), 2);
}

TEST_F(CheckListTest, ClickTogglesTheBoxAndTheHeaderFollows) {
    AddRows(3);
    Show();
    QSignalSpy clicks(&list, &CCheckListCtrl::CellClicked);
    ClickCell(2, 0);
    EXPECT_EQ(list.GetCheck(2, 0), kUnchecked);
    EXPECT_EQ(list.GetHeaderCheck(0), kUnchecked);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 2);
    EXPECT_EQ(clicks[0][1].toInt(), 0);
    ClickCell(2, 0);
    EXPECT_EQ(list.GetCheck(2, 0), kChecked);
    EXPECT_EQ(list.GetHeaderCheck(0), kChecked);
}

TEST_F(CheckListTest, ClickOnCellWithoutBoxOrOnGreyRowChangesNothing) {
    AddRows(2);
    Show();
    ClickCell(0, 1);
    EXPECT_EQ(list.GetCheck(0, 1), kNoCheck);
    list.SetRowEnabled(1, false);
    ClickCell(1, 0);
    EXPECT_EQ(list.GetCheck(1, 0), kChecked);
    EXPECT_EQ(list.GetHeaderCheck(0), kChecked);
}

TEST_F(CheckListTest, DoubleClickTogglesOnceAndIsReported) {
    AddRows(1);
    Show();
    QSignalSpy doubleClicks(&list, &CCheckListCtrl::CellDoubleClicked);
    // What a double click delivers: a press and a release, a double-click press, a release.
    const QPoint centre = CellCentre(0, 0);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(list.GetCheck(0, 0), kUnchecked);
    ASSERT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(doubleClicks[0][0].toInt(), 0);
}

TEST_F(CheckListTest, HeadingClickSetsEveryBoxOfItsColumn) {
    AddRows(3);
    list.SetCheck(1, 0, kNoCheck);  // a row without a box keeps having none
    Show();
    ASSERT_EQ(list.GetHeaderCheck(0), kUnchecked);
    QSignalSpy columnClicks(&list, &CCheckListCtrl::ColumnClicked);

    ClickHeading(0);
    EXPECT_EQ(list.GetHeaderCheck(0), kChecked);
    EXPECT_EQ(list.GetCheck(0, 0), kChecked);
    EXPECT_EQ(list.GetCheck(1, 0), kNoCheck);
    EXPECT_EQ(list.GetCheck(2, 0), kChecked);

    ClickHeading(0);
    EXPECT_EQ(list.GetHeaderCheck(0), kUnchecked);
    EXPECT_EQ(list.CountChecked(0), 0);
    EXPECT_EQ(list.GetCheck(1, 0), kNoCheck);

    list.SetCheck(0, 2, kUnchecked);
    ClickHeading(2);
    EXPECT_EQ(list.GetCheck(0, 2), kUnchecked);
    EXPECT_EQ(list.GetHeaderCheck(2), kNoCheck);
    ASSERT_EQ(columnClicks.count(), 3);
    EXPECT_EQ(columnClicks[2][0].toInt(), 2);
}

TEST_F(CheckListTest, EmptyListTilesItsPictureAndRowsHideIt) {
    QTemporaryDir folder;
    const QString path = SavePicture(folder, "tile.bmp", 2, 2, {kRed, kGreen, kBlue, kRed});
    ASSERT_TRUE(list.SetBackgroundImage(path, true));
    EXPECT_FALSE(list.SetBackgroundImage(folder.filePath("missing.bmp"), true));
    EXPECT_TRUE(list.HasBackground());
    Show();

    QImage shot = list.viewport()->grab().toImage();
    EXPECT_EQ(shot.pixel(0, 0), kRed);
    EXPECT_EQ(shot.pixel(1, 0), kGreen);
    EXPECT_EQ(shot.pixel(2, 0), kRed);
    EXPECT_EQ(shot.pixel(0, 3), kBlue);
    const QRgb tile[2][2] = {{kRed, kGreen}, {kBlue, kRed}};
    const int right = shot.width() - 1;
    const int bottom = shot.height() - 1;
    EXPECT_EQ(shot.pixel(right, bottom), tile[bottom % 2][right % 2])
        << "the tiles reach the far corner";

    AddRows(1);
    shot = list.viewport()->grab().toImage();
    const QRgb below = shot.pixel(shot.width() / 2, shot.height() - 2);
    EXPECT_NE(below, kRed);
    EXPECT_NE(below, kGreen);

    list.DeleteAllRows();
    EXPECT_EQ(list.RowCount(), 0);
    shot = list.viewport()->grab().toImage();
    EXPECT_EQ(shot.pixel(1, 0), kGreen);
}

TEST_F(CheckListTest, CellsPaintTheirOwnColoursAndTheSelectionHighlight) {
    AddRows(2);
    for (int column = 0; column < 3; ++column) {
        list.SetCellText(0, column, std::nullopt, QColor(Qt::black), QColor::fromRgb(kGreen));
        list.SetCellText(1, column, std::nullopt, QColor(Qt::black), QColor::fromRgb(kBlue));
    }
    list.SetShowSelectionAlways(true);
    Show();
    const QRgb highlight = list.palette().color(QPalette::Active, QPalette::Highlight).rgba();
    auto pixelNear = [&](int row, int column) {
        const QRect cell = list.visualRect(list.model()->index(row, column));
        return list.viewport()->grab().toImage().pixel(cell.right() - 2, cell.top() + 2);
    };
    EXPECT_EQ(pixelNear(0, 2), kGreen);
    EXPECT_EQ(pixelNear(1, 2), kBlue);

    list.selectRow(0);
    list.SetFullRowSelect(false);
    EXPECT_EQ(pixelNear(0, 0), highlight);
    EXPECT_EQ(pixelNear(0, 2), kGreen);
    EXPECT_EQ(pixelNear(1, 0), kBlue);

    list.SetFullRowSelect(true);
    EXPECT_EQ(pixelNear(0, 2), highlight);
    EXPECT_EQ(pixelNear(1, 2), kBlue);

    list.SetShowSelectionAlways(false);
    list.clearFocus();
    EXPECT_EQ(pixelNear(0, 2), kGreen) << "no highlight without the focus";
}

TEST_F(CheckListTest, GreyRowDrawsItsTextInTheGreyTextColour) {
    AddRows(2);
    list.SetCellText(0, 1, QStringLiteral("WWWWWWWW"), QColor(Qt::black), QColor(Qt::white));
    list.SetCellText(1, 1, QStringLiteral("WWWWWWWW"), QColor(Qt::black), QColor(Qt::white));
    list.SetRowEnabled(1, false);
    EXPECT_FALSE(list.IsRowEnabled(1));
    Show();
    const QImage shot = list.viewport()->grab().toImage();
    auto blackPixels = [&](int row) {
        return CountPixels(shot, list.visualRect(list.model()->index(row, 1)),
                           [](QRgb pixel) { return qGray(pixel) < 40; });
    };
    EXPECT_GT(blackPixels(0), 20);
    EXPECT_EQ(blackPixels(1), 0);
    const QRgb grey = list.palette().color(QPalette::Disabled, QPalette::Text).rgb();
    EXPECT_GT(CountPixels(shot, list.visualRect(list.model()->index(1, 1)),
                          [&](QRgb pixel) { return (pixel & RGB_MASK) == (grey & RGB_MASK); }),
              5);
}

TEST_F(CheckListTest, HeaderDrawsTheCheckImageOfItsState) {
    list.Header()->SetImageList({Solid(kRed), Solid(kGreen)});
    Show();
    auto boxPixel = [&] {
        const QImage shot = list.Header()->viewport()->grab().toImage();
        const int x = list.Header()->sectionViewportPosition(0) +
                      controls::CCheckListHeader::kItemSpacing + 8;
        return shot.pixel(x, shot.height() / 2);
    };
    EXPECT_EQ(boxPixel(), kRed);
    list.SetHeaderCheck(0, kChecked);
    EXPECT_EQ(boxPixel(), kGreen);
    list.SetHeaderCheck(0, kNoCheck);
    EXPECT_NE(boxPixel(), kGreen);
    EXPECT_NE(boxPixel(), kRed);
}

TEST_F(CheckListTest, CellDrawsTheCheckImageOfItsState) {
    AddRows(1);
    Show();
    const QRect cell = list.visualRect(list.model()->index(0, 0));
    const QRect box(cell.left() + controls::CCheckListHeader::kItemSpacing,
                    cell.top() + (cell.height() - 16) / 2, 16, 16);
    const QImage checked = list.viewport()->grab().toImage().copy(box);
    list.SetCheck(0, 0, kUnchecked);
    const QImage unchecked = list.viewport()->grab().toImage().copy(box);
    list.SetCheck(0, 0, kNoCheck);
    const QImage none = list.viewport()->grab().toImage().copy(box);
    EXPECT_NE(checked, unchecked);
    EXPECT_NE(unchecked, none);
}

TEST(Controls_CheckListPictures, StripIsCutIntoImagesWithTheMaskTransparent) {
    QTemporaryDir folder;
    constexpr QRgb kMagenta = 0xFFFF00FF;
    std::vector<QRgb> pixels(40 * 2, kMagenta);
    pixels[0] = kRed;
    pixels[16] = kGreen;
    pixels[40 + 33] = kBlue;  // in the part too narrow to be an image
    const QString path = SavePicture(folder, "strip.bmp", 40, 2, pixels);
    const std::vector<QPixmap> images = controls::LoadImageStrip(path, 16, 0xFF00FF);
    ASSERT_EQ(images.size(), 2u);
    const QImage first = images[0].toImage();
    const QImage second = images[1].toImage();
    EXPECT_EQ(first.size(), QSize(16, 2));
    EXPECT_EQ(first.pixel(0, 0), kRed);
    EXPECT_EQ(qAlpha(first.pixel(1, 0)), 0);
    EXPECT_EQ(second.pixel(0, 0), kGreen);
    EXPECT_EQ(qAlpha(second.pixel(5, 1)), 0);
    EXPECT_TRUE(controls::LoadImageStrip(folder.filePath("none.bmp"), 16, 0xFF00FF).empty());
}

TEST(Controls_CheckListPictures, FontIsSizedByItsCellHeight) {
    for (const int height : {16, 20, 31}) {
        const QFont font = controls::FontWithCellHeight(QFont(QStringLiteral("Arial")), height);
        const int measured = QFontMetrics(font).height();
        EXPECT_LE(measured, height);
        EXPECT_GE(measured, height - 2);
    }
}

#include <gtest/gtest.h>

#include <QImage>

#include "controls/ProgramResources.h"

using namespace controls;

// Every numbered picture is built into the program, with the size its users cut it by.
TEST(Controls_ProgramResources, EveryPictureIsBuiltInWithItsSize) {
    const struct {
        int id;
        QSize size;
    } pictures[] = {
        {kIconApplication, {256, 256}},
        {kIconAnimations, {32, 32}},
        {kIconDistortions, {32, 32}},
        {kIconFaces, {32, 32}},
        {kIconAccessories, {32, 32}},
        {kIconFrames, {32, 32}},
        {kIconScenes, {32, 32}},
        {kIconFilters, {32, 32}},
        {kBitmapRecordingRowIcons, {64, 16}},
        {kBitmapCheckBoxes, {128, 16}},
        {kBitmapHeaderCheckBoxes, {32, 16}},
    };
    for (const auto& picture : pictures) {
        const QImage image(ResourcePath(picture.id));
        EXPECT_EQ(image.size(), picture.size) << "resource " << picture.id;
    }
    EXPECT_FALSE(QImage(ResourcePath(kBitmapListHeaderBack)).isNull());
    EXPECT_TRUE(ResourcePath(150).isEmpty());
}

TEST(Controls_ProgramResources, CheckBoxesKeepTheirTransparentColourAroundThem) {
    // The boxes are cut out by the colour 0xFF00FF: it has to surround each box exactly,
    // without blended pixels at the edge, and appear nowhere inside a box.
    const QImage boxes(ResourcePath(kBitmapCheckBoxes));
    ASSERT_EQ(boxes.size(), QSize(128, 16));
    const QColor mask(255, 0, 255);
    for (int cell = 0; cell < 8; ++cell) {
        const int left = cell * 16;
        EXPECT_EQ(boxes.pixelColor(left, 0), mask);
        EXPECT_EQ(boxes.pixelColor(left + 15, 15), mask);
        EXPECT_EQ(boxes.pixelColor(left + 1, 1), mask);  // rounded corner
        EXPECT_NE(boxes.pixelColor(left + 8, 8), mask);
        EXPECT_NE(boxes.pixelColor(left + 2, 1), mask);
    }
    // Unchecked and checked differ in their middle.
    EXPECT_NE(boxes.pixelColor(7, 7), boxes.pixelColor(16 + 7, 7));
}

TEST(Controls_ProgramResources, ApplicationIconHasEverySize) {
    const QIcon icon = ApplicationIcon();
    for (const int size : {16, 32, 48, 256})
        EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size)) << size;
}

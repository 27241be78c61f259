#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "effects/EffectFile.h"
#include "effects/EffectFileWriter.h"
#include "tests/effects/EffectFileTestBytes.h"

using effects::EffectDescriptor;
using effects::EffectFile;
using effects::WriteEffectFile;
using namespace effect_file_test;

namespace {

// A descriptor with every field set to a value of its own.
EffectDescriptor FullDescriptor() {
    EffectDescriptor d;
    d.type = 6;
    d.distortionCode = 7;
    d.filterCode = 13;
    d.placement = 8;
    d.frameCount = 3;
    d.sizeMode = 1;
    d.width = 320;
    d.height = -240;
    d.widthPercent = 50;
    d.heightPercent = 25;
    d.playOnce = 1;
    d.delays = {40, 80, 120};
    d.x = -15;
    d.y = 199;
    d.randomPosition = 1;
    d.quadCount = 2;
    d.referenceSize = 1000;
    d.quadsPixels = {{{{10, 10}, {10, 50}, {90, 10}, {90, 50}}},
                     {{{1, 2}, {3, 4}, {5, 6}, {7, 8}}}};
    d.quadsScaled = {{{{100, 100}, {100, 500}, {900, 100}, {900, 500}}},
                     {{{-1, -2}, {-3, -4}, {-5, -6}, {-7, INT32_MIN}}}};
    d.gridColumns = 3;
    d.gridRows = 2;
    d.redShift = -20;
    d.greenShift = 30;
    d.blueShift = -40;
    d.brightness = 5;
    d.saturation = -6;
    d.contrast = 7;
    d.rotationDegrees = -90;
    for (int i = 0; i < 9; ++i) d.kernel3[std::size_t(i)] = i - 4;
    for (int i = 0; i < 25; ++i) d.kernel5[std::size_t(i)] = 100 * i;
    d.kernelOffset = 128;
    d.kernelDivisor = 9;
    d.reserved = {11, 22, 33, 44, INT32_MAX};
    d.placementRect = {10, -20, 300, 400};
    d.image = FakePng(500);
    d.imageSize = 500;
    return d;
}

class Effects_EffectFileWriter : public ::testing::Test {
protected:
    ScratchFolder folder{"eft-writer"};
    std::string error;

    bool Write(const std::string& path, const EffectDescriptor& d,
               const std::vector<std::string>& strings = {}) {
        return WriteEffectFile(path, d, strings, error);
    }
    std::vector<std::string> FolderContents() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }
};

TEST_F(Effects_EffectFileWriter, ReaderGivesBackWhatWasWritten) {
    const std::string path = folder / "full.eft";
    const EffectDescriptor written = FullDescriptor();
    ASSERT_TRUE(Write(path, written, {"caption", "second"})) << error;

    EffectFile file;
    ASSERT_TRUE(file.Open(path, true));
    const EffectDescriptor* read = file.ReadDescriptor();
    ASSERT_NE(read, nullptr);
    EffectDescriptor expected = written;
    expected.text = "caption";
    EXPECT_EQ(*read, expected);
    EXPECT_EQ(file.Strings(), (std::vector<std::string>{"caption", "second"}));
}

TEST_F(Effects_EffectFileWriter, HeaderAreaThenPictureThenRectangle) {
    const std::string path = folder / "layout.eft";
    const EffectDescriptor d = FullDescriptor();
    ASSERT_TRUE(Write(path, d, {"abc"}));
    const FileBytes bytes = FileBytes::Load(path);

    ASSERT_EQ(bytes.Size(), kHeaderArea + d.image.size() + 16);
    EXPECT_TRUE(std::equal(kEffectTag.begin(), kEffectTag.end(), bytes.Data().begin()));
    EXPECT_EQ(bytes.IntAt(16), 0);    // imageOffset
    EXPECT_EQ(bytes.IntAt(20), 500);  // imageSize
    EXPECT_EQ(bytes.IntAt(24), 16);   // rectSize
    EXPECT_EQ(bytes.IntAt(28), 6);    // type
    EXPECT_EQ(bytes.IntAt(76 + 8), 120);
    const std::size_t q = QOffset(3);
    EXPECT_EQ(bytes.IntAt(q + 20), 2);             // quadCount
    EXPECT_EQ(bytes.IntAt(q + 28 + 64 + 4), 100);  // quadsScaled[0][0].y
    const std::size_t r = ROffset(3, 2);
    EXPECT_EQ(bytes.IntAt(r), 3);  // gridColumns
    EXPECT_EQ(bytes.IntAt(r + 184), INT32_MAX);
    const std::size_t table = StringTableOffset(3, 2);
    EXPECT_EQ(bytes.IntAt(table), 3);
    for (std::size_t i = table + 7; i < kHeaderArea; ++i) ASSERT_EQ(bytes.Data()[i], 0) << i;
    EXPECT_TRUE(std::equal(d.image.begin(), d.image.end(), bytes.Data().begin() + kHeaderArea));
    const std::size_t rect = kHeaderArea + d.image.size();
    EXPECT_EQ(bytes.IntAt(rect), 10);
    EXPECT_EQ(bytes.IntAt(rect + 4), -20);
    EXPECT_EQ(bytes.IntAt(rect + 12), 400);
}

TEST_F(Effects_EffectFileWriter, StringsThatDoNotFitAreLeftOutFromTheFirstMisfit) {
    EffectDescriptor d;
    d.frameCount = 1;
    d.delays = {100};
    // The table starts at 296; 3700 bytes of the first string leave 4096 - 4000 = 96 bytes.
    const std::vector<std::string> strings = {std::string(3700, 'a'), std::string(83, 'b'),
                                              std::string(5, 'c'), "d"};
    const std::string path = folder / "strings.eft";
    ASSERT_TRUE(Write(path, d, strings));
    EXPECT_EQ(std::filesystem::file_size(path), kHeaderArea + 16);
    EffectFile file;
    ASSERT_TRUE(file.Open(path, true));
    // "b" ends at 4087, leaving room for a terminating length. "c" does not fit, and the table
    // ends there although "d" would still have fitted.
    EXPECT_EQ(file.Strings(), (std::vector<std::string>{strings[0], strings[1]}));
    const FileBytes bytes = FileBytes::Load(path);
    EXPECT_EQ(bytes.IntAt(4088), 0);
    EXPECT_EQ(bytes.IntAt(4092), 0);
}

TEST_F(Effects_EffectFileWriter, KeepsTheFirst256Strings) {
    std::vector<std::string> strings;
    for (int i = 0; i < 300; ++i) strings.push_back(std::to_string(i));
    const std::string path = folder / "many.eft";
    ASSERT_TRUE(Write(path, EffectDescriptor{}, strings));
    EffectFile file;
    ASSERT_TRUE(file.Open(path, true));
    ASSERT_EQ(file.Strings().size(), 256u);
    EXPECT_EQ(file.Strings().back(), "255");
}

TEST_F(Effects_EffectFileWriter, RefusesWhatTheReaderCouldNotReadBack) {
    const std::string path = folder / "refused.eft";
    EffectDescriptor delaysMissing = FullDescriptor();
    delaysMissing.delays.pop_back();
    EffectDescriptor quadsMissing = FullDescriptor();
    quadsMissing.quadsScaled.pop_back();
    EffectDescriptor negative;
    negative.quadCount = -1;
    EffectDescriptor tooMany;
    tooMany.frameCount = 952;
    tooMany.delays.assign(952, 1);

    for (const EffectDescriptor& d : {delaysMissing, quadsMissing, negative, tooMany}) {
        error.clear();
        EXPECT_FALSE(Write(path, d));
        EXPECT_FALSE(error.empty());
    }
    EXPECT_FALSE(Write(path, FullDescriptor(), {"fine", ""}));
    EXPECT_EQ(error, "the string table cannot hold an empty string");
    EXPECT_TRUE(FolderContents().empty());
}

TEST_F(Effects_EffectFileWriter, FailureLeavesAnExistingFileAsItWas) {
    const std::string path = folder / "kept.eft";
    ASSERT_TRUE(Write(path, FullDescriptor(), {"original"}));
    const FileBytes before = FileBytes::Load(path);
    EffectDescriptor broken = FullDescriptor();
    broken.frameCount = 4;
    EXPECT_FALSE(Write(path, broken, {"replacement"}));
    EXPECT_EQ(FileBytes::Load(path).Data(), before.Data());
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"kept.eft"});
}

TEST_F(Effects_EffectFileWriter, UnwritableFolderIsReported) {
    testing::internal::CaptureStdout();
    EXPECT_FALSE(Write(folder / "no-such-folder/effect.eft", FullDescriptor()));
    testing::internal::GetCapturedStdout();
    EXPECT_NE(error.find("no-such-folder/effect.eft"), std::string::npos) << error;
}

TEST_F(Effects_EffectFileWriter, ContainerWritesNothingInReadMode) {
    const std::string path = folder / "read.eft";
    ASSERT_TRUE(Write(path, FullDescriptor()));
    const FileBytes before = FileBytes::Load(path);
    EffectFile file;
    ASSERT_TRUE(file.Open(path, true));
    EXPECT_FALSE(file.WriteTable());
    file.Close();
    EXPECT_EQ(FileBytes::Load(path).Data(), before.Data());
}

}  // namespace

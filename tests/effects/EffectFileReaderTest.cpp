#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "effects/EffectFile.h"
#include "tests/effects/EffectFileTestBytes.h"

using effects::EffectDescriptor;
using effects::EffectFile;
using namespace effect_file_test;

namespace {

// Each single header integer holds 1000 + its offset, so a field read from the wrong place shows
// where it came from.
int32_t ValueAt(std::size_t offset) {
    return static_cast<int32_t>(1000 + offset);
}

struct HandMadeFile {
    FileBytes bytes;
    std::vector<uint8_t> png;
    int32_t imageOffset = 0;
};

// A complete effect file: tag, every header field, the strings, padding, then the picture at
// `imageOffset` of the data area and a rectangle block of (-1, 2, -3, 4) right behind it.
HandMadeFile MakeEffectFile(int32_t frameCount, int32_t quadCount,
                            const std::vector<std::string>& strings, int32_t imageOffset = 0,
                            std::size_t pngSize = 300) {
    HandMadeFile file;
    file.png = FakePng(pngSize);
    file.imageOffset = imageOffset;
    FileBytes& b = file.bytes;
    b.PutText(0, kEffectTag);
    b.PutInt(16, imageOffset);
    b.PutInt(20, static_cast<int32_t>(file.png.size()));
    b.PutInt(24, 16);
    for (std::size_t offset = 28; offset < 76; offset += 4) b.PutInt(offset, ValueAt(offset));
    b.PutInt(48, frameCount);
    for (int32_t i = 0; i < frameCount; ++i) b.PutInt(76 + 4 * std::size_t(i), 100 * (i + 1));
    const std::size_t q = QOffset(frameCount);
    for (std::size_t offset = q; offset < q + 28; offset += 4) b.PutInt(offset, ValueAt(offset));
    b.PutInt(q + 20, quadCount);
    for (int32_t quad = 0; quad < 2 * quadCount; ++quad) {  // pixels, then scaled
        for (std::size_t i = 0; i < 8; ++i) {
            b.PutInt(q + 28 + 32 * std::size_t(quad) + 4 * i, 10000 * (quad + 1) + int32_t(i));
        }
    }
    const std::size_t r = ROffset(frameCount, quadCount);
    for (std::size_t offset = r; offset < r + 188; offset += 4) b.PutInt(offset, ValueAt(offset));
    std::size_t position = StringTableOffset(frameCount, quadCount);
    for (const std::string& text : strings) position = b.PutString(position, text);
    const std::size_t imageStart = kHeaderArea + std::size_t(imageOffset);
    b.PutBytes(imageStart, file.png);
    const std::size_t rectStart = imageStart + file.png.size();
    b.PutInt(rectStart, -1);
    b.PutInt(rectStart + 4, 2);
    b.PutInt(rectStart + 8, -3);
    b.PutInt(rectStart + 12, 4);
    return file;
}

class Effects_EffectFileReader : public ::testing::Test {
protected:
    ScratchFolder folder{"eft-reader"};

    std::string Save(const FileBytes& bytes, const std::string& name = "effect.eft") {
        const std::string path = folder / name;
        bytes.SaveAs(path);
        return path;
    }
    // Opens for reading and returns what the reader printed.
    std::string OpenCapturingOutput(EffectFile& file, const std::string& path, bool& opened) {
        testing::internal::CaptureStdout();
        opened = file.Open(path, true);
        return testing::internal::GetCapturedStdout();
    }
    bool Refuses(const FileBytes& bytes) {
        const std::string path = Save(bytes);
        EffectFile file;
        bool opened = false;
        const std::string output = OpenCapturingOutput(file, path, opened);
        EXPECT_EQ(output, "CBinFile::Open: file " + path + " format incorrect!\n");
        return !opened && !file.IsOpen() && file.Descriptor() == EffectDescriptor{};
    }
};

// Gives the stream position to the test.
class ProbedEffectFile : public EffectFile {
public:
    long Position() const { return std::ftell(Stream()); }
};

TEST_F(Effects_EffectFileReader, ReadsEveryFieldFromItsOffset) {
    const HandMadeFile made = MakeEffectFile(3, 2, {"first", "second text"});
    EffectFile file;
    ASSERT_TRUE(file.Open(Save(made.bytes), true));
    const EffectDescriptor* d = file.ReadDescriptor();
    ASSERT_NE(d, nullptr);

    EXPECT_EQ(file.ImageOffset(), 0);
    EXPECT_EQ(file.ImageSize(), 300);
    EXPECT_EQ(file.RectSize(), 16);
    EXPECT_EQ(d->type, ValueAt(28));
    EXPECT_EQ(d->reserved[0], ValueAt(32));
    EXPECT_EQ(d->distortionCode, ValueAt(36));
    EXPECT_EQ(d->filterCode, ValueAt(40));
    EXPECT_EQ(d->placement, ValueAt(44));
    EXPECT_EQ(d->frameCount, 3);
    EXPECT_EQ(d->sizeMode, ValueAt(52));
    EXPECT_EQ(d->width, ValueAt(56));
    EXPECT_EQ(d->height, ValueAt(60));
    EXPECT_EQ(d->widthPercent, ValueAt(64));
    EXPECT_EQ(d->heightPercent, ValueAt(68));
    EXPECT_EQ(d->playOnce, ValueAt(72));
    EXPECT_EQ(d->delays, (std::vector<int32_t>{100, 200, 300}));

    const std::size_t q = QOffset(3);
    EXPECT_EQ(d->x, ValueAt(q));
    EXPECT_EQ(d->y, ValueAt(q + 4));
    EXPECT_EQ(d->reserved[1], ValueAt(q + 8));
    EXPECT_EQ(d->reserved[2], ValueAt(q + 12));
    EXPECT_EQ(d->randomPosition, ValueAt(q + 16));
    EXPECT_EQ(d->quadCount, 2);
    EXPECT_EQ(d->referenceSize, ValueAt(q + 24));
    ASSERT_EQ(d->quadsPixels.size(), 2u);
    ASSERT_EQ(d->quadsScaled.size(), 2u);
    const EffectDescriptor::Quad firstPixels = {
        {{10000, 10001}, {10002, 10003}, {10004, 10005}, {10006, 10007}}};
    EXPECT_EQ(d->quadsPixels[0], firstPixels);
    EXPECT_EQ(d->quadsPixels[1][3], (EffectDescriptor::Point{20006, 20007}));
    EXPECT_EQ(d->quadsScaled[0][0], (EffectDescriptor::Point{30000, 30001}));
    EXPECT_EQ(d->quadsScaled[1][2], (EffectDescriptor::Point{40004, 40005}));

    const std::size_t r = ROffset(3, 2);
    EXPECT_EQ(d->gridColumns, ValueAt(r));
    EXPECT_EQ(d->gridRows, ValueAt(r + 4));
    EXPECT_EQ(d->redShift, ValueAt(r + 8));
    EXPECT_EQ(d->greenShift, ValueAt(r + 12));
    EXPECT_EQ(d->blueShift, ValueAt(r + 16));
    EXPECT_EQ(d->brightness, ValueAt(r + 20));
    EXPECT_EQ(d->saturation, ValueAt(r + 24));
    EXPECT_EQ(d->contrast, ValueAt(r + 28));
    EXPECT_EQ(d->rotationDegrees, ValueAt(r + 32));
    for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(d->kernel3[i], ValueAt(r + 36 + 4 * i));
    for (std::size_t i = 0; i < 25; ++i) EXPECT_EQ(d->kernel5[i], ValueAt(r + 72 + 4 * i));
    EXPECT_EQ(d->kernelOffset, ValueAt(r + 172));
    EXPECT_EQ(d->kernelDivisor, ValueAt(r + 176));
    EXPECT_EQ(d->reserved[3], ValueAt(r + 180));
    EXPECT_EQ(d->reserved[4], ValueAt(r + 184));

    EXPECT_EQ(d->placementRect, (std::array<int32_t, 4>{-1, 2, -3, 4}));
    EXPECT_EQ(d->imageSize, 300);
    EXPECT_EQ(d->image, made.png);
    EXPECT_EQ(d->text, "first");
    EXPECT_EQ(file.Strings(), (std::vector<std::string>{"first", "second text"}));
}

TEST_F(Effects_EffectFileReader, OneFrameWithoutQuadsPutsTheStringTableAt296) {
    const HandMadeFile made = MakeEffectFile(1, 0, {"only"});
    EffectFile file;
    ASSERT_TRUE(file.Open(Save(made.bytes), true));
    const EffectDescriptor* d = file.ReadDescriptor();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(StringTableOffset(1, 0), 296u);
    EXPECT_TRUE(d->quadsPixels.empty());
    EXPECT_TRUE(d->quadsScaled.empty());
    // With no quadrangles gridColumns follows referenceSize directly.
    EXPECT_EQ(d->referenceSize, ValueAt(80 + 24));
    EXPECT_EQ(d->gridColumns, ValueAt(80 + 28));
    EXPECT_EQ(d->text, "only");
}

TEST_F(Effects_EffectFileReader, BlocksFollowImageOffsetInTheDataArea) {
    const HandMadeFile made = MakeEffectFile(1, 0, {}, 40, 64);
    EffectFile file;
    ASSERT_TRUE(file.Open(Save(made.bytes), true));
    const EffectDescriptor* d = file.ReadDescriptor();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->image, made.png);
    EXPECT_EQ(d->placementRect, (std::array<int32_t, 4>{-1, 2, -3, 4}));
}

TEST_F(Effects_EffectFileReader, ShortRectBlockFillsTheLeadingIntegers) {
    HandMadeFile made = MakeEffectFile(1, 0, {});
    made.bytes.PutInt(24, 8);
    made.bytes.Resize(kHeaderArea + made.png.size() + 8);
    EffectFile file;
    ASSERT_TRUE(file.Open(Save(made.bytes), true));
    const EffectDescriptor* d = file.ReadDescriptor();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->placementRect, (std::array<int32_t, 4>{-1, 2, 0, 0}));
}

TEST_F(Effects_EffectFileReader, FilterEffectWithoutBlocksIsJustTheHeaderArea) {
    FileBytes bytes;
    bytes.PutText(0, kEffectTag);
    bytes.PutInt(28, 5);
    EffectFile file;
    ASSERT_TRUE(file.Open(Save(bytes), true));
    const EffectDescriptor* d = file.ReadDescriptor();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->type, 5);
    EXPECT_TRUE(d->image.empty());
    EXPECT_FALSE(d->text.has_value());
}

TEST_F(Effects_EffectFileReader, OpenLeavesTheStreamAtTheDataArea) {
    ProbedEffectFile file;
    ASSERT_TRUE(file.Open(Save(MakeEffectFile(2, 1, {"a", "b"}).bytes), true));
    EXPECT_EQ(file.Position(), 4096);
}

TEST_F(Effects_EffectFileReader, OnlyTheExactTagOpens) {
    const FileBytes good = MakeEffectFile(1, 0, {}).bytes;
    EffectFile file;
    bool opened = false;
    EXPECT_EQ(OpenCapturingOutput(file, Save(good), opened), "");
    EXPECT_TRUE(opened);

    for (const std::string_view badTag :
         {std::string_view("EFT\0            ", 16), std::string_view("EFT\t            "),
          std::string_view("eft             "), std::string_view("EFT            x")}) {
        FileBytes bad = good;
        bad.PutText(0, badTag);
        EXPECT_TRUE(Refuses(bad)) << badTag;
    }
    FileBytes tooShort(10);
    tooShort.PutText(0, "EFT       ");
    EXPECT_TRUE(Refuses(tooShort));
}

TEST_F(Effects_EffectFileReader, MissingFileIsReportedAndLeavesNoStream) {
    EffectFile file;
    const std::string path = folder / "missing.eft";
    bool opened = true;
    EXPECT_EQ(OpenCapturingOutput(file, path, opened),
              "CBinFile::Open: open file " + path + " error!\n");
    EXPECT_FALSE(opened);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.ReadDescriptor(), nullptr);
    EXPECT_FALSE(file.Close());
}

TEST_F(Effects_EffectFileReader, OnlyTheTwoExtraModeTextsAreAccepted) {
    const std::string path = Save(MakeEffectFile(1, 0, {}).bytes);
    EffectFile file;
    EXPECT_FALSE(file.Open(path, true, "r"));
    EXPECT_FALSE(file.Open(folder / "new.eft", false, "w+"));
    EXPECT_FALSE(std::filesystem::exists(folder / "new.eft"));
    EXPECT_TRUE(file.Open(path, true, "rb+"));
}

TEST_F(Effects_EffectFileReader, StringTableEdges) {
    {
        SCOPED_TRACE("first length 0: no strings, no text");
        EffectFile file;
        ASSERT_TRUE(file.Open(Save(MakeEffectFile(1, 0, {}).bytes), true));
        EXPECT_TRUE(file.Strings().empty());
        ASSERT_NE(file.ReadDescriptor(), nullptr);
        EXPECT_FALSE(file.Descriptor().text.has_value());
        EXPECT_FALSE(file.NextString().has_value());
    }
    {
        SCOPED_TRACE("strings up to offset 4096 exactly are all read");
        HandMadeFile made = MakeEffectFile(1, 0, {});
        std::size_t position = StringTableOffset(1, 0);
        std::vector<std::string> written;
        while (position + 4 + 100 <= kHeaderArea) {
            written.push_back(std::string(100, static_cast<char>('a' + written.size() % 26)));
            position = made.bytes.PutString(position, written.back());
        }
        written.push_back(std::string(kHeaderArea - position - 4, 'z'));
        EXPECT_EQ(made.bytes.PutString(position, written.back()), kHeaderArea);
        EffectFile file;
        ASSERT_TRUE(file.Open(Save(made.bytes), true));
        EXPECT_EQ(file.Strings(), written);
    }
    {
        SCOPED_TRACE("a length past the header area or below 0 ends the table");
        for (const int32_t damagedLength : {INT32_MAX, 4000, -7}) {
            HandMadeFile made = MakeEffectFile(1, 0, {"kept"});
            made.bytes.PutString(made.bytes.PutString(StringTableOffset(1, 0), "kept"), "gone");
            made.bytes.PutInt(StringTableOffset(1, 0) + 8, damagedLength);
            EffectFile file;
            ASSERT_TRUE(file.Open(Save(made.bytes), true));
            EXPECT_EQ(file.Strings(), std::vector<std::string>{"kept"}) << damagedLength;
        }
    }
    {
        SCOPED_TRACE("the table holds at most 256 strings");
        HandMadeFile made = MakeEffectFile(1, 0, {});
        std::size_t position = StringTableOffset(1, 0);
        for (int i = 0; i < 300; ++i) position = made.bytes.PutString(position, "s");
        EffectFile file;
        ASSERT_TRUE(file.Open(Save(made.bytes), true));
        EXPECT_EQ(file.Strings().size(), 256u);
    }
}

TEST_F(Effects_EffectFileReader, NextStringHandsOutTheTableOnce) {
    EffectFile file;
    ASSERT_TRUE(file.Open(Save(MakeEffectFile(1, 0, {"one", "two"}).bytes), true));
    EXPECT_EQ(file.NextString(), "one");
    EXPECT_EQ(file.NextString(), "two");
    EXPECT_FALSE(file.NextString().has_value());
    file.Close();
    EXPECT_FALSE(file.NextString().has_value());
}

TEST_F(Effects_EffectFileReader, ReopeningReadsTheNewFileOnly) {
    EffectFile file;
    ASSERT_TRUE(file.Open(Save(MakeEffectFile(3, 2, {"a1", "a2", "a3"}).bytes, "a.eft"), true));
    ASSERT_NE(file.ReadDescriptor(), nullptr);
    ASSERT_TRUE(file.Open(Save(MakeEffectFile(1, 0, {"b1"}, 0, 20).bytes, "b.eft"), true));
    const EffectDescriptor* d = file.ReadDescriptor();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->text, "b1");
    EXPECT_EQ(file.Strings(), std::vector<std::string>{"b1"});
    EXPECT_EQ(d->delays, std::vector<int32_t>{100});
    EXPECT_TRUE(d->quadsPixels.empty());
    EXPECT_EQ(d->image.size(), 20u);
    EXPECT_FALSE(file.NextString().has_value());
}

TEST_F(Effects_EffectFileReader, CloseForgetsTheBlockDirectory) {
    EffectFile file;
    ASSERT_TRUE(file.Open(Save(MakeEffectFile(1, 0, {}).bytes), true));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(file.ImageSize(), 0);
    EXPECT_EQ(file.RectSize(), 0);
    EXPECT_EQ(file.ReadDescriptor(), nullptr);
}

TEST_F(Effects_EffectFileReader, PathLongerThanTheOldPathFieldOpens) {
    std::filesystem::path deep = folder.Path();
    while (deep.string().size() < 400) deep /= std::string(60, 'd');
    std::filesystem::create_directories(deep);
    const std::string path = (deep / "effect.eft").string();
    MakeEffectFile(1, 0, {"deep"}).bytes.SaveAs(path);
    EffectFile file;
    ASSERT_TRUE(file.Open(path, true));
    EXPECT_EQ(file.Path(), path);
    ASSERT_NE(file.ReadDescriptor(), nullptr);
    EXPECT_EQ(file.Descriptor().text, "deep");
}

TEST_F(Effects_EffectFileReader, CountsMustLeaveTheHeaderInsideTheHeaderArea) {
    // Both of these end the header exactly at offset 4096.
    for (const auto& [frameCount, quadCount] : {std::pair{951, 0}, std::pair{7, 59}}) {
        EffectFile file;
        ASSERT_TRUE(file.Open(Save(MakeEffectFile(frameCount, quadCount, {}).bytes), true));
        EXPECT_EQ(file.Descriptor().delays.size(), std::size_t(frameCount));
        EXPECT_EQ(file.Descriptor().quadsScaled.size(), std::size_t(quadCount));
        EXPECT_EQ(file.Descriptor().reserved[4], ValueAt(4092));
    }
    for (const auto& [frameCount, quadCount] :
         {std::pair{952, 0}, std::pair{8, 59}, std::pair{-1, 0}, std::pair{INT32_MAX, 0},
          std::pair{INT32_MIN, 0}, std::pair{1, -1}, std::pair{1, INT32_MAX}, std::pair{1, 1 << 26},
          std::pair{1, INT32_MIN}}) {
        FileBytes bytes = MakeEffectFile(1, 0, {}).bytes;
        bytes.PutInt(48, frameCount);
        if (frameCount >= 0 && frameCount < 1000) bytes.PutInt(QOffset(frameCount) + 20, quadCount);
        EXPECT_TRUE(Refuses(bytes)) << frameCount << " frames, " << quadCount << " quads";
    }
}

TEST_F(Effects_EffectFileReader, BlocksBeyondTheEndOfTheFileAreRefused) {
    const FileBytes good = MakeEffectFile(1, 0, {}).bytes;
    const auto withDirectory = [&](int32_t imageOffset, int32_t imageSize, int32_t rectSize) {
        FileBytes bytes = good;
        bytes.PutInt(16, imageOffset);
        bytes.PutInt(20, imageSize);
        bytes.PutInt(24, rectSize);
        return bytes;
    };
    EXPECT_TRUE(Refuses(withDirectory(0, 301, 16)));
    EXPECT_TRUE(Refuses(withDirectory(1, 300, 16)));
    EXPECT_TRUE(Refuses(withDirectory(0, 300, 17)));
    EXPECT_TRUE(Refuses(withDirectory(0, 300, -4)));
    EXPECT_TRUE(Refuses(withDirectory(-4096, 300, 16)));
    EXPECT_TRUE(Refuses(withDirectory(0, -1, 16)));
    EXPECT_TRUE(Refuses(withDirectory(INT32_MAX, INT32_MAX, 16)));
    EXPECT_TRUE(Refuses(withDirectory(0, INT32_MAX, 0)));

    // A rectangle block holds four integers, however much data follows.
    FileBytes longRect = withDirectory(0, 300, 20);
    longRect.Resize(good.Size() + 64);
    EXPECT_TRUE(Refuses(longRect));
}

TEST_F(Effects_EffectFileReader, FileCutShortAnywhereIsRefused) {
    const FileBytes whole = MakeEffectFile(2, 1, {"text"}, 0, 40).bytes;
    for (std::size_t size = 0; size < whole.Size(); size += (size < 400 ? 1 : 97)) {
        FileBytes cut = whole;
        cut.Resize(size);
        EXPECT_TRUE(Refuses(cut)) << "cut at " << size;
    }
    EffectFile file;
    EXPECT_TRUE(file.Open(Save(whole), true));
}

}  // namespace

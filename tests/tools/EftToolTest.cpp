#include <gtest/gtest.h>
#include <sys/wait.h>

#include <nlohmann/json.hpp>
#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/effects/EffectFileTestBytes.h"

using Json = nlohmann::json;
using namespace effect_file_test;

namespace {

struct ToolRun {
    int status = -1;  // -1 when the program did not exit normally (a crash)
    std::string out;
    std::string err;
};

std::string ReadText(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class Tools_Eft : public ::testing::Test {
protected:
    ScratchFolder folder{"eft-tool"};

    ToolRun Run(const std::string& arguments) {
        const std::string out = folder / "stdout.txt";
        const std::string err = folder / "stderr.txt";
        const std::string command =
            std::string(QUENVALOR_EFT_TOOL) + " " + arguments + " >" + out + " 2>" + err;
        const int raw = std::system(command.c_str());
        ToolRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadText(out);
        run.err = ReadText(err);
        return run;
    }

    // A real PNG: a 4 x 8 strip of two RGBA frames.
    std::string MakePicture() {
        cv::Mat picture(8, 4, CV_8UC4, cv::Scalar(10, 20, 30, 255));
        picture.rowRange(4, 8).setTo(cv::Scalar(200, 100, 50, 128));
        std::vector<uint8_t> png;
        EXPECT_TRUE(cv::imencode(".png", picture, png));
        const std::string path = folder / "picture.png";
        WriteText(path, std::string(png.begin(), png.end()));
        return path;
    }

    std::string SaveJson(const Json& object, const std::string& name = "descriptor.json") {
        const std::string path = folder / name;
        WriteText(path, object.dump());
        return path;
    }

    Json Info(const std::string& effectPath) {
        const ToolRun run = Run("info " + effectPath);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        return Json::parse(run.out, nullptr, false);
    }
};

Json FullDescriptorJson() {
    Json d;
    d["type"] = 6;
    d["distortionCode"] = 7;
    d["filterCode"] = 13;
    d["placement"] = 8;
    d["frameCount"] = 2;
    d["sizeMode"] = 1;
    d["width"] = 4;
    d["height"] = 4;
    d["widthPercent"] = 50;
    d["heightPercent"] = -25;
    d["playOnce"] = 1;
    d["delays"] = {100, 250};
    d["x"] = 12;
    d["y"] = -34;
    d["randomPosition"] = 1;
    d["quadCount"] = 1;
    d["referenceSize"] = 1000;
    d["quadsPixels"] = Json::array({Json::array({{10, 10}, {10, 50}, {90, 10}, {90, 50}})});
    d["quadsScaled"] = Json::array({Json::array({{1, 2}, {3, 4}, {5, 6}, {7, -2147483648LL}})});
    d["gridColumns"] = 3;
    d["gridRows"] = 2;
    d["redShift"] = -1;
    d["greenShift"] = -2;
    d["blueShift"] = -3;
    d["brightness"] = 4;
    d["saturation"] = 5;
    d["contrast"] = 6;
    d["rotationDegrees"] = 2147483647;
    d["kernel3"] = {0, -1, 0, -1, 5, -1, 0, -1, 0};
    Json kernel5 = Json::array();
    for (int i = 0; i < 25; ++i) kernel5.push_back(i * 3 - 30);
    d["kernel5"] = kernel5;
    d["kernelOffset"] = 128;
    d["kernelDivisor"] = 9;
    d["reserved"] = {1, 2, 3, 4, 5};
    d["placementRect"] = {10, 20, 110, 220};
    d["strings"] = {"Sparkles", "second"};
    return d;
}

TEST_F(Tools_Eft, PackThenInfoGivesBackEveryField) {
    const Json written = FullDescriptorJson();
    const std::string picture = MakePicture();
    const std::string effect = folder / "full.eft";
    const ToolRun pack = Run("pack " + SaveJson(written) + " " + picture + " " + effect);
    ASSERT_EQ(pack.status, 0) << pack.err;
    EXPECT_EQ(pack.err, "");

    const Json read = Info(effect);
    ASSERT_TRUE(read.is_object());
    for (const auto& [name, value] : written.items()) EXPECT_EQ(read[name], value) << name;
    EXPECT_EQ(read["imageOffset"], 0);
    EXPECT_EQ(read["imageSize"], std::filesystem::file_size(picture));
    EXPECT_EQ(read["rectSize"], 16);
    std::set<std::string> names;
    for (const auto& [name, value] : read.items()) names.insert(name);
    std::set<std::string> expected = {"imageOffset", "imageSize", "rectSize"};
    for (const auto& [name, value] : written.items()) expected.insert(name);
    EXPECT_EQ(names, expected);
}

TEST_F(Tools_Eft, InfoOutputPacksToTheSameFile) {
    const std::string picture = MakePicture();
    const std::string first = folder / "first.eft";
    ASSERT_EQ(Run("pack " + SaveJson(FullDescriptorJson()) + " " + picture + " " + first).status,
              0);
    const std::string infoJson = SaveJson(Info(first), "info.json");
    const std::string second = folder / "second.eft";
    ASSERT_EQ(Run("pack " + infoJson + " " + picture + " " + second).status, 0);
    EXPECT_EQ(ReadText(second), ReadText(first));
}

TEST_F(Tools_Eft, FieldsLeftOutAreZeroOrEmpty) {
    const std::string effect = folder / "empty.eft";
    ASSERT_EQ(Run("pack " + SaveJson(Json::object()) + " " + MakePicture() + " " + effect).status,
              0);
    const Json read = Info(effect);
    EXPECT_EQ(read["type"], 0);
    EXPECT_EQ(read["frameCount"], 0);
    EXPECT_EQ(read["delays"], Json::array());
    EXPECT_EQ(read["quadsPixels"], Json::array());
    EXPECT_EQ(read["kernel5"], Json(std::vector<int>(25, 0)));
    EXPECT_EQ(read["placementRect"], Json({0, 0, 0, 0}));
    EXPECT_EQ(read["strings"], Json::array());
}

TEST_F(Tools_Eft, InfoReadsAFileMadeByHand) {
    FileBytes bytes;
    bytes.PutText(0, kEffectTag);
    bytes.PutInt(20, 3);   // imageSize
    bytes.PutInt(24, 16);  // rectSize
    bytes.PutInt(28, 2);   // type
    bytes.PutInt(48, 0);   // frameCount: no delays, x at 76
    bytes.PutInt(76, 7);   // x
    bytes.PutInt(96, 1);   // quadCount
    const int32_t corners[8] = {10, 10, 10, 50, 90, 10, 90, 50};
    for (int i = 0; i < 8; ++i) bytes.PutInt(104 + 4 * std::size_t(i), corners[i]);
    bytes.PutInt(104 + 32 + 28, -5);  // quadsScaled[0][3].y
    bytes.PutInt(168, 4);             // gridColumns
    std::size_t table = 168 + 188;
    table = bytes.PutString(table, "hand");
    bytes.PutString(table, "made");
    bytes.PutText(kHeaderArea, "abc");
    bytes.PutInt(kHeaderArea + 3 + 12, 99);
    const std::string effect = folder / "hand.eft";
    bytes.SaveAs(effect);

    const Json read = Info(effect);
    EXPECT_EQ(read["type"], 2);
    EXPECT_EQ(read["x"], 7);
    EXPECT_EQ(read["quadsPixels"], Json::parse("[[[10,10],[10,50],[90,10],[90,50]]]"));
    EXPECT_EQ(read["quadsScaled"], Json::parse("[[[0,0],[0,0],[0,0],[0,-5]]]"));
    EXPECT_EQ(read["gridColumns"], 4);
    EXPECT_EQ(read["placementRect"], Json({0, 0, 0, 99}));
    EXPECT_EQ(read["strings"], Json({"hand", "made"}));
}

TEST_F(Tools_Eft, RefusedFilesGiveTheReadersMessageAndStatus1) {
    const std::string missing = folder / "missing.eft";
    ToolRun run = Run("info " + missing);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "CBinFile::Open: open file " + missing + " error!\n");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;

    const std::string notEffect = folder / "text.eft";
    WriteText(notEffect, "EFT but not an effect file");
    run = Run("info " + notEffect);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "CBinFile::Open: file " + notEffect + " format incorrect!\n");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
}

TEST_F(Tools_Eft, PackRefusesBadInputAndLeavesNoFile) {
    const std::string picture = MakePicture();
    const std::string output = folder / "out.eft";
    const std::string goodJson = SaveJson(FullDescriptorJson(), "good.json");
    const auto refused = [&](const std::string& descriptorPath, const std::string& picturePath) {
        const ToolRun run = Run("pack " + descriptorPath + " " + picturePath + " " + output);
        EXPECT_EQ(run.status, 1);
        EXPECT_FALSE(run.err.empty());
        return !std::filesystem::exists(output) && !std::filesystem::exists(output + ".part");
    };

    const std::string invalid = folder / "invalid.json";
    WriteText(invalid, "{\"type\": 6,");
    EXPECT_TRUE(refused(invalid, picture));
    EXPECT_TRUE(refused(folder / "absent.json", picture));
    EXPECT_TRUE(refused(goodJson, folder / "absent.png"));
    EXPECT_TRUE(refused(goodJson, goodJson));  // not a PNG
    for (const char* text :
         {"[1, 2]", "{\"typo\": 1}", "{\"type\": \"six\"}", "{\"type\": 2147483648}",
          "{\"type\": 1.5}", "{\"kernel3\": [1, 2]}",
          "{\"quadsPixels\": [[[1, 2], [3, 4], [5, 6]]]}", "{\"frameCount\": 2, \"delays\": [100]}",
          "{\"strings\": [\"\"]}", "{\"frameCount\": 5000, \"delays\": []}"}) {
        const std::string path = folder / "bad.json";
        WriteText(path, text);
        EXPECT_TRUE(refused(path, picture)) << text;
    }
}

TEST_F(Tools_Eft, MalformedFilesEndWithStatus0Or1) {
    const std::string picture = MakePicture();
    const std::string good = folder / "good.eft";
    ASSERT_EQ(Run("pack " + SaveJson(FullDescriptorJson()) + " " + picture + " " + good).status, 0);
    const FileBytes whole = FileBytes::Load(good);
    std::vector<FileBytes> malformed;
    for (const std::size_t size : {std::size_t(0), std::size_t(15), std::size_t(16),
                                   std::size_t(200), std::size_t(4095), whole.Size() - 1}) {
        FileBytes cut = whole;
        cut.Resize(size);
        malformed.push_back(cut);
    }
    for (const auto& [offset, value] : std::vector<std::pair<std::size_t, int32_t>>{
             {48, INT32_MAX}, {48, -1}, {104, 1 << 30}, {20, INT32_MAX}, {16, -100}, {24, 1000}}) {
        FileBytes damaged = whole;
        damaged.PutInt(offset, value);
        malformed.push_back(damaged);
    }
    std::mt19937 random(7);
    for (int i = 0; i < 10; ++i) {
        FileBytes noise = whole;
        for (std::size_t j = 16; j < 400; ++j) {
            if (random() % 8 == 0) noise.PutText(j, std::string(1, char(random())));
        }
        malformed.push_back(noise);
    }
    for (std::size_t i = 0; i < malformed.size(); ++i) {
        const std::string path = folder / ("malformed" + std::to_string(i) + ".eft");
        malformed[i].SaveAs(path);
        const ToolRun run = Run("info " + path);
        EXPECT_TRUE(run.status == 0 || run.status == 1) << "file " << i << ": " << run.status;
        if (run.status == 0) {
            EXPECT_TRUE(Json::parse(run.out, nullptr, false).is_object());
        }
    }
}

TEST_F(Tools_Eft, UnknownCommandOrArgumentsShowTheUsage) {
    for (const char* arguments : {"", "explode x.eft", "info", "pack a b"}) {
        const ToolRun run = Run(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.err.find("usage:"), std::string::npos) << arguments;
    }
}

}  // namespace

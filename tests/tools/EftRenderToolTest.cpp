#include <gtest/gtest.h>
#include <sys/wait.h>

#include <nlohmann/json.hpp>
#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>

#include <array>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/effects/EffectFileTestBytes.h"
#include "tests/support/Prerequisite.h"

using Json = nlohmann::json;
using namespace effect_file_test;

namespace {

// The header fields an effect file for these tests needs; the file is laid out byte by byte
// from the documented offsets.
struct EffectFields {
    int type = 1;
    int distortionCode = 0;
    int filterCode = 0;
    int frameCount = 1;
    int sizeMode = 0;
    cv::Size size{100, 80};
    cv::Size percent{0, 0};
    int playOnce = 0;
    std::vector<int32_t> delays = {100};
    cv::Point at{0, 0};
    int randomPosition = 0;
    std::vector<std::array<int32_t, 8>> quads = {};  // used for pixels and reference units alike
    int referenceSize = 0;
    cv::Size grid{0, 0};
    std::vector<uint8_t> png = {};
};

std::vector<uint8_t> Png(const cv::Mat& bgra) {
    std::vector<uint8_t> png = {};
    cv::imencode(".png", bgra, png);
    return png;
}

void SaveEffect(const EffectFields& fields, const std::string& path) {
    FileBytes bytes;
    bytes.PutText(0, kEffectTag);
    bytes.PutInt(20, int32_t(fields.png.size()));
    bytes.PutInt(24, 16);
    // The fields from type at offset 28 to playOnce at 72, reserved and placement as 0.
    const int32_t header[] = {fields.type,
                              0,
                              fields.distortionCode,
                              fields.filterCode,
                              0,
                              fields.frameCount,
                              fields.sizeMode,
                              fields.size.width,
                              fields.size.height,
                              fields.percent.width,
                              fields.percent.height,
                              fields.playOnce};
    for (size_t i = 0; i < std::size(header); ++i) bytes.PutInt(28 + 4 * i, header[i]);
    for (size_t i = 0; i < fields.delays.size(); ++i) bytes.PutInt(76 + 4 * i, fields.delays[i]);
    const size_t q = QOffset(fields.frameCount);
    bytes.PutInt(q, fields.at.x);
    bytes.PutInt(q + 4, fields.at.y);
    bytes.PutInt(q + 16, fields.randomPosition);
    const auto quadCount = int32_t(fields.quads.size());
    bytes.PutInt(q + 20, quadCount);
    bytes.PutInt(q + 24, fields.referenceSize);
    for (size_t i = 0; i < fields.quads.size(); ++i) {
        for (size_t k = 0; k < 8; ++k) {
            bytes.PutInt(q + 28 + 32 * i + 4 * k, fields.quads[i][k]);
            bytes.PutInt(q + 28 + 32 * (quadCount + i) + 4 * k, fields.quads[i][k]);
        }
    }
    const size_t r = ROffset(fields.frameCount, quadCount);
    bytes.PutInt(r, fields.grid.width);
    bytes.PutInt(r + 4, fields.grid.height);
    bytes.PutBytes(kHeaderArea, fields.png);
    bytes.Resize(kHeaderArea + fields.png.size() + 16);
    bytes.SaveAs(path);
}

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
    Json json;
};

std::string ReadText(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

class Tools_EftRender : public ::testing::Test {
protected:
    ScratchFolder folder{"eft-render"};
    std::string input = folder / "input.png";
    std::string output = folder / "output.png";
    int effects = 0;

    // A grey input at the recorder's size, so that the tool scales it to 480 x 360.
    void SetUp() override { cv::imwrite(input, cv::Mat(240, 320, CV_8UC3, cv::Scalar::all(100))); }
    std::string Effect(const EffectFields& fields) {
        const std::string path = folder / ("effect" + std::to_string(effects++) + ".eft");
        SaveEffect(fields, path);
        return " --effect " + path;
    }
    ToolRun Render(const std::string& options) {
        const std::string out = folder / "stdout.txt";
        const std::string err = folder / "stderr.txt";
        const std::string command = std::string(QUENVALOR_EFT_TOOL) + " render --input " + input +
                                    " --output " + output + options + " >" + out + " 2>" + err;
        const int raw = std::system(command.c_str());
        ToolRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadText(out);
        run.err = ReadText(err);
        run.json = Json::parse(run.out, nullptr, false);
        return run;
    }
    cv::Vec3b Pixel(int x, int y) const { return cv::imread(output).at<cv::Vec3b>(y, x); }
};

const std::vector<uint8_t> kRedPng = Png(cv::Mat(8, 8, CV_8UC4, cv::Scalar(0, 0, 255, 255)));
const cv::Vec3b kGrey(100, 100, 100);
const cv::Vec3b kRed(0, 0, 255);

}  // namespace

TEST_F(Tools_EftRender, AnimationIsDrawnAtItsPlaceAndListed) {
    const ToolRun run = Render(Effect({.at = {50, 40}, .png = kRedPng}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(cv::imread(output).size(), cv::Size(480, 360));
    EXPECT_EQ(Pixel(60, 50), kRed);
    EXPECT_EQ(Pixel(149, 119), kRed);
    EXPECT_EQ(Pixel(150, 50), kGrey);
    EXPECT_EQ(run.json, Json::parse(R"({"effects": [{"kind": 1, "x": 50, "y": 40, "width": 100,
        "height": 80, "active": true, "selected": false}], "manipulationMode": 0, "selected": -1})"));
}

TEST_F(Tools_EftRender, SizesInPercentAndRandomPositions) {
    const ToolRun run =
        Render(Effect({.sizeMode = 1, .percent = {50, 25}, .at = {30, 40}, .png = kRedPng}) +
               Effect({.at = {400, 300}, .randomPosition = 1, .png = kRedPng}));
    ASSERT_EQ(run.status, 0) << run.err;
    const Json& first = run.json["effects"][0];
    EXPECT_EQ(std::vector<int>({first["x"], first["y"], first["width"], first["height"]}),
              std::vector<int>({30, 40, 240, 90}));
    const Json& second = run.json["effects"][1];
    EXPECT_TRUE(second["x"] >= 0 && second["x"] < 200 && second["y"] >= 0 && second["y"] < 200)
        << second;
}

TEST_F(Tools_EftRender, GridAndFileQuadranglesShowTheWholeFrameInEachCell) {
    cv::Mat halves(360, 480, CV_8UC3, cv::Scalar::all(0));
    halves.colRange(240, 480).setTo(255);
    cv::imwrite(input, halves);
    ToolRun run = Render(Effect({.type = 2, .distortionCode = 1, .grid = {3, 2}}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.json["effects"][0]["filterKind"], 5);
    for (int cell = 0; cell < 6; ++cell) {
        const int x = 160 * (cell / 2);
        const int y = 180 * (cell % 2) + 90;
        EXPECT_EQ(Pixel(x + 40, y), cv::Vec3b(0, 0, 0)) << cell;
        EXPECT_EQ(Pixel(x + 120, y), cv::Vec3b(255, 255, 255)) << cell;
    }
    // Stored as top-left, bottom-left, top-right, bottom-right: the frame fills the quarter.
    run = Render(Effect({.type = 2, .quads = {{0, 0, 0, 180, 240, 0, 240, 180}}}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Pixel(100, 170), cv::Vec3b(0, 0, 0));
    EXPECT_EQ(Pixel(140, 10), cv::Vec3b(255, 255, 255));
    EXPECT_EQ(Pixel(200, 300), cv::Vec3b(0, 0, 0)) << "outside the quadrangle";
}

TEST_F(Tools_EftRender, FilterCodeChoosesTheOperation) {
    const ToolRun run = Render(Effect({.type = 5, .filterCode = 10}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.json["effects"][0]["filterKind"], 3);
    EXPECT_EQ(Pixel(200, 200), cv::Vec3b(155, 155, 155));
}

TEST_F(Tools_EftRender, MouseStepsMoveAndResizeAndRefuseTinySizes) {
    const std::string effect = Effect({.at = {100, 100}, .png = kRedPng});
    ToolRun run =
        Render(effect + " --mouse 'down:150,140 move:180,120 up down:229,159 move:249,169 up'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.json, Json::parse(R"({"effects": [{"kind": 1, "x": 130, "y": 80, "width": 120,
        "height": 90, "active": true, "selected": true}], "manipulationMode": 1, "selected": 0})"));
    EXPECT_EQ(Pixel(130, 80), kGrey) << "selection border";
    EXPECT_EQ(Pixel(140, 90), kRed);

    run = Render(effect + " --mouse 'down:100,100 move:195,175 move:189,169 up'");
    const Json& resized = run.json["effects"][0];
    EXPECT_EQ(std::vector<int>({resized["x"], resized["y"], resized["width"], resized["height"]}),
              std::vector<int>({189, 169, 11, 11}));
}

TEST_F(Tools_EftRender, OverlaysCannotBeSelected) {
    const ToolRun run =
        Render(Effect({.type = 1, .png = kRedPng}) + Effect({.type = 3, .png = kRedPng}) +
               " --select 1 --mouse 'down:50,50'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.json["effects"][1]["kind"], 5);
    EXPECT_EQ(run.json["selected"], -1);
    EXPECT_EQ(run.json["manipulationMode"], 0);
}

TEST_F(Tools_EftRender, PaintStrokesFollowTheBrushSettings) {
    const std::string effect = Effect({.at = {0, 0}, .png = kRedPng});
    ToolRun run = Render(effect +
                         " --paint-mode 1 --brush-width 5 --brush-colour 0,0,255"
                         " --mouse 'down:10,10 move:20,20 move:100,20 move:100,20 up'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Pixel(60, 20), cv::Vec3b(255, 0, 0)) << "blue over the effect";
    EXPECT_EQ(Pixel(60, 26), kRed);
    EXPECT_EQ(Pixel(10, 10), kRed) << "the stroke starts where the pointer first moved";
    EXPECT_EQ(run.json["selected"], -1);
    EXPECT_EQ(run.json["effects"][0]["x"], 0) << "painting moves no effect";

    run = Render(effect + " --paint-mode 1 --eraser 1 --mouse 'down:10,10 move:20,20 move:99,20'");
    EXPECT_EQ(Pixel(60, 20), kRed);
    EXPECT_EQ(run.json["selected"], -2);
    EXPECT_EQ(run.json["manipulationMode"], 2);
}

TEST_F(Tools_EftRender, PlayOnceStripShowsItsFramesThenEnds) {
    cv::Mat strip(16, 8, CV_8UC4, cv::Scalar(0, 0, 255, 255));
    strip.rowRange(8, 16).setTo(cv::Scalar(0, 255, 0, 255));
    const std::string effect =
        Effect({.frameCount = 2, .playOnce = 1, .delays = {100, 100}, .png = Png(strip)});
    ToolRun run = Render(effect + " --time-ms 150");
    EXPECT_EQ(Pixel(10, 10), cv::Vec3b(0, 255, 0));
    EXPECT_EQ(run.json["effects"][0]["active"], true);
    run = Render(effect + " --time-ms 200");
    EXPECT_EQ(Pixel(10, 10), cv::Vec3b(0, 255, 0)) << "the last frame stays for its last render";
    EXPECT_EQ(run.json["effects"][0]["active"], false);
}

TEST_F(Tools_EftRender, UnusableEffectFilesAddNothing) {
    std::vector<uint8_t> cut = kRedPng;
    cut.resize(cut.size() / 2);
    const ToolRun run = Render(
        Effect({.frameCount = 0, .delays = {}, .png = kRedPng}) +
        Effect({.frameCount = 9, .delays = std::vector<int32_t>(9, 100), .png = kRedPng}) +
        Effect({.type = 6, .sizeMode = 1, .quads = {{0, 0, 0, 9, 9, 0, 9, 9}}, .png = kRedPng}) +
        Effect({.type = 7, .png = kRedPng}) + Effect({.type = 5, .filterCode = 6}) +
        Effect({.png = cut}) + " --effect " + folder / "missing.eft");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.json["effects"], Json::array()) << run.out;
    EXPECT_NE(run.err.find("missing.eft"), std::string::npos);
    EXPECT_EQ(Pixel(100, 100), kGrey);
}

TEST_F(Tools_EftRender, BadArgumentsAndFilesEndWithStatusOne) {
    const std::vector<std::string> options = {
        " --paint-mode 2",     " --brush-width 0",
        " --brush-colour 1,2", " --brush-colour 1,2,256",
        " --mouse 'jump:1,2'", " --mouse 'down:1'",
        " --time-ms -5",       " --select",
        " --colour 1",         " --output " + folder / "no/such/folder/out.png"};
    for (const std::string& option : options) {
        const ToolRun run = Render(option);
        EXPECT_EQ(run.status, 1) << option;
        EXPECT_NE(run.err, "") << option;
        EXPECT_EQ(run.out, "") << option;
    }
    input = folder / "missing.png";
    EXPECT_EQ(Render("").status, 1);
    output = folder / "output.ppm";
    input = folder / "input.ppm";
    cv::imwrite(input, cv::Mat(360, 480, CV_8UC3, cv::Scalar(1, 2, 3)));
    EXPECT_EQ(Render("").status, 0);
    EXPECT_EQ(cv::imread(output).at<cv::Vec3b>(5, 5), cv::Vec3b(1, 2, 3));
}

TEST_F(Tools_EftRender, FollowFacePlacesEffectsAroundTheFaceOfThePicture) {
    const std::string photo = QUENVALOR_BUILD_DIR "/test-data/face.png";
    QUENVALOR_REQUIRE(!cv::imread(photo).empty(),
                      "no face photograph (tests/support/fetch_face_photo.sh)");
    input = photo;
    // Glasses authored 60 x 20 at (210, 150), around the reference face centred at (240, 170)
    // and 150 wide.
    const ToolRun run = Render(Effect({.size = {60, 20}, .at = {210, 150}, .png = kRedPng}) +
                               " --follow-face");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.json["faces"].size(), 1u) << run.out;
    const Json& face = run.json["faces"][0];
    const double scale = face["width"].get<double>() / 150;
    const double centreX = face["x"].get<double>() + face["width"].get<double>() / 2;
    const double centreY = face["y"].get<double>() + face["height"].get<double>() / 2;
    const Json& glasses = run.json["effects"][0];
    EXPECT_NEAR(glasses["x"].get<double>(), centreX - 30 * scale, 1.0);
    EXPECT_NEAR(glasses["y"].get<double>(), centreY - 20 * scale, 1.0);
    EXPECT_NEAR(glasses["width"].get<double>(), 60 * scale, 2.0);

    // Without the detector's data the option says so and fails.
    setenv("QUENVALOR_FACE_CASCADE", "/nonexistent/cascade.xml", 1);
    const ToolRun without = Render(Effect({.png = kRedPng}) + " --follow-face");
    unsetenv("QUENVALOR_FACE_CASCADE");
    EXPECT_EQ(without.status, 1);
    EXPECT_NE(without.err.find("face following is not available"), std::string::npos);
}

TEST_F(Tools_EftRender, BackgroundIsBlurredOrReplacedBehindThePersonBeforeTheEffects) {
    const std::string photo = QUENVALOR_BUILD_DIR "/test-data/face.png";
    QUENVALOR_REQUIRE(!cv::imread(photo).empty(),
                      "no face photograph (tests/support/fetch_face_photo.sh)");
    QUENVALOR_REQUIRE(
        std::ifstream(QUENVALOR_BUILD_DIR "/models/selfie_segmentation_landscape.tflite").good(),
        "no segmentation model (tools/install-deps.sh)");
    input = photo;
    // The flag in the top-left corner of the 480 x 360 render, and the face.
    const cv::Rect corner(10, 10, 60, 60), face(210, 60, 40, 40);
    ASSERT_EQ(Render("").status, 0);
    const cv::Mat plain = cv::imread(output);
    const auto spread = [](const cv::Mat& region) {
        cv::Scalar mean, deviation;
        cv::meanStdDev(region, mean, deviation);
        return deviation[0] + deviation[1] + deviation[2];
    };

    const ToolRun blurred = Render(" --background blur:100");
    ASSERT_EQ(blurred.status, 0) << blurred.err;
    const cv::Mat soft = cv::imread(output);
    EXPECT_LT(spread(soft(corner)), spread(plain(corner)) / 2);
    EXPECT_LT(cv::norm(soft(face), plain(face), cv::NORM_L1) / (40 * 40 * 3), 2.0);

    const std::string scene = folder / "scene.png";
    cv::imwrite(scene, cv::Mat(90, 160, CV_8UC3, cv::Scalar(200, 40, 40)));
    // The red effect in the top-left corner is drawn over the new background.
    const ToolRun replaced = Render(Effect({.size = {20, 20}, .at = {0, 0}, .png = kRedPng}) +
                                    " --background replace:" + scene);
    ASSERT_EQ(replaced.status, 0) << replaced.err;
    const cv::Mat swapped = cv::imread(output);
    const cv::Scalar room = cv::mean(swapped(corner));
    EXPECT_NEAR(room[0], 200, 25);
    EXPECT_NEAR(room[2], 40, 25);
    EXPECT_EQ(swapped.at<cv::Vec3b>(5, 5), cv::Vec3b(0, 0, 255));
    EXPECT_LT(cv::norm(swapped(face), plain(face), cv::NORM_L1) / (40 * 40 * 3), 2.0);

    const ToolRun bad = Render(" --background blur:0");
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("bad value for --background: blur:0"), std::string::npos) << bad.err;
    const ToolRun missing = Render(" --background blur --model /nonexistent/model.tflite");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(
        missing.err.find("the background cannot be drawn: cannot open /nonexistent/model.tflite"),
        std::string::npos)
        << missing.err;
}

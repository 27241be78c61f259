#include <gtest/gtest.h>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <cmath>
#include <filesystem>

#include "effects/FaceTracker.h"
#include "segmentation/Network.h"
#include "segmentation/TfliteModel.h"
#include "tests/segmentation/ModelBytes.h"
#include "tests/support/Prerequisite.h"

using namespace segmentation;
namespace mb = model_bytes;

namespace {

const std::string kModels = QUENVALOR_BUILD_DIR "/models/";

// Input (1 x 1 x 2 x 1) -> CONV_2D with a half-precision weight of 2 behind a DEQUANTIZE and a
// float bias of 0 -> LOGISTIC -> output. `convOutput` is the shape the convolution declares.
std::vector<uint8_t> TinyModel(std::vector<int32_t> convOutput = {1, 1, 2, 1},
                               int32_t secondCode = 14, const std::string& custom = "") {
    const std::vector<mb::Code> codes{{6, ""}, {3, ""}, {secondCode, custom}};
    const std::vector<mb::Tensor> tensors{
        {{1, 1, 2, 1}, 0, {}},                    // 0 input
        {{1, 1, 1, 1}, 1, mb::Halves({0x4000})},  // 1 weight 2.0 in half precision
        {{1, 1, 1, 1}, 0, {}},                    // 2 weight as floats
        {{1}, 0, mb::Floats({0.0f})},             // 3 bias
        {convOutput, 0, {}},                      // 4 convolved
        {{1, 1, 2, 1}, 0, {}},                    // 5 output
    };
    const std::vector<mb::Operator> operators{
        {0, {1}, {2}},
        {1, {0, 2, 3}, {4}, 1, {{0, 1, 1}, {1, 4, 1}, {2, 4, 1}}},  // VALID, stride 1 x 1
        {2, {4}, {5}},
    };
    return mb::Build(codes, tensors, operators, {0}, {5});
}

// The mask of the network in `file` for `photo`, as a float picture of the photo's size.
cv::Mat MaskOf(const std::string& file, const cv::Mat& photo) {
    std::string error;
    auto model = LoadModel(file, error);
    EXPECT_TRUE(model) << error;
    if (!model) return {};
    auto net = Network::Build(*model, error);
    EXPECT_TRUE(net) << error;
    if (!net) return {};
    cv::Mat small, floats;
    cv::resize(photo, small, {net->InputWidth(), net->InputHeight()}, 0, 0, cv::INTER_AREA);
    cv::cvtColor(small, small, cv::COLOR_BGR2RGB);
    small.convertTo(floats, CV_32F, 1.0 / 255);
    const float* out = net->Run(floats.ptr<float>());
    cv::Mat mask;
    cv::resize(cv::Mat(net->OutputHeight(), net->OutputWidth(), CV_32F, const_cast<float*>(out)),
               mask, photo.size());
    return mask;
}

}  // namespace

TEST(Segmentation_Model, ReadsAndRunsAHandMadeModel) {
    std::string error;
    const auto bytes = TinyModel();
    const auto model = ReadModel(bytes, error);
    ASSERT_TRUE(model) << error;
    ASSERT_EQ(model->operators.size(), 3u);
    EXPECT_EQ(model->operators[1].kind, OpKind::Conv2D);
    EXPECT_EQ(model->operators[1].padding, Padding::Valid);
    EXPECT_EQ(model->tensors[1].type, TensorType::Float16);
    auto net = Network::Build(*model, error);
    ASSERT_TRUE(net) << error;
    // 2 * (0, ln(3) / 2) = (0, ln 3); the logistic of those is (1/2, 3/4).
    const float input[2] = {0.0f, std::log(3.0f) / 2};
    const float* out = net->Run(input);
    EXPECT_FLOAT_EQ(out[0], 0.5f);
    EXPECT_NEAR(out[1], 0.75f, 1e-6f);
}

TEST(Segmentation_Model, RefusesWhatItCannotRunWithAClearError) {
    std::string error;
    EXPECT_FALSE(ReadModel(TinyModel({1, 1, 2, 1}, 28), error));
    EXPECT_EQ(error, "operator TANH (code 28) is not supported");
    EXPECT_FALSE(ReadModel(TinyModel({1, 1, 2, 1}, 32, "MaxPoolingWithArgmax2D"), error));
    EXPECT_EQ(error, "custom operator \"MaxPoolingWithArgmax2D\" is not supported");
    EXPECT_FALSE(ReadModel(TinyModel({1, 1, 2, 1}, 200), error));
    EXPECT_EQ(error, "operator with builtin code (code 200) is not supported");

    // Shapes that do not fit together are found before anything runs.
    const auto wrong = ReadModel(TinyModel({1, 1, 3, 1}), error);
    ASSERT_TRUE(wrong) << error;
    EXPECT_FALSE(Network::Build(*wrong, error));
    EXPECT_EQ(error, "CONV_2D writes a tensor of the wrong size");

    const std::vector<uint8_t> text{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'};
    EXPECT_FALSE(ReadModel(text, error));
    EXPECT_EQ(error, "not a TFLite model");
    EXPECT_FALSE(LoadModel("/nonexistent/model.tflite", error));
    EXPECT_EQ(error, "cannot open /nonexistent/model.tflite");
}

TEST(Segmentation_Model, DamagedFilesGiveErrorsNotCrashes) {
    const auto bytes = TinyModel();
    std::string error;
    for (std::size_t length = 8; length < bytes.size(); ++length) {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + length);
        EXPECT_FALSE(ReadModel(cut, error)) << "cut at " << length;
    }
    // Every byte flipped in turn: read (and when it still reads, built) without a fault.
    for (std::size_t at = 8; at < bytes.size(); ++at) {
        std::vector<uint8_t> flipped = bytes;
        flipped[at] ^= 0xA5;
        if (const auto model = ReadModel(flipped, error)) Network::Build(*model, error);
    }
}

TEST(Segmentation_Model, ReadsTheLandscapeModel) {
    const std::string file = kModels + "selfie_segmentation_landscape.tflite";
    QUENVALOR_REQUIRE(std::filesystem::exists(file),
                      "no segmentation model (tools/install-deps.sh)");
    std::string error;
    const auto model = LoadModel(file, error);
    ASSERT_TRUE(model) << error;
    std::array<int, kOpKindCount> counts{};
    for (const auto& op : model->operators) ++counts[static_cast<int>(op.kind)];
    EXPECT_EQ(counts[static_cast<int>(OpKind::Dequantize)], 110);
    EXPECT_EQ(counts[static_cast<int>(OpKind::Conv2D)], 43);
    EXPECT_EQ(counts[static_cast<int>(OpKind::TransposeConvBias)], 1);
    EXPECT_EQ(model->tensors[model->inputs[0]].shape, (std::vector<int>{1, 144, 256, 3}));
    EXPECT_EQ(model->tensors[model->outputs[0]].shape, (std::vector<int>{1, 144, 256, 1}));
    const ModelOperator& last = model->operators[model->operators.size() - 2];
    EXPECT_EQ(last.kind, OpKind::TransposeConvBias);
    EXPECT_EQ(last.strideW, 2);
    EXPECT_EQ(last.padding, Padding::Same);
}

TEST(Segmentation_Model, BothNetworksMaskThePersonInAPortrait) {
    const cv::Mat photo = cv::imread(QUENVALOR_BUILD_DIR "/test-data/face.png", cv::IMREAD_COLOR);
    QUENVALOR_REQUIRE(!photo.empty(), "no face photograph (tests/support/fetch_face_photo.sh)");
    QUENVALOR_REQUIRE(std::filesystem::exists(kModels + "selfie_segmentation.tflite"),
                      "no segmentation model (tools/install-deps.sh)");
    effects::FaceTracker tracker(effects::FaceTracker::FindCascade(), photo.size());
    QUENVALOR_REQUIRE(tracker.Available(), "no face cascade (opencv-data)");
    const auto faces = tracker.DetectNow(photo);
    ASSERT_FALSE(faces.empty());
    const cv::Rect face = faces.front();
    for (const char* name :
         {"selfie_segmentation_landscape.tflite", "selfie_segmentation.tflite"}) {
        SCOPED_TRACE(name);
        const cv::Mat mask = MaskOf(kModels + name, photo);
        ASSERT_FALSE(mask.empty());
        // The inner half of the face is wholly inside the mask; the top corners, sky and flag,
        // are outside.
        const cv::Rect inner(face.x + face.width / 4, face.y + face.height / 4, face.width / 2,
                             face.height / 2);
        double lowest, highest;
        cv::minMaxLoc(mask(inner), &lowest, nullptr);
        EXPECT_GT(lowest, 0.9);
        const int side = photo.cols / 10;
        for (const cv::Rect corner :
             {cv::Rect(0, 0, side, side), cv::Rect(photo.cols - side, 0, side, side)}) {
            cv::minMaxLoc(mask(corner), nullptr, &highest);
            EXPECT_LT(highest, 0.1) << corner;
        }
    }
}

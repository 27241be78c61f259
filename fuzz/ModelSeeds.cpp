// Writes a seed corpus of small TFLite models into the folder given as the only argument: one
// with every operator the reader knows, and one of a convolution behind a DEQUANTIZE.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/segmentation/ModelBytes.h"

namespace mb = model_bytes;

namespace {

bool Save(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* stream = std::fopen(path.c_str(), "wb");
    if (!stream) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
    return std::fclose(stream) == 0 && written;
}

std::vector<uint8_t> EveryOperator() {
    const std::vector<mb::Code> codes{
        {4, ""},  {117, ""}, {40, ""}, {18, ""}, {23, ""},
        {1, ""},  {0, ""},   {19, ""}, {6, ""},  {32, "Convolution2DTransposeBias"},
        {14, ""}, {3, ""}};
    const std::vector<float> depthwise(3 * 3 * 2, 0.125f);
    const std::vector<mb::Tensor> tensors{
        {{1, 4, 4, 2}},                                   // 0 input
        {{1, 3, 3, 2}, 0, mb::Floats(depthwise)},         // 1 depthwise filter
        {{2}, 0, mb::Floats({0.5f, -0.5f})},              // 2 its bias
        {{1, 4, 4, 2}},                                   // 3 depthwise
        {{1, 4, 4, 2}},                                   // 4 hard swish
        {{2}, 2, mb::Floats({0, 0})},                     // 5 axes (int32 1, 2 written below)
        {{1, 1, 1, 2}},                                   // 6 mean
        {{1, 4, 4, 2}},                                   // 7 scaled
        {{2}, 2, {}},                                     // 8 size (written below)
        {{1, 8, 8, 2}},                                   // 9 resized
        {{1, 4, 4, 2}},                                   // 10 pooled
        {{1, 8, 8, 2}},                                   // 11 relu
        {{1, 1, 1, 2}, 1, mb::Halves({0x3C00, 0x3800})},  // 12 half-precision filter
        {{1, 1, 1, 2}},                                   // 13 its floats
        {{1, 8, 8, 1}},                                   // 14 convolved
        {{1, 2, 2, 1}, 0, mb::Floats({1, 2, 3, 4})},      // 15 transposed filter
        {{1}, 0, mb::Floats({0.25f})},                    // 16 its bias
        {{1, 16, 16, 1}},                                 // 17 spread
        {{1, 16, 16, 1}},                                 // 18 output
        {{1, 4, 4, 2}},                                   // 19 a branch nothing reads
    };
    auto t = tensors;
    const auto ints = [](std::vector<int32_t> v) {
        std::vector<uint8_t> d(v.size() * 4);
        std::memcpy(d.data(), v.data(), d.size());
        return d;
    };
    t[5].data = ints({1, 2});
    t[8].data = ints({8, 8});
    const std::vector<mb::Operator> operators{
        {0, {0, 1, 2}, {3}, 2, {{1, 4, 1}, {2, 4, 1}, {3, 4, 1}}},
        {1, {3}, {4}},
        {2, {4, 5}, {6}, 27, {{0, 1, 1}}},
        {3, {4, 6}, {7}, 21, {}},
        {4, {7, 8}, {9}, 15, {{3, 1, 1}}},
        {5, {7}, {10}, 5, {{1, 4, 1}, {2, 4, 1}, {3, 4, 2}, {4, 4, 2}}},
        {7, {9}, {11}},
        {8, {12}, {13}},
        {11, {11, 13}, {14}, 1, {{0, 1, 1}, {1, 4, 1}, {2, 4, 1}}},
        {9, {14, 15, 16}, {17}, 0, {}, {1, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0}},
        {10, {17}, {18}},
        {6, {10, 10}, {19}, 11, {}},
    };
    return mb::Build(codes, t, operators, {0}, {18});
}

std::vector<uint8_t> Convolution() {
    const std::vector<mb::Tensor> tensors{{{1, 1, 2, 1}},
                                          {{1, 1, 1, 1}, 1, mb::Halves({0x4000})},
                                          {{1, 1, 1, 1}},
                                          {{1}, 0, mb::Floats({0.0f})},
                                          {{1, 1, 2, 1}}};
    const std::vector<mb::Operator> operators{
        {0, {1}, {2}}, {1, {0, 2, 3}, {4}, 1, {{0, 1, 1}, {1, 4, 1}, {2, 4, 1}}}};
    return mb::Build({{6, ""}, {3, ""}}, tensors, operators, {0}, {4});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string folder = argv[1];
    return Save(folder + "/every_operator.tflite", EveryOperator()) &&
                   Save(folder + "/convolution.tflite", Convolution())
               ? 0
               : 1;
}

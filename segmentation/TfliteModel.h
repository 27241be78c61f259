#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A reader of the TFLite model format (a FlatBuffer, file identifier "TFL3") for what the person
// segmentation networks are made of: the first subgraph's tensors with their constant data, its
// operators with their options, its inputs and outputs. Every offset is checked against the
// file's bounds, so a damaged or hostile file gives an error text, never a read outside it.
namespace segmentation {

enum class TensorType { Float32, Float16, Int32 };

struct ModelTensor {
    std::string name;
    std::vector<int> shape;
    TensorType type = TensorType::Float32;
    // The constant contents (little-endian, as stored), empty for a tensor computed at run time.
    std::vector<uint8_t> data;
};

// The operators the reader knows. Each comes from a builtin code of the format, except
// TransposeConvBias, the custom operator "Convolution2DTransposeBias".
enum class OpKind {
    Add,
    AveragePool2D,
    Conv2D,
    DepthwiseConv2D,
    Dequantize,
    HardSwish,
    Logistic,
    Mean,
    Mul,
    Relu,
    ResizeBilinear,
    TransposeConvBias,
};
constexpr int kOpKindCount = 12;
const char* OpKindName(OpKind kind);

enum class Padding { Same, Valid };
enum class Activation { None, Relu, ReluN1To1, Relu6 };

struct ModelOperator {
    OpKind kind = OpKind::Add;
    std::vector<int> inputs;  // tensor indices; -1 for an optional input left out
    std::vector<int> outputs;
    Padding padding = Padding::Same;
    int strideW = 1, strideH = 1;
    int filterW = 1, filterH = 1;  // pooling
    int depthMultiplier = 1;
    Activation activation = Activation::None;
    bool alignCorners = false;
    bool halfPixelCenters = false;
    bool keepDims = false;
};

struct Model {
    std::vector<ModelTensor> tensors;
    std::vector<ModelOperator> operators;
    std::vector<int> inputs;
    std::vector<int> outputs;
};

// Reads a model from the bytes of a .tflite file. On failure, `error` says what is wrong: a file
// that is not a TFLite model, a damaged one, or an operator, option or tensor type this reader
// does not know (named, for instance "operator TANH (code 28) is not supported").
std::optional<Model> ReadModel(std::span<const uint8_t> bytes, std::string& error);
std::optional<Model> LoadModel(const std::string& path, std::string& error);

}  // namespace segmentation

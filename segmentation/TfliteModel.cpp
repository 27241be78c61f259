#include "segmentation/TfliteModel.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace segmentation {

namespace {

// Builtin operator codes of the format, and the option tables of the union they come with.
enum Builtin : int32_t {
    kAdd = 0,
    kAveragePool2D = 1,
    kConv2D = 3,
    kDepthwiseConv2D = 4,
    kDequantize = 6,
    kLogistic = 14,
    kMul = 18,
    kRelu = 19,
    kResizeBilinear = 23,
    kCustom = 32,
    kMean = 40,
    kHardSwish = 117,
};

// Names of some builtin operators this reader does not run, so an error names them.
const char* UnsupportedName(int32_t code) {
    switch (code) {
        case 2:
            return "CONCATENATION";
        case 5:
            return "DEPTH_TO_SPACE";
        case 9:
            return "FULLY_CONNECTED";
        case 17:
            return "MAX_POOL_2D";
        case 21:
            return "RELU6";
        case 22:
            return "RESHAPE";
        case 25:
            return "SOFTMAX";
        case 28:
            return "TANH";
        case 34:
            return "PAD";
        case 41:
            return "SUB";
        case 42:
            return "DIV";
        case 67:
            return "TRANSPOSE_CONV";
        case 97:
            return "RESIZE_NEAREST_NEIGHBOR";
        default:
            return nullptr;
    }
}

constexpr const char* kTransposeConvBias = "Convolution2DTransposeBias";

// Bounds-checked access to a FlatBuffer. Every read that would leave the buffer marks the
// reader failed and yields zero; the caller checks Ok() once it has read what it needs.
class FlatReader {
public:
    explicit FlatReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool Ok() const { return ok_; }

    template <typename T>
    T Scalar(std::size_t at) {
        T value{};
        if (!Has(at, sizeof(T))) return value;
        std::memcpy(&value, bytes_.data() + at, sizeof(T));
        return value;
    }

    // A table: its position, and its vtable's position and length.
    struct Table {
        std::size_t at = 0;
        std::size_t vtable = 0;
        uint16_t vtableLength = 0;
        bool valid = false;
    };

    Table TableAt(std::size_t at) {
        Table table;
        const int32_t back = Scalar<int32_t>(at);
        const int64_t vtable = static_cast<int64_t>(at) - back;
        if (!ok_ || vtable < 0 || !Has(static_cast<std::size_t>(vtable), 4)) return Fail(table);
        table.at = at;
        table.vtable = static_cast<std::size_t>(vtable);
        table.vtableLength = Scalar<uint16_t>(table.vtable);
        if (table.vtableLength < 4 || table.vtableLength % 2 ||
            !Has(table.vtable, table.vtableLength))
            return Fail(table);
        table.valid = true;
        return table;
    }

    // The position of field `index` of `table`, or 0 when the field is absent.
    std::size_t Field(const Table& table, int index) {
        if (!table.valid) return 0;
        const std::size_t slot = 4 + 2 * static_cast<std::size_t>(index);
        if (slot + 2 > table.vtableLength) return 0;
        const uint16_t offset = Scalar<uint16_t>(table.vtable + slot);
        return offset ? table.at + offset : 0;
    }

    template <typename T>
    T FieldScalar(const Table& table, int index, T fallback) {
        const std::size_t at = Field(table, index);
        return at ? Scalar<T>(at) : fallback;
    }

    // Follows the offset stored at `at`.
    std::size_t Follow(std::size_t at) {
        const uint32_t offset = Scalar<uint32_t>(at);
        const std::size_t target = at + offset;
        if (!ok_ || target < at || !Has(target, 4)) {
            ok_ = false;
            return 0;
        }
        return target;
    }

    Table FieldTable(const Table& table, int index) {
        const std::size_t at = Field(table, index);
        return at ? TableAt(Follow(at)) : Table{};
    }

    // A vector field: the position of its first element and its length; {0, 0} when absent.
    struct Vector {
        std::size_t first = 0;
        std::size_t count = 0;
    };

    Vector FieldVector(const Table& table, int index, std::size_t elementSize) {
        const std::size_t at = Field(table, index);
        if (!at) return {};
        const std::size_t start = Follow(at);
        const uint32_t count = Scalar<uint32_t>(start);
        if (!ok_ || !Has(start + 4, static_cast<std::size_t>(count) * elementSize)) {
            ok_ = false;
            return {};
        }
        return {start + 4, count};
    }

    std::vector<int> IntVector(const Table& table, int index) {
        const Vector vector = FieldVector(table, index, 4);
        std::vector<int> values(vector.count);
        for (std::size_t i = 0; i < vector.count; ++i)
            values[i] = Scalar<int32_t>(vector.first + 4 * i);
        return values;
    }

    std::string String(const Table& table, int index) {
        const Vector vector = FieldVector(table, index, 1);
        return std::string(reinterpret_cast<const char*>(bytes_.data()) + vector.first,
                           vector.count);
    }

    std::vector<uint8_t> Bytes(const Table& table, int index) {
        const Vector vector = FieldVector(table, index, 1);
        return std::vector<uint8_t>(bytes_.begin() + vector.first,
                                    bytes_.begin() + vector.first + vector.count);
    }

    // The tables of a vector of tables.
    std::vector<Table> Tables(const Table& table, int index) {
        const Vector vector = FieldVector(table, index, 4);
        std::vector<Table> tables;
        tables.reserve(vector.count);
        for (std::size_t i = 0; i < vector.count && ok_; ++i)
            tables.push_back(TableAt(Follow(vector.first + 4 * i)));
        return tables;
    }

private:
    bool Has(std::size_t at, std::size_t length) {
        if (at > bytes_.size() || length > bytes_.size() - at) ok_ = false;
        return ok_;
    }
    Table Fail(Table table) {
        ok_ = false;
        return table;
    }

    std::span<const uint8_t> bytes_;
    bool ok_ = true;
};

// Field indices of the schema's tables.
namespace field {
constexpr int kModelOperatorCodes = 1, kModelSubgraphs = 2, kModelBuffers = 4;
constexpr int kCodeDeprecatedBuiltin = 0, kCodeCustom = 1, kCodeBuiltin = 3;
constexpr int kSubgraphTensors = 0, kSubgraphInputs = 1, kSubgraphOutputs = 2,
              kSubgraphOperators = 3;
constexpr int kTensorShape = 0, kTensorType = 1, kTensorBuffer = 2, kTensorName = 3;
constexpr int kBufferData = 0;
constexpr int kOperatorCode = 0, kOperatorInputs = 1, kOperatorOutputs = 2, kOperatorOptions = 4,
              kOperatorCustomOptions = 5;
}  // namespace field

// The largest tensor the reader accepts, in elements: far above what a segmentation network
// holds, low enough that a hostile shape cannot ask for gigabytes.
constexpr int64_t kMaxElements = int64_t{1} << 24;
// Strides beyond any picture's size (a global pooling's stride is the picture's size).
constexpr int kMaxStride = 1 << 16;

std::optional<Activation> ReadActivation(int8_t code) {
    switch (code) {
        case 0:
            return Activation::None;
        case 1:
            return Activation::Relu;
        case 2:
            return Activation::ReluN1To1;
        case 3:
            return Activation::Relu6;
        default:
            return std::nullopt;
    }
}

// Reads the options of `op` from its options table, by the schema's field order of each kind.
bool ReadOptions(FlatReader& reader, const FlatReader::Table& options, ModelOperator& op,
                 std::string& error) {
    int activationField = -1;
    switch (op.kind) {
        case OpKind::Conv2D:
            // padding, stride_w, stride_h, fused_activation_function, dilation_w, dilation_h
            op.padding =
                reader.FieldScalar<int8_t>(options, 0, 0) == 1 ? Padding::Valid : Padding::Same;
            op.strideW = reader.FieldScalar<int32_t>(options, 1, 0);
            op.strideH = reader.FieldScalar<int32_t>(options, 2, 0);
            activationField = 3;
            if (reader.FieldScalar<int32_t>(options, 4, 1) != 1 ||
                reader.FieldScalar<int32_t>(options, 5, 1) != 1) {
                error = "dilated convolutions are not supported";
                return false;
            }
            break;
        case OpKind::DepthwiseConv2D:
            // padding, stride_w, stride_h, depth_multiplier, fused_activation_function, dilations
            op.padding =
                reader.FieldScalar<int8_t>(options, 0, 0) == 1 ? Padding::Valid : Padding::Same;
            op.strideW = reader.FieldScalar<int32_t>(options, 1, 0);
            op.strideH = reader.FieldScalar<int32_t>(options, 2, 0);
            op.depthMultiplier = reader.FieldScalar<int32_t>(options, 3, 0);
            activationField = 4;
            if (reader.FieldScalar<int32_t>(options, 5, 1) != 1 ||
                reader.FieldScalar<int32_t>(options, 6, 1) != 1) {
                error = "dilated convolutions are not supported";
                return false;
            }
            break;
        case OpKind::AveragePool2D:
            // padding, stride_w, stride_h, filter_width, filter_height, fused_activation_function
            op.padding =
                reader.FieldScalar<int8_t>(options, 0, 0) == 1 ? Padding::Valid : Padding::Same;
            op.strideW = reader.FieldScalar<int32_t>(options, 1, 0);
            op.strideH = reader.FieldScalar<int32_t>(options, 2, 0);
            op.filterW = reader.FieldScalar<int32_t>(options, 3, 0);
            op.filterH = reader.FieldScalar<int32_t>(options, 4, 0);
            activationField = 5;
            break;
        case OpKind::Add:
        case OpKind::Mul:
            activationField = 0;
            break;
        case OpKind::ResizeBilinear:
            // new_height, new_width (both unused), align_corners, half_pixel_centers
            op.alignCorners = reader.FieldScalar<uint8_t>(options, 2, 0) != 0;
            op.halfPixelCenters = reader.FieldScalar<uint8_t>(options, 3, 0) != 0;
            break;
        case OpKind::Mean:
            op.keepDims = reader.FieldScalar<uint8_t>(options, 0, 0) != 0;
            break;
        default:
            break;
    }
    if (activationField >= 0) {
        const auto activation =
            ReadActivation(reader.FieldScalar<int8_t>(options, activationField, 0));
        if (!activation) {
            error = std::string("an activation of ") + OpKindName(op.kind) + " is not supported";
            return false;
        }
        op.activation = *activation;
    }
    const bool strided = op.kind == OpKind::Conv2D || op.kind == OpKind::DepthwiseConv2D ||
                         op.kind == OpKind::AveragePool2D;
    if (strided &&
        (op.strideW < 1 || op.strideH < 1 || op.strideW > kMaxStride || op.strideH > kMaxStride)) {
        error = std::string("a stride of ") + OpKindName(op.kind) + " is out of range";
        return false;
    }
    if (op.kind == OpKind::AveragePool2D && (op.filterW < 1 || op.filterH < 1)) {
        error = "a pooling filter size is out of range";
        return false;
    }
    return true;
}

// The custom transposed convolution's options: the raw parameters it was written with
// (padding: 1 same, 2 valid; stride width; stride height), as three little-endian integers.
bool ReadTransposeConvOptions(const std::vector<uint8_t>& bytes, ModelOperator& op,
                              std::string& error) {
    if (bytes.size() < 12) {
        error = std::string(kTransposeConvBias) + " lacks its options";
        return false;
    }
    int32_t values[3];
    std::memcpy(values, bytes.data(), sizeof values);
    if (values[0] != 1 && values[0] != 2) {
        error = std::string(kTransposeConvBias) + " has an unknown padding";
        return false;
    }
    op.padding = values[0] == 2 ? Padding::Valid : Padding::Same;
    op.strideW = values[1];
    op.strideH = values[2];
    if (op.strideW < 1 || op.strideH < 1 || op.strideW > kMaxStride || op.strideH > kMaxStride) {
        error = std::string(kTransposeConvBias) + " has a stride out of range";
        return false;
    }
    return true;
}

struct OperatorCode {
    std::optional<OpKind> kind;
    std::string description;  // for errors: the name and code of an operator not known
};

OperatorCode ReadOperatorCode(FlatReader& reader, const FlatReader::Table& table) {
    const int32_t deprecated = reader.FieldScalar<int8_t>(table, field::kCodeDeprecatedBuiltin, 0);
    const int32_t code = reader.FieldScalar<int32_t>(table, field::kCodeBuiltin, deprecated);
    OperatorCode result;
    switch (code) {
        case kAdd:
            result.kind = OpKind::Add;
            break;
        case kAveragePool2D:
            result.kind = OpKind::AveragePool2D;
            break;
        case kConv2D:
            result.kind = OpKind::Conv2D;
            break;
        case kDepthwiseConv2D:
            result.kind = OpKind::DepthwiseConv2D;
            break;
        case kDequantize:
            result.kind = OpKind::Dequantize;
            break;
        case kLogistic:
            result.kind = OpKind::Logistic;
            break;
        case kMul:
            result.kind = OpKind::Mul;
            break;
        case kRelu:
            result.kind = OpKind::Relu;
            break;
        case kResizeBilinear:
            result.kind = OpKind::ResizeBilinear;
            break;
        case kMean:
            result.kind = OpKind::Mean;
            break;
        case kHardSwish:
            result.kind = OpKind::HardSwish;
            break;
        case kCustom: {
            const std::string name = reader.String(table, field::kCodeCustom);
            if (name == kTransposeConvBias)
                result.kind = OpKind::TransposeConvBias;
            else
                result.description = "custom operator \"" + name + "\"";
            break;
        }
        default: {
            const char* name = UnsupportedName(code);
            result.description = std::string("operator ") + (name ? name : "with builtin code") +
                                 " (code " + std::to_string(code) + ")";
        }
    }
    return result;
}

std::optional<TensorType> ReadTensorType(int8_t code) {
    switch (code) {
        case 0:
            return TensorType::Float32;
        case 1:
            return TensorType::Float16;
        case 2:
            return TensorType::Int32;
        default:
            return std::nullopt;
    }
}

std::size_t ElementSize(TensorType type) {
    return type == TensorType::Float16 ? 2 : 4;
}

}  // namespace

const char* OpKindName(OpKind kind) {
    switch (kind) {
        case OpKind::Add:
            return "ADD";
        case OpKind::AveragePool2D:
            return "AVERAGE_POOL_2D";
        case OpKind::Conv2D:
            return "CONV_2D";
        case OpKind::DepthwiseConv2D:
            return "DEPTHWISE_CONV_2D";
        case OpKind::Dequantize:
            return "DEQUANTIZE";
        case OpKind::HardSwish:
            return "HARD_SWISH";
        case OpKind::Logistic:
            return "LOGISTIC";
        case OpKind::Mean:
            return "MEAN";
        case OpKind::Mul:
            return "MUL";
        case OpKind::Relu:
            return "RELU";
        case OpKind::ResizeBilinear:
            return "RESIZE_BILINEAR";
        case OpKind::TransposeConvBias:
            return kTransposeConvBias;
    }
    return "?";
}

std::optional<Model> ReadModel(std::span<const uint8_t> bytes, std::string& error) {
    if (bytes.size() < 8 || std::memcmp(bytes.data() + 4, "TFL3", 4) != 0) {
        error = "not a TFLite model";
        return std::nullopt;
    }
    FlatReader reader(bytes);
    const auto damaged = [&error]() {
        error = "the model file is damaged";
        return std::nullopt;
    };
    const FlatReader::Table root = reader.TableAt(reader.Follow(0));
    const std::vector<FlatReader::Table> codeTables =
        reader.Tables(root, field::kModelOperatorCodes);
    const std::vector<FlatReader::Table> subgraphs = reader.Tables(root, field::kModelSubgraphs);
    const std::vector<FlatReader::Table> buffers = reader.Tables(root, field::kModelBuffers);
    if (!reader.Ok()) return damaged();
    if (subgraphs.size() != 1) {
        error = "the model has " + std::to_string(subgraphs.size()) + " subgraphs, not one";
        return std::nullopt;
    }
    std::vector<OperatorCode> codes;
    for (const auto& table : codeTables) codes.push_back(ReadOperatorCode(reader, table));
    if (!reader.Ok()) return damaged();

    Model model;
    const FlatReader::Table& graph = subgraphs.front();
    for (const auto& table : reader.Tables(graph, field::kSubgraphTensors)) {
        ModelTensor tensor;
        tensor.name = reader.String(table, field::kTensorName);
        tensor.shape = reader.IntVector(table, field::kTensorShape);
        const auto type = ReadTensorType(reader.FieldScalar<int8_t>(table, field::kTensorType, 0));
        if (!reader.Ok()) return damaged();
        if (!type) {
            error = "tensor \"" + tensor.name + "\" has a type that is not supported";
            return std::nullopt;
        }
        tensor.type = *type;
        int64_t elements = 1;
        for (int dimension : tensor.shape) {
            if (dimension < 1 || (elements *= dimension) > kMaxElements) {
                error = "tensor \"" + tensor.name + "\" has a shape out of range";
                return std::nullopt;
            }
        }
        const uint32_t buffer = reader.FieldScalar<uint32_t>(table, field::kTensorBuffer, 0);
        if (buffer >= buffers.size()) return damaged();
        tensor.data = reader.Bytes(buffers[buffer], field::kBufferData);
        if (!reader.Ok()) return damaged();
        if (!tensor.data.empty() &&
            tensor.data.size() != static_cast<std::size_t>(elements) * ElementSize(tensor.type)) {
            error = "tensor \"" + tensor.name + "\" has data of the wrong size";
            return std::nullopt;
        }
        model.tensors.push_back(std::move(tensor));
    }
    model.inputs = reader.IntVector(graph, field::kSubgraphInputs);
    model.outputs = reader.IntVector(graph, field::kSubgraphOutputs);
    const std::vector<FlatReader::Table> operators =
        reader.Tables(graph, field::kSubgraphOperators);
    if (!reader.Ok()) return damaged();

    const auto validTensor = [&model](int index) {
        return index >= 0 && static_cast<std::size_t>(index) < model.tensors.size();
    };
    for (const auto& table : operators) {
        const uint32_t codeIndex = reader.FieldScalar<uint32_t>(table, field::kOperatorCode, 0);
        if (codeIndex >= codes.size()) return damaged();
        const OperatorCode& code = codes[codeIndex];
        if (!code.kind) {
            error = code.description + " is not supported";
            return std::nullopt;
        }
        ModelOperator op;
        op.kind = *code.kind;
        op.inputs = reader.IntVector(table, field::kOperatorInputs);
        op.outputs = reader.IntVector(table, field::kOperatorOutputs);
        if (!reader.Ok()) return damaged();
        for (int index : op.inputs)
            if (index != -1 && !validTensor(index)) return damaged();
        for (int index : op.outputs)
            if (!validTensor(index)) return damaged();
        if (op.kind == OpKind::TransposeConvBias) {
            if (!ReadTransposeConvOptions(reader.Bytes(table, field::kOperatorCustomOptions), op,
                                          error))
                return std::nullopt;
        } else if (!ReadOptions(reader, reader.FieldTable(table, field::kOperatorOptions), op,
                                error)) {
            return std::nullopt;
        }
        if (!reader.Ok()) return damaged();
        model.operators.push_back(std::move(op));
    }
    for (int index : model.inputs)
        if (!validTensor(index)) return damaged();
    for (int index : model.outputs)
        if (!validTensor(index)) return damaged();
    return model;
}

std::optional<Model> LoadModel(const std::string& path, std::string& error) {
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        error = "cannot open " + path;
        return std::nullopt;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(stream)),
                                     std::istreambuf_iterator<char>());
    auto model = ReadModel(bytes, error);
    if (!model) error = path + ": " + error;
    return model;
}

}  // namespace segmentation

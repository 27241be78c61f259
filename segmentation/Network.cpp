#include "segmentation/Network.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>

namespace segmentation {

struct Network::Step {
    OpKind kind;
    ModelOperator op;
    std::variant<std::monostate, Conv2DKernel, DepthwiseConv2DKernel, TransposeConvKernel> kernel;
};

Network::Network() = default;
Network::Network(Network&&) noexcept = default;
Network& Network::operator=(Network&&) noexcept = default;
Network::~Network() = default;

namespace {

// A tensor's shape as NHWC of one picture: [C], [W, C], [H, W, C] and [1, H, W, C] are taken.
std::optional<std::array<int, 4>> AsNhwc(const std::vector<int>& shape) {
    if (shape.empty() || shape.size() > 4) return std::nullopt;
    if (shape.size() == 4 && shape[0] != 1) return std::nullopt;
    std::array<int, 4> nhwc{1, 1, 1, 1};
    std::copy(shape.rbegin(), shape.rend(), nhwc.rbegin());
    return nhwc;
}

std::size_t Elements(const std::array<int, 4>& s) {
    return static_cast<std::size_t>(s[1]) * s[2] * s[3];
}

}  // namespace

std::optional<Network> Network::Build(const Model& model, std::string& error) {
    Network net;
    const std::size_t count = model.tensors.size();
    net.shapes_.resize(count);
    net.constants_.resize(count);
    net.integers_.resize(count);
    net.slotOf_.assign(count, -1);
    std::vector<bool> ready(count, false), constant(count, false), picture(count, false);
    std::vector<std::size_t> elements(count, 1);
    const auto fail = [&error](const std::string& text) {
        error = text;
        return std::nullopt;
    };

    for (std::size_t t = 0; t < count; ++t) {
        const ModelTensor& tensor = model.tensors[t];
        // Filters may have any shape; what steps compute must be one picture's.
        const auto shape = AsNhwc(tensor.shape);
        picture[t] = shape.has_value();
        net.shapes_[t] = shape.value_or(std::array<int, 4>{1, 1, 1, 1});
        for (int dimension : tensor.shape) elements[t] *= static_cast<std::size_t>(dimension);
        if (tensor.data.empty()) continue;
        constant[t] = ready[t] = true;
        if (tensor.type == TensorType::Int32) {
            net.integers_[t].resize(tensor.data.size() / 4);
            std::memcpy(net.integers_[t].data(), tensor.data.data(), tensor.data.size());
        } else if (tensor.type == TensorType::Float32) {
            net.constants_[t].resize(tensor.data.size() / 4);
            std::memcpy(net.constants_[t].data(), tensor.data.data(), tensor.data.size());
        }
    }
    if (model.inputs.size() != 1 || model.outputs.size() != 1)
        return fail("the model must have one input and one output");
    net.input_ = model.inputs[0];
    net.output_ = model.outputs[0];
    if (constant[net.input_] || !picture[net.input_] ||
        model.tensors[net.input_].type != TensorType::Float32)
        return fail("the model's input is not a float picture");
    ready[net.input_] = true;

    // Whether tensor `t` exists when a step reads it: a constant of the right kind, or computed.
    const auto floats = [&](int t) {
        return t >= 0 && ready[t] && picture[t] && model.tensors[t].type == TensorType::Float32;
    };
    const auto filled = [&](int t) {
        return floats(t) && (!constant[t] || !net.constants_[t].empty());
    };

    std::vector<int> lastUse(count, -1);
    for (std::size_t s = 0; s < model.operators.size(); ++s) {
        const ModelOperator& op = model.operators[s];
        const std::string name = OpKindName(op.kind);
        const auto& in = op.inputs;
        if (op.outputs.size() != 1) return fail(name + " must have one output");
        const int out = op.outputs[0];
        if (ready[out]) return fail(name + " writes a tensor that is already there");
        if (model.tensors[out].type != TensorType::Float32)
            return fail(name + " must write floats");
        if (op.kind != OpKind::Dequantize && !picture[out])
            return fail(name + " must write one picture");
        const auto& outShape = net.shapes_[out];
        const auto needInputs = [&](std::size_t n) { return in.size() >= n; };
        const auto computed = [&](std::size_t i) {
            return i < in.size() && filled(in[i]) && !constant[in[i]];
        };
        const auto weights = [&](std::size_t i) {
            return i < in.size() && in[i] >= 0 && constant[in[i]] &&
                   net.constants_[in[i]].size() == elements[in[i]];
        };
        const auto shapeIs = [&](const std::array<int, 4>& expected) {
            return outShape == expected;
        };
        Step step{op.kind, op, std::monostate{}};

        if (op.kind == OpKind::Dequantize) {
            // Folded now: its input is a constant of half-precision (or already float) values.
            if (!needInputs(1) || in[0] < 0 || !constant[in[0]])
                return fail("DEQUANTIZE of a computed tensor is not supported");
            const ModelTensor& source = model.tensors[in[0]];
            if (source.type == TensorType::Int32 || elements[in[0]] != elements[out])
                return fail("DEQUANTIZE has an input it cannot decode");
            auto& values = net.constants_[out];
            values.resize(elements[out]);
            if (source.type == TensorType::Float16) {
                std::vector<uint16_t> halves(values.size());
                std::memcpy(halves.data(), source.data.data(), source.data.size());
                HalfToFloat(halves.data(), values.data(), values.size());
            } else {
                values = net.constants_[in[0]];
            }
            constant[out] = ready[out] = true;
            continue;
        }

        const auto& x = needInputs(1) && in[0] >= 0 ? net.shapes_[in[0]] : outShape;
        switch (op.kind) {
            case OpKind::Conv2D:
            case OpKind::DepthwiseConv2D:
            case OpKind::TransposeConvBias: {
                if (!needInputs(2) || !computed(0) || !weights(1) ||
                    (in.size() > 2 && in[2] >= 0 && !weights(2)))
                    return fail(name + " needs a computed input and constant weights");
                const auto& f = model.tensors[in[1]].shape;
                if (f.size() != 4) return fail(name + " has a filter that is not four-dimensional");
                const float* filter = net.constants_[in[1]].data();
                const bool hasBias = in.size() > 2 && in[2] >= 0;
                const float* bias = hasBias ? net.constants_[in[2]].data() : nullptr;
                const int outChannels = op.kind == OpKind::DepthwiseConv2D ? f[3] : f[0];
                if (hasBias &&
                    net.constants_[in[2]].size() != static_cast<std::size_t>(outChannels))
                    return fail(name + " has a bias of the wrong length");
                if (outShape[3] != outChannels)
                    return fail(name + " writes the wrong number of channels");
                if (op.kind == OpKind::Conv2D) {
                    if (f[3] != x[3]) return fail("CONV_2D has a filter of the wrong depth");
                    if (!shapeIs({1, WindowedLength(x[1], f[1], op.strideH, op.padding),
                                  WindowedLength(x[2], f[2], op.strideW, op.padding), outChannels}))
                        return fail("CONV_2D writes a tensor of the wrong size");
                    step.kernel.emplace<Conv2DKernel>(filter, f[0], f[1], f[2], f[3], bias,
                                                      op.strideW, op.strideH, op.padding,
                                                      op.activation);
                } else if (op.kind == OpKind::DepthwiseConv2D) {
                    const int multiplier = op.depthMultiplier > 0 ? op.depthMultiplier
                                                                  : outChannels / std::max(x[3], 1);
                    if (f[0] != 1 || int64_t{x[3]} * multiplier != outChannels)
                        return fail("DEPTHWISE_CONV_2D has a filter that does not fit its input");
                    if (!shapeIs({1, WindowedLength(x[1], f[1], op.strideH, op.padding),
                                  WindowedLength(x[2], f[2], op.strideW, op.padding), outChannels}))
                        return fail("DEPTHWISE_CONV_2D writes a tensor of the wrong size");
                    step.kernel.emplace<DepthwiseConv2DKernel>(filter, f[1], f[2], f[3], multiplier,
                                                               bias, op.strideW, op.strideH,
                                                               op.padding, op.activation);
                } else {
                    if (f[3] != x[3]) return fail(name + " has a filter of the wrong depth");
                    const auto length = [&op](int inLength, int filterLength, int stride) {
                        const int64_t n = op.padding == Padding::Same
                                              ? int64_t{inLength} * stride
                                              : int64_t{inLength - 1} * stride + filterLength;
                        return static_cast<int>(std::min<int64_t>(n, INT32_MAX));
                    };
                    if (!shapeIs({1, length(x[1], f[1], op.strideH), length(x[2], f[2], op.strideW),
                                  outChannels}))
                        return fail(name + " writes a tensor of the wrong size");
                    step.kernel.emplace<TransposeConvKernel>(filter, f[0], f[1], f[2], f[3], bias,
                                                             op.strideW, op.strideH, op.padding);
                }
                break;
            }
            case OpKind::AveragePool2D:
                if (!computed(0)) return fail("AVERAGE_POOL_2D needs a computed input");
                if (!shapeIs({1, WindowedLength(x[1], op.filterH, op.strideH, op.padding),
                              WindowedLength(x[2], op.filterW, op.strideW, op.padding), x[3]}) ||
                    outShape[1] < 1 || outShape[2] < 1)
                    return fail("AVERAGE_POOL_2D writes a tensor of the wrong size");
                break;
            case OpKind::Mean: {
                if (!needInputs(2) || !computed(0) || in[1] < 0 || !constant[in[1]])
                    return fail("MEAN needs a computed input and constant axes");
                std::vector<int> axes = net.integers_[in[1]];
                std::sort(axes.begin(), axes.end());
                if (axes != std::vector<int>{1, 2} || model.tensors[in[0]].shape.size() != 4)
                    return fail("MEAN is supported over the rows and columns of a picture only");
                if (!shapeIs({1, 1, 1, x[3]}))
                    return fail("MEAN writes a tensor of the wrong size");
                break;
            }
            case OpKind::ResizeBilinear: {
                if (!needInputs(2) || !computed(0) || in[1] < 0 || !constant[in[1]] ||
                    net.integers_[in[1]].size() != 2)
                    return fail("RESIZE_BILINEAR needs a computed input and a constant size");
                const auto& size = net.integers_[in[1]];
                if (!shapeIs({1, size[0], size[1], x[3]}))
                    return fail("RESIZE_BILINEAR writes a tensor of the wrong size");
                break;
            }
            case OpKind::Add:
            case OpKind::Mul: {
                if (!needInputs(2) || !filled(in[0]) || !filled(in[1]))
                    return fail(name + " needs two float inputs");
                const auto& y = net.shapes_[in[1]];
                for (int d = 1; d < 4; ++d) {
                    const bool fits = (x[d] == outShape[d] || x[d] == 1) &&
                                      (y[d] == outShape[d] || y[d] == 1) &&
                                      std::max(x[d], y[d]) == outShape[d];
                    if (!fits)
                        return fail(name +
                                    " has inputs whose shapes do not stretch over each other");
                }
                break;
            }
            case OpKind::HardSwish:
            case OpKind::Relu:
            case OpKind::Logistic:
                if (!computed(0)) return fail(name + " needs a computed input");
                if (!shapeIs(x)) return fail(name + " writes a tensor of the wrong size");
                break;
            case OpKind::Dequantize:
                break;
        }
        for (int t : in)
            if (t >= 0 && !constant[t]) lastUse[t] = static_cast<int>(s);
        ready[out] = true;
        net.steps_.push_back(std::move(step));
    }
    if (!ready[net.output_] || constant[net.output_])
        return fail("no operator computes the model's output");
    if (net.shapes_[net.output_][3] != 1)
        return fail("the model's output is not a single-channel picture");

    // Buffers: each step's output takes a free buffer (the smallest that fits, else the largest
    // free one, grown), and the buffers of the computed tensors whose last reader it is are
    // freed after it. The input takes the first buffer.
    std::vector<bool> busy;
    std::vector<std::size_t> capacity;
    const auto take = [&](int tensor) {
        const std::size_t need = Elements(net.shapes_[tensor]);
        int best = -1;
        for (std::size_t b = 0; b < busy.size(); ++b) {
            if (busy[b]) continue;
            const bool fits = capacity[b] >= need;
            if (best < 0 || (fits && (capacity[best] < need || capacity[b] < capacity[best])) ||
                (!fits && capacity[best] < need && capacity[b] > capacity[best]))
                best = static_cast<int>(b);
        }
        if (best < 0) {
            best = static_cast<int>(busy.size());
            busy.push_back(false);
            capacity.push_back(0);
        }
        busy[best] = true;
        capacity[best] = std::max(capacity[best], need);
        net.slotOf_[tensor] = best;
    };
    take(net.input_);
    for (std::size_t s = 0; s < model.operators.size(); ++s) {
        const ModelOperator& op = model.operators[s];
        if (op.kind == OpKind::Dequantize) continue;
        take(op.outputs[0]);
        for (int t : op.inputs)
            if (t >= 0 && lastUse[t] == static_cast<int>(s) && t != net.output_ &&
                net.slotOf_[t] >= 0)
                busy[net.slotOf_[t]] = false;
    }
    for (std::size_t b = 0; b < capacity.size(); ++b) net.slots_.emplace_back(capacity[b]);
    // Constants no step reads any more (the half-precision sources) are let go.
    for (std::size_t t = 0; t < count; ++t)
        if (net.slotOf_[t] >= 0) net.constants_[t].clear();
    return net;
}

const float* Network::Run(const float* input, OperatorCosts* costs) {
    const auto data = [this](int t) -> float* {
        return slotOf_[t] >= 0 ? slots_[slotOf_[t]].data() : constants_[t].data();
    };
    const auto view = [&](int t) {
        const auto& s = shapes_[t];
        return View{data(t), s[1], s[2], s[3]};
    };
    std::memcpy(data(input_), input, sizeof(float) * Elements(shapes_[input_]));
    for (const Step& step : steps_) {
        const auto started = std::chrono::steady_clock::now();
        const auto& in = step.op.inputs;
        const int out = step.op.outputs[0];
        const auto& s = shapes_[out];
        const Output o{data(out), s[1], s[2], s[3]};
        const std::size_t n = Elements(s);
        switch (step.kind) {
            case OpKind::Conv2D:
                std::get<Conv2DKernel>(step.kernel).Run(view(in[0]), o, scratch_);
                break;
            case OpKind::DepthwiseConv2D:
                std::get<DepthwiseConv2DKernel>(step.kernel).Run(view(in[0]), o);
                break;
            case OpKind::TransposeConvBias:
                std::get<TransposeConvKernel>(step.kernel).Run(view(in[0]), o);
                break;
            case OpKind::AveragePool2D:
                AveragePool2D(view(in[0]), o, step.op.filterW, step.op.filterH, step.op.strideW,
                              step.op.strideH, step.op.padding, step.op.activation);
                break;
            case OpKind::Mean:
                MeanOverSpace(view(in[0]), o);
                break;
            case OpKind::ResizeBilinear:
                ResizeBilinear(view(in[0]), o, step.op.alignCorners, step.op.halfPixelCenters);
                break;
            case OpKind::Add:
                Add(view(in[0]), view(in[1]), o, step.op.activation);
                break;
            case OpKind::Mul:
                Mul(view(in[0]), view(in[1]), o, step.op.activation);
                break;
            case OpKind::HardSwish:
                HardSwish(data(in[0]), o.data, n);
                break;
            case OpKind::Relu:
                Relu(data(in[0]), o.data, n);
                break;
            case OpKind::Logistic:
                Logistic(data(in[0]), o.data, n);
                break;
            case OpKind::Dequantize:
                break;
        }
        if (costs) {
            const int k = static_cast<int>(step.kind);
            costs->seconds[k] +=
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            ++costs->calls[k];
        }
    }
    return data(output_);
}

}  // namespace segmentation

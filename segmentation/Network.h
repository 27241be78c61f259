#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "segmentation/Kernels.h"
#include "segmentation/TfliteModel.h"

namespace segmentation {

// Time spent in each kind of operator over the runs it was handed to.
struct OperatorCosts {
    std::array<double, kOpKindCount> seconds{};
    std::array<long, kOpKindCount> calls{};
};

// A model made ready to run on the CPU: constants decoded (half-precision weights behind
// DEQUANTIZE turned into floats once), every operator's shapes checked against the tensors it
// reads and writes, filters packed, and the computed tensors laid in a few buffers reused as
// soon as their last reader has run. One picture at a time; not for two threads at once.
class Network {
public:
    // A network for a model of one float input and one float output; nothing (with `error`)
    // when the model holds what this runner does not do, or shapes that do not fit together.
    static std::optional<Network> Build(const Model& model, std::string& error);

    Network(Network&&) noexcept;
    Network& operator=(Network&&) noexcept;
    ~Network();

    int InputHeight() const { return shapes_[input_][1]; }
    int InputWidth() const { return shapes_[input_][2]; }
    int InputChannels() const { return shapes_[input_][3]; }
    int OutputHeight() const { return shapes_[output_][1]; }
    int OutputWidth() const { return shapes_[output_][2]; }
    int OutputChannels() const { return shapes_[output_][3]; }

    // Runs the network on `input` (InputHeight x InputWidth x InputChannels floats, NHWC) and
    // returns the output's floats, valid until the next run. With `costs`, adds each
    // operator's time to it.
    const float* Run(const float* input, OperatorCosts* costs = nullptr);

private:
    struct Step;
    Network();

    std::vector<std::array<int, 4>> shapes_;  // NHWC of every tensor
    std::vector<std::vector<float>> constants_;
    std::vector<std::vector<int>> integers_;  // the int32 constants (sizes, axes)
    std::vector<int> slotOf_;                 // each computed tensor's buffer
    std::vector<std::vector<float>> slots_;
    std::vector<Step> steps_;
    std::vector<float> scratch_;
    int input_ = 0;
    int output_ = 0;
};

}  // namespace segmentation

// Feeds arbitrary bytes to the TFLite model reader. Whatever it accepts is made into a network,
// and a network small enough to run quickly is run once on a picture of zeros: every offset,
// shape and option the file gives must be checked before it is used.

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "segmentation/Network.h"
#include "segmentation/TfliteModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::string error;
    const auto model = segmentation::ReadModel({data, size}, error);
    if (!model) {
        fuzzing::Require(!error.empty());
        return 0;
    }
    auto net = segmentation::Network::Build(*model, error);
    if (!net) {
        fuzzing::Require(!error.empty());
        return 0;
    }
    std::size_t elements = 0;
    for (const auto& tensor : model->tensors) {
        std::size_t count = 1;
        for (int dimension : tensor.shape) count *= static_cast<std::size_t>(dimension);
        elements += count;
    }
    if (elements > (1u << 16)) return 0;
    const std::vector<float> input(
        static_cast<std::size_t>(net->InputHeight()) * net->InputWidth() * net->InputChannels(),
        0.0f);
    const float* output = net->Run(input.data());
    fuzzing::Require(output != nullptr);
    return 0;
}

#pragma once

#include <string>
#include <vector>

// The sub-commands of quenvalor-eft. Each takes the arguments after its name and returns the
// exit status; messages go to standard error.
namespace eft {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
// The arguments do not suit the command; the caller prints the usage.
constexpr int kExitUsage = 2;

// info FILE.eft: prints the file's descriptor, block directory and strings as JSON.
int RunInfo(const std::vector<std::string>& arguments);
// pack DESCRIPTOR.json PICTURE.png OUTPUT.eft: writes an effect file.
int RunPack(const std::vector<std::string>& arguments);
// render --input IN --output OUT [options]: draws effects onto a picture through the engine.
int RunRender(const std::vector<std::string>& arguments);

}  // namespace eft

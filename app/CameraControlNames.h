#pragma once

#include <QString>

#include <string>

namespace app {

// The user's-language name of a camera control the core labels in English ("Brightness",
// "White balance temperature", ...); a label the program does not know is shown as it is.
QString CameraControlName(const std::string& label);

}  // namespace app

#include "app/CameraControlNames.h"

#include <QCoreApplication>

namespace app {
namespace {

// The labels the core gives its controls; listed here so that they are offered for translation.
[[maybe_unused]] constexpr const char* kControlLabels[] = {
    QT_TRANSLATE_NOOP("CameraControls", "Brightness"),
    QT_TRANSLATE_NOOP("CameraControls", "Contrast"),
    QT_TRANSLATE_NOOP("CameraControls", "Saturation"),
    QT_TRANSLATE_NOOP("CameraControls", "Hue"),
    //: The camera's signal amplification
    QT_TRANSLATE_NOOP("CameraControls", "Gain"),
    QT_TRANSLATE_NOOP("CameraControls", "Exposure"),
    QT_TRANSLATE_NOOP("CameraControls", "White balance temperature"),
    QT_TRANSLATE_NOOP("CameraControls", "Focus"),
    QT_TRANSLATE_NOOP("CameraControls", "Sharpness"),
    QT_TRANSLATE_NOOP("CameraControls", "Backlight compensation"),
    QT_TRANSLATE_NOOP("CameraControls", "Power line frequency"),
    QT_TRANSLATE_NOOP("CameraControls", "Zoom"),
};

}  // namespace

QString CameraControlName(const std::string& label) {
    return QCoreApplication::translate("CameraControls", label.c_str());
}

}  // namespace app

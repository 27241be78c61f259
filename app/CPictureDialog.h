#pragma once

#include <QDialog>
#include <QString>

#include <memory>
#include <string>
#include <vector>

#include "capture/CameraControls.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSlider;

namespace app {

// The camera's picture controls: one row per control with its name, a slider over its range,
// the value it holds, and an "Auto" box where the camera can set it by itself (the slider is
// then off). Changes reach the camera at once, so the preview shows them while the slider
// moves; Reset puts every control back to its default and asks for the kept settings to go. A control the road draws itself (the
// camera has none) is marked so. The dialog is not modal: the window hands it the controls of
// each camera that goes live.
class CPictureDialog : public QDialog {
    Q_OBJECT
public:
    explicit CPictureDialog(QWidget* owner = nullptr);

    // Shows the controls of camera `id`; null controls: no camera is live.
    void SetControls(std::shared_ptr<capture::CameraControls> controls, const std::string& id);

    // For tests and the window: a control's row by key; null when it is not shown.
    QSlider* Slider(const std::string& key) const;
    QCheckBox* AutoBox(const std::string& key) const;
    QLabel* ValueLabel(const std::string& key) const;
    QPushButton* ResetButton() const { return resetButton_; }
    // The line under the rows: "No camera", or the controls the camera refused.
    QString Note() const;

signals:
    // The settings of camera `id` changed by the user and worth keeping: sent when a slider is
    // let go (or moved by keys or wheel) or a box is ticked.
    void SettingsChanged(const std::string& id, const capture::ControlSettings& settings);
    // Reset was pressed: camera `id` is back at its defaults and keeps no settings of its own.
    void SettingsReset(const std::string& id);

private:
    struct Row {
        capture::CameraControl control;
        QSlider* slider = nullptr;
        QLabel* value = nullptr;
        QCheckBox* automatic = nullptr;
    };
    void Rebuild();
    // Reads every control again and shows what it holds.
    void Refresh();
    void OnSlider(Row& row, int value);
    void Keep();
    void ShowRefused(const std::vector<std::string>& labels);

    std::shared_ptr<capture::CameraControls> controls_;
    std::string id_;
    QWidget* rowsPlace_;
    QGridLayout* rows_ = nullptr;
    std::vector<std::unique_ptr<Row>> rowList_;
    QLabel* note_;
    QPushButton* resetButton_;
};

}  // namespace app

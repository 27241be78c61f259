#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QRegion>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "capture/DeviceList.h"
#include "capture/RoadConfig.h"

class QComboBox;
class QPushButton;
class QTimer;

namespace controls {
class CHoverButton;
}

namespace app {

// The skinned camera chooser: a borderless 500 x 299 dialog with rounded top corners, centred
// over its owner, that lists the cameras in a combo box and, beside it, the recording sizes. OK
// closes it with Accepted, the chosen line in Selection() and the chosen size in ChosenRoad();
// Cancel closes it with Rejected. It is dragged by its surface.
//
// Below the cameras, a "Microphone" combo box lists "None" and then the microphones, with a small
// live level meter beside it, so the user sees that the chosen microphone hears them. A
// "Picture..." button asks for the picture settings of the camera in use.
class CSourceDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 500;
    static constexpr int kHeight = 299;

    // One combo line per entry of `devices`, in list order, line 0 selected. The background and
    // the button pictures come from `skinFolder` (ending with "/").
    CSourceDialog(const capture::DeviceList& devices, const QString& skinFolder, QWidget* owner = nullptr);

    // Replaces the lines by the entries of `devices`, keeping the chosen camera chosen when it is
    // still listed (line 0 otherwise); the window calls it as cameras are plugged in and out.
    void SetDevices(const capture::DeviceList& devices);

    // One microphone line: its identity and its name.
    struct MicrophoneLine {
        std::string id;
        std::string name;
    };
    // Lists "None" and then `microphones`, selecting the line of `setting` (an identity, or
    // "None"); a setting that is not listed selects the first microphone (None without one).
    void SetMicrophones(const std::vector<MicrophoneLine>& microphones, const std::string& setting);
    // The chosen microphone's identity, or "None".
    std::string MicrophoneSetting() const;
    // Where the meter reads the level (0 to 1) of the chosen microphone; polled while shown.
    void SetLevelSource(std::function<double()> level);
    // The level the meter shows now.
    double ShownLevel() const { return shownLevel_; }

    QComboBox* MicrophoneBox() const { return microphoneBox_; }

    // Runs the dialog modally and returns Accepted or Rejected.
    int DoModal();
    // The combo line chosen with OK; 0 until then, -1 when no line was selected.
    int Selection() const { return selection_; }
    // Shows `road`'s recording size as the chosen one.
    void SetRecordingSize(const capture::RoadConfig& road);
    // The road of the size chosen with OK; classic until then.
    const capture::RoadConfig& ChosenRoad() const { return chosenRoad_; }
    QComboBox* SizeBox() const { return sizeBox_; }

    QComboBox* ComboBox() const { return comboBox_; }
    QPushButton* PictureButton() const { return pictureButton_; }
    controls::CHoverButton* OkButton() const { return okButton_; }
    controls::CHoverButton* CancelButton() const { return cancelButton_; }

    // The dialog's shape: its two top corners rounded, its bottom corners square.
    static QRegion DialogRegion();

    // Replaces the modal run, for tests without a person: DoModal shows the dialog and returns
    // what `handler` returns, having let it work the dialog. An empty function restores the
    // modal run.
    static void SetRunHandler(std::function<int(CSourceDialog&)> handler);

signals:
    // The user picked another microphone line; `setting` is its identity or "None".
    void MicrophoneChanged(const std::string& setting);
    // The user asked for the picture settings of the camera in use.
    void PictureRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // A prompt above `list`, with its top left corner at `topLeft`, that labels the list.
    void AddPrompt(const QString& text, QPoint topLeft, QWidget* list);
    void OnOk();

    QComboBox* comboBox_;
    QComboBox* microphoneBox_;
    std::vector<std::string> microphoneIds_;  // the microphone of each line; "None" first
    QTimer* meterTimer_;
    std::function<double()> levelSource_;
    double shownLevel_ = 0;
    QComboBox* sizeBox_;  // one line per entry of RecordingSizes()
    controls::CHoverButton* okButton_;
    controls::CHoverButton* cancelButton_;
    QPushButton* pictureButton_;
    QPixmap background_;
    std::vector<std::string> ids_;  // the camera of each line
    int selection_ = 0;
    capture::RoadConfig chosenRoad_ = capture::RoadConfig::Classic();

    // Dragging by mouse movements, where the window system cannot move the window itself.
    bool dragging_ = false;
    QPoint dragGrabOffset_;
};

}  // namespace app

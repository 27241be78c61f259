#pragma once

#include <QImage>
#include <QWidget>

#include <mutex>

#include "capture/FramePipeline.h"

namespace app {

// The preview area. The capture worker hands it each preview frame; it keeps a copy and paints
// it at (0, 0), pixel for pixel, on the window's thread. It takes no mouse input of its own:
// presses and drags over it reach the main window, which routes them to the effects.
class PreviewWidget : public QWidget, public capture::PreviewSink {
    Q_OBJECT
public:
    explicit PreviewWidget(QWidget* parent = nullptr);

    // Called on the capture worker's thread.
    void PresentPreview(const cv::Mat& previewFrame) override;

    // A copy of the picture last handed over (null before the first frame).
    QImage CurrentPicture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mutable std::mutex pictureMutex_;
    QImage picture_;
};

}  // namespace app

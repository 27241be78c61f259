#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <mutex>

#include "capture/FrameRoad.h"

namespace app {

// The preview area. The capture worker hands it each preview frame; it keeps a copy and paints
// it at (0, 0), pixel for pixel, on the window's thread. It takes no mouse input of its own:
// presses and drags over it reach the main window, which routes them to the effects.
//
// Over the picture it draws what belongs to the moment and never to the picture itself: the
// snapshot countdown's number and the short white flash of a snapshot. Recordings and snapshots
// are taken from the frame road, so neither reaches them.
class PreviewWidget : public QWidget, public capture::PreviewSink {
    Q_OBJECT
public:
    static constexpr int kFlashMs = 300;

    explicit PreviewWidget(QWidget* parent = nullptr);

    // Called on the capture worker's thread.
    void PresentPreview(const cv::Mat& previewFrame) override;

    // A copy of the picture last handed over (null before the first frame).
    QImage CurrentPicture() const;

    // The countdown number drawn large over the picture; 0 draws none.
    void SetCountdown(int number);
    int Countdown() const { return countdown_; }
    // Starts the white flash, strongest at once and fading out over kFlashMs.
    void Flash();
    // How white the flash makes the picture now, from 0 (none) to 1.
    double FlashStrength() const;

    // Paints the picture with its overlays into `target`, scaled to fit with its shape kept;
    // the full-screen view paints through this too.
    void PaintInto(QPainter& painter, const QRect& target) const;

signals:
    // A new picture arrived or an overlay changed; emitted on the window's thread.
    void Changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Q_INVOKABLE void Refresh();

    mutable std::mutex pictureMutex_;
    QImage picture_;
    int countdown_ = 0;
    QElapsedTimer flashClock_;
    QTimer flashTimer_;  // repaints while the flash fades
    bool keyboardFocus_ = false;  // the focus came with Tab: the frame shows
};

}  // namespace app

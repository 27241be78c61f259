#pragma once

#include <QWidget>

namespace app {

class PreviewWidget;

// The preview on a whole screen: the preview's picture with its overlays, scaled to fit with
// black bars. F11, Escape or a double click leave it; the window's other shortcuts keep working
// while it is up. The main window owns it and shows it on the screen it is on.
class FullScreenPreview : public QWidget {
    Q_OBJECT
public:
    explicit FullScreenPreview(const PreviewWidget* preview);

signals:
    // The user asked to leave the full screen.
    void LeaveRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const PreviewWidget* preview_;
};

}  // namespace app

// Keys and the mouse on the window's own area: Escape and Enter never end the window, and the
// window is dragged by its bands.

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include "app/CMainDialog.h"

namespace app {

bool CMainDialog::IsDragBand(const QPoint& clientPoint) {
    const int x = clientPoint.x();
    const int y = clientPoint.y();
    return x <= 10 || x >= 600 || y <= 100 || y >= 500;
}

void CMainDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void CMainDialog::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !IsDragBand(event->position().toPoint())) return;
    // The window system moves the window where it can; otherwise the window follows the mouse.
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    dragging = true;
    dragGrabOffset = event->globalPosition().toPoint() - pos();
}

void CMainDialog::mouseMoveEvent(QMouseEvent* event) {
    if (dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - dragGrabOffset);
    QWidget::mouseMoveEvent(event);
}

void CMainDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging = false;
    QWidget::mouseReleaseEvent(event);
}

}  // namespace app

#include "app/FullScreenPreview.h"

#include <QKeyEvent>
#include <QPainter>

#include "app/PreviewWidget.h"

namespace app {

FullScreenPreview::FullScreenPreview(const PreviewWidget* preview) : preview_(preview) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(tr("Quenvalor preview"));
    setCursor(Qt::BlankCursor);
    connect(preview, &PreviewWidget::Changed, this, qOverload<>(&QWidget::update));
}

void FullScreenPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    preview_->PaintInto(painter, rect());
}

void FullScreenPreview::keyPressEvent(QKeyEvent* event) {
    // F11 itself arrives as the window's shortcut; Escape is the usual way out of a full screen.
    if (event->key() == Qt::Key_Escape) {
        emit LeaveRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FullScreenPreview::mouseDoubleClickEvent(QMouseEvent*) {
    emit LeaveRequested();
}

}  // namespace app

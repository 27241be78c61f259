// Keys and the mouse on the window's own area: Escape and Enter never end the window, the
// mouse over the preview selects, moves and resizes effects and paints, and the window is dragged
// by its bands.
//
// The preview lets the mouse through, so the window receives what happens over it and hands it
// to the effect engine in the studio frame's pixels (the preview shows the studio frame fitted
// into it). Presses and releases act at the point of the last move.

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include <algorithm>
#include <array>

#include "app/CMainDialog.h"
#include "app/PreviewWidget.h"
#include "capture/StudioGeometry.h"
#include "studio/StudioSession.h"

namespace app {
namespace {

using effects::EffectEngine;

// The cursor over each part of the selected effect, by handleZone: outside, body, top and bottom
// edges, left and right edges, then the corners top-left, top-right, bottom-left, bottom-right.
constexpr std::array<Qt::CursorShape, 10> kZoneCursors = {
    Qt::ArrowCursor,     Qt::SizeAllCursor,   Qt::SizeVerCursor,   Qt::SizeVerCursor,
    Qt::SizeHorCursor,   Qt::SizeHorCursor,   Qt::SizeFDiagCursor, Qt::SizeBDiagCursor,
    Qt::SizeBDiagCursor, Qt::SizeFDiagCursor,
};

}  // namespace

bool CMainDialog::IsDragBand(const QPoint& clientPoint, int windowWidth) {
    const int x = clientPoint.x();
    const int y = clientPoint.y();
    // The right strip lies beyond the classic window; a wider window has it at its own edge.
    const int rightStrip = std::max(600, windowWidth - 10);
    return x <= 10 || x >= rightStrip || y <= 100 || y >= 500;
}

bool CMainDialog::IsBareBand(const QPoint& clientPoint) const {
    // A press or a right click that a control under the pointer left unhandled reaches the
    // window too; only the window's own background counts. The preview lets the mouse through
    // and is never found here.
    return IsDragBand(clientPoint, width()) && !childAt(clientPoint);
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

void CMainDialog::RouteMouseToEngine(QEvent::Type type, const QPointF& windowPoint) {
    EffectEngine* effectEngine = session->Engine();
    if (!effectEngine) return;
    const QRect previewArea = preview->rect();
    switch (type) {
        case QEvent::MouseMove:
            previewMousePoint = preview->mapFrom(this, windowPoint.toPoint());
            // In a mirrored preview the effects lie where the mirror shows them.
            if (session->FrameRoad().mirrorPreview)
                previewMousePoint.setX(preview->width() - 1 - previewMousePoint.x());
            effectEngine->MouseMove(EnginePoint().x(), EnginePoint().y());
            break;
        case QEvent::MouseButtonPress:
            if (!previewArea.contains(previewMousePoint)) return;
            effectEngine->MouseDown(EnginePoint().x(), EnginePoint().y());
            break;
        case QEvent::MouseButtonRelease: {
            // A drag that started on the preview ends with its button wherever it is released;
            // otherwise the effect or the stroke would go on following a released mouse.
            const int mode = effectEngine->ManipulationMode();
            const bool manipulating =
                mode == EffectEngine::kMoving || mode == EffectEngine::kResizing;
            if (!manipulating && !previewArea.contains(previewMousePoint)) return;
            effectEngine->MouseUp();
            break;
        }
        default:
            return;
    }
    ShowCursorForZone();
}

QPoint CMainDialog::EnginePoint() const {
    const capture::FrameSize studio = session->Road().studio;
    const cv::Point point = capture::DisplayToPicture(
        {previewMousePoint.x(), previewMousePoint.y()}, {studio.width, studio.height},
        {capture::FrameRoad::kPreviewWidth, capture::FrameRoad::kPreviewHeight});
    return {point.x, point.y};
}

void CMainDialog::ShowCursorForZone() {
    const EffectEngine* effectEngine = session->Engine();
    // The sizing cursors are for effects only: none while nothing is selected or while painting.
    const int selected = effectEngine->SelectedIndex();
    const auto item = effectEngine->Describe(selected);
    if (effectEngine->ManipulationMode() == EffectEngine::kIdle || !item ||
        item->kind == effects::EffectKind::kPaintCanvas) {
        setCursor(Qt::ArrowCursor);
        return;
    }
    const int zone = effectEngine->HitTestSelected(EnginePoint().x(), EnginePoint().y());
    if (zone >= 0 && zone < static_cast<int>(kZoneCursors.size()))
        setCursor(kZoneCursors[static_cast<size_t>(zone)]);
}

void CMainDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        RouteMouseToEngine(QEvent::MouseButtonPress, event->position());
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !IsBareBand(event->position().toPoint())) return;
    // The window system moves the window where it can; otherwise the window follows the mouse.
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    dragging = true;
    dragGrabOffset = event->globalPosition().toPoint() - pos();
}

void CMainDialog::mouseMoveEvent(QMouseEvent* event) {
    RouteMouseToEngine(QEvent::MouseMove, event->position());
    if (dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - dragGrabOffset);
    QWidget::mouseMoveEvent(event);
}

void CMainDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        RouteMouseToEngine(QEvent::MouseButtonRelease, event->position());
        dragging = false;
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace app

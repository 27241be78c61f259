#include "app/PreviewWidget.h"

#include <QFocusEvent>
#include <QMetaObject>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include <opencv2/imgproc.hpp>

#include <algorithm>

namespace app {
namespace {
constexpr int kFlashFrameMs = 30;
}  // namespace

PreviewWidget::PreviewWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab reaches the preview; its frame shows only when the keyboard brought the focus.
    setFocusPolicy(Qt::TabFocus);
    flashTimer_.setInterval(kFlashFrameMs);
    connect(&flashTimer_, &QTimer::timeout, this, [this] {
        if (FlashStrength() <= 0) flashTimer_.stop();
        Refresh();
    });
}

void PreviewWidget::PresentPreview(const cv::Mat& previewFrame) {
    {
        std::lock_guard lock(pictureMutex_);
        // The window system paints 32-bit pixels: converting here, on the road's thread, spares
        // the window's thread (and Qt's thread pool) a conversion at every paint.
        if (picture_.width() != previewFrame.cols || picture_.height() != previewFrame.rows)
            picture_ = QImage(previewFrame.cols, previewFrame.rows, QImage::Format_RGB32);
        cv::Mat pixels(previewFrame.rows, previewFrame.cols, CV_8UC4, picture_.bits(),
                       static_cast<std::size_t>(picture_.bytesPerLine()));
        cv::cvtColor(previewFrame, pixels, cv::COLOR_BGR2BGRA);
    }
    // By name, so that Qt makes and frees the queued call itself (the picture is handed over
    // under the mutex above).
    QMetaObject::invokeMethod(this, "Refresh", Qt::QueuedConnection);
}

QImage PreviewWidget::CurrentPicture() const {
    std::lock_guard lock(pictureMutex_);
    return picture_.copy();
}

void PreviewWidget::SetCountdown(int number) {
    if (number == countdown_) return;
    countdown_ = number;
    Refresh();
}

void PreviewWidget::Flash() {
    flashClock_.start();
    flashTimer_.start();
    Refresh();
}

double PreviewWidget::FlashStrength() const {
    if (!flashClock_.isValid()) return 0;
    return std::max(0.0, 1.0 - static_cast<double>(flashClock_.elapsed()) / kFlashMs);
}

void PreviewWidget::Refresh() {
    update();
    emit Changed();
}

void PreviewWidget::PaintInto(QPainter& painter, const QRect& target) const {
    QRect place = target;
    bool pictured = false;
    {
        std::lock_guard lock(pictureMutex_);
        if (!picture_.isNull()) {
            const QSize fitted = picture_.size().scaled(target.size(), Qt::KeepAspectRatio);
            place = QRect(QPoint(), fitted);
            place.moveCenter(target.center());
            if (fitted == picture_.size())
                painter.drawImage(place.topLeft(), picture_);
            else
                painter.drawImage(place, picture_);
            pictured = true;
        }
    }
    // Black only where the picture does not reach (the bars of a picture of another shape), so
    // no pixel is painted twice.
    for (const QRect& band : pictured ? QRegion(target).subtracted(place) : QRegion(target))
        painter.fillRect(band, Qt::black);
    if (const double flash = FlashStrength(); flash > 0) {
        QColor white(Qt::white);
        white.setAlphaF(static_cast<float>(flash));
        painter.fillRect(place, white);
    }
    if (countdown_ > 0) {
        // White digits with a dark outline read on any picture.
        QFont font = painter.font();
        font.setPixelSize(place.height() / 2);
        font.setBold(true);
        QPainterPath digits;
        const QString text = QString::number(countdown_);
        const QFontMetrics metrics(font);
        const QRect box = metrics.boundingRect(text);
        digits.addText(place.center().x() - box.width() / 2 - box.left(),
                       place.center().y() + metrics.capHeight() / 2, font, text);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 0, 0, 200), std::max(2, place.height() / 90)));
        painter.setBrush(Qt::white);
        painter.drawPath(digits);
        painter.restore();
    }
}

void PreviewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintInto(painter, rect());
    if (!keyboardFocus_) return;
    painter.setPen(QPen(QColor(47, 128, 237), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

void PreviewWidget::focusInEvent(QFocusEvent* event) {
    keyboardFocus_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    update();
    QWidget::focusInEvent(event);
}

void PreviewWidget::focusOutEvent(QFocusEvent* event) {
    keyboardFocus_ = false;
    update();
    QWidget::focusOutEvent(event);
}

}  // namespace app

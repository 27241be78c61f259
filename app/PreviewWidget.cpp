#include "app/PreviewWidget.h"

#include <QMetaObject>
#include <QPainter>

namespace app {

PreviewWidget::PreviewWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewWidget::PresentPreview(const cv::Mat& previewFrame) {
    {
        std::lock_guard lock(pictureMutex_);
        if (picture_.width() != previewFrame.cols || picture_.height() != previewFrame.rows)
            picture_ = QImage(previewFrame.cols, previewFrame.rows, QImage::Format_BGR888);
        for (int row = 0; row < previewFrame.rows; ++row)
            std::memcpy(picture_.scanLine(row), previewFrame.ptr(row), previewFrame.cols * 3);
    }
    QMetaObject::invokeMethod(this, qOverload<>(&QWidget::update), Qt::QueuedConnection);
}

QImage PreviewWidget::CurrentPicture() const {
    std::lock_guard lock(pictureMutex_);
    return picture_.copy();
}

void PreviewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    std::lock_guard lock(pictureMutex_);
    if (picture_.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(0, 0, picture_);
}

}  // namespace app

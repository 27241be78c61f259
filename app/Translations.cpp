#include "app/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>

#include <opencv2/core.hpp>

#include "capture/CameraPlacard.h"
#include "platform/UserText.h"

namespace app {
namespace {

// The core's texts, from the same translations as the window's.
std::string LocalizeCoreText(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

// The preview's placards in the user's language, drawn with the desktop's fonts, which cover the
// scripts OpenCV's own font does not.
cv::Mat DrawPlacardText(const std::string& text, int pixelHeight, int maxWidth) {
    const QString line = QString::fromStdString(text);
    QFont font;
    font.setPixelSize(std::max(8, pixelHeight * 3 / 4));
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(line) > maxWidth)
        font.setPixelSize(font.pixelSize() - 1);
    const QFontMetrics metrics(font);
    const QString shown = metrics.elidedText(line, Qt::ElideRight, maxWidth);
    const int width = std::min(maxWidth, metrics.horizontalAdvance(shown) + 2);
    if (width <= 0) return {};
    QImage coverage(width, metrics.height(), QImage::Format_Grayscale8);
    coverage.fill(Qt::black);
    {
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QPoint(1, metrics.ascent()), shown);
    }
    cv::Mat picture(coverage.height(), coverage.width(), CV_8UC1);
    for (int y = 0; y < coverage.height(); ++y)
        std::copy_n(coverage.constScanLine(y), coverage.width(), picture.ptr<uchar>(y));
    return picture;
}

}  // namespace

Translations::~Translations() {
    if (!installed_) return;
    platform::SetTextLocalizer(nullptr);
    capture::SetPlacardTextRenderer(nullptr);
}

QString Translations::Install(const QString& folder) {
    if (!program_.load(QLocale(), QStringLiteral("quenvalor"), QStringLiteral("_"), folder))
        return {};
    QCoreApplication::installTranslator(&program_);
    installed_ = true;
    platform::SetTextLocalizer(&LocalizeCoreText);
    // Fonts need a GUI application; the command line's answers have none and draw nothing.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        capture::SetPlacardTextRenderer(&DrawPlacardText);
    // Qt's texts follow the program's language, never another one.
    const QString language =
        QFileInfo(program_.filePath()).completeBaseName().mid(int(sizeof("quenvalor_") - 1));
    if (qt_.load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    return language;
}

QString Translations::FolderBeside(const QString& dataFolder) {
    return dataFolder + QStringLiteral("/translations");
}

}  // namespace app

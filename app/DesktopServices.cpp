#include "app/DesktopServices.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QSystemTrayIcon>

namespace app {
namespace {

DesktopServices RealServices() {
    return DesktopServices{
        [](const QUrl& url) { return QDesktopServices::openUrl(url); },
        [](QWidget* parent, const QString& title, const QString& startFolder) {
            return QFileDialog::getExistingDirectory(parent, title, startFolder);
        },
        [] { return QSystemTrayIcon::isSystemTrayAvailable(); },
        [](QWidget* parent, const QColor& initial) {
            return QColorDialog::getColor(initial, parent);
        },
    };
}

}  // namespace

DesktopServices& Desktop() {
    static DesktopServices services = RealServices();
    return services;
}

void ResetDesktopServices() {
    Desktop() = RealServices();
}

}  // namespace app

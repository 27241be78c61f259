#pragma once

#include <QColor>
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace app {

// The desktop's services the window's commands use: opening a file, folder or address with its
// default handler, the folder and colour choosers, and whether a notification area exists. Tests
// replace them, as they do the message box, to run without a desktop and a person.
struct DesktopServices {
    std::function<bool(const QUrl&)> openUrl;
    // The chosen folder, or an empty string when the user cancelled.
    std::function<QString(QWidget* parent, const QString& title, const QString& startFolder)>
        chooseFolder;
    std::function<bool()> trayAvailable;
    // The chosen colour, or an invalid colour when the user cancelled.
    std::function<QColor(QWidget* parent, const QColor& initial)> chooseColour;
};

// The services in use. Members may be replaced; ResetDesktopServices() brings back the real ones.
DesktopServices& Desktop();
void ResetDesktopServices();

}  // namespace app

#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace app {

// The desktop's services the window's commands use: opening a file, folder or address with its
// default handler, the folder chooser, and whether a notification area exists. Tests replace
// them, as they do the message box, to run without a desktop and a person.
struct DesktopServices {
    std::function<bool(const QUrl&)> openUrl;
    // The chosen folder, or an empty string when the user cancelled.
    std::function<QString(QWidget* parent, const QString& title, const QString& startFolder)>
        chooseFolder;
    std::function<bool()> trayAvailable;
};

// The services in use. Members may be replaced; ResetDesktopServices() brings back the real ones.
DesktopServices& Desktop();
void ResetDesktopServices();

}  // namespace app

#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <vector>

#include "app/DesktopServices.h"
#include "app/UserMessages.h"

namespace app_test {

// A program folder of its own for one test: the skin drawn by the build (linked in), a
// README.md, and nothing else, so each test starts without a settings file. The desktop's
// services are replaced for the test: opened addresses are collected, the folder chooser
// answers `chosenFolder`, and the notification area exists as `trayAvailable` says. Message
// boxes are collected instead of shown.
class ProgramFolder {
public:
    ProgramFolder() {
        QFile::link(QStringLiteral(QUENVALOR_BUILD_DIR "/skin"), Path() + "/skin");
        QFile readme(Path() + "/README.md");
        readme.open(QIODevice::WriteOnly);
        readme.write("# Quenvalor\n");
        app::Desktop().openUrl = [this](const QUrl& url) {
            openedUrls.push_back(url);
            return true;
        };
        app::Desktop().chooseFolder = [this](QWidget*, const QString& title, const QString&) {
            chooserTitles.push_back(title);
            return chosenFolder;
        };
        app::Desktop().trayAvailable = [this] { return trayAvailable; };
        app::SetUserMessageHandler([this](const QString& text) { messages.push_back(text); });
    }
    ~ProgramFolder() {
        app::ResetDesktopServices();
        app::SetUserMessageHandler({});
    }

    QString Path() const { return folder.path(); }
    QString SettingsFile() const { return Path() + "/Quenvalor.ini"; }
    // A sub-folder of the program folder, made when `make` is true.
    QString SubFolder(const QString& name, bool make = true) const {
        if (make) QDir(Path()).mkpath(name);
        return Path() + '/' + name;
    }

    std::vector<QUrl> openedUrls;
    std::vector<QString> chooserTitles;
    std::vector<QString> messages;
    QString chosenFolder;
    bool trayAvailable = false;

private:
    QTemporaryDir folder;
};

}  // namespace app_test

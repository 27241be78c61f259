// The output folder: read from the settings file at start-up, chosen with the browse command,
// opened with the open command. The folder edit holds it for the recorder and the snapshot.
// The recording size, read at start-up.

#include <QDir>
#include <QLineEdit>
#include <QUrl>

#include "app/CIniFile.h"
#include "app/CMainDialog.h"
#include "app/DesktopServices.h"
#include "app/Settings.h"

namespace app {

QString CMainDialog::OutputFolder() const {
    return folderEdit->text();
}

void CMainDialog::ReadOutputFolderSetting() {
    settingsFile = SettingsFilePath(programFolder, IsFolderWritable(programFolder));
    const QString defaultFolder = DefaultOutputFolder();
    folderEdit->setText(defaultFolder);
    QString folder = CIniFile(settingsFile)
                         .ReadString(QString::fromLatin1(kSettingsSection),
                                     QString::fromLatin1(kOutputFolderKey), defaultFolder);
    // An empty entry would send recordings to the file system's root.
    if (folder.isEmpty()) folder = defaultFolder;
    // One level only: a folder whose parent is gone is not made. Failures are not reported;
    // recording into such a folder reports its own failure.
    QDir().mkdir(folder);
    folderEdit->setText(folder);
}

capture::RoadConfig CMainDialog::ReadRoadSetting() const {
    return capture::RoadConfigFromText(
        CIniFile(settingsFile)
            .ReadString(QString::fromLatin1(kSettingsSection), QString::fromLatin1(kRecordingSizeKey),
                        {})
            .toStdString());
}

void CMainDialog::OnBrowseFolder() {
    const QString chosen =
        Desktop().chooseFolder(this, QStringLiteral("Output Folder"), OutputFolder());
    if (chosen.size() > 1) folderEdit->setText(chosen);
    // Written after a cancel too, so the file always names the folder in use. A file that
    // cannot be written keeps the choice for this run only.
    CIniFile(settingsFile)
        .WriteString(QString::fromLatin1(kSettingsSection), QString::fromLatin1(kOutputFolderKey),
                     OutputFolder());
}

void CMainDialog::OnOpenFolder() {
    Desktop().openUrl(QUrl::fromLocalFile(OutputFolder()));
}

}  // namespace app

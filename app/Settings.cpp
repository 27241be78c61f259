#include "app/Settings.h"

#include <unistd.h>

#include <QDir>
#include <QFile>

namespace app {

QString SettingsFilePath(const QString& programFolder, bool programFolderWritable) {
    if (programFolderWritable) return programFolder + QStringLiteral("/Quenvalor.ini");
    QString configFolder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configFolder.isEmpty() || QDir::isRelativePath(configFolder))
        configFolder = QDir::homePath() + QStringLiteral("/.config");
    return configFolder + QStringLiteral("/Quenvalor/Quenvalor.ini");
}

bool IsFolderWritable(const QString& folder) {
    return access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

QString DefaultOutputFolder() {
    return QDir::homePath() + QStringLiteral("/ZelkorvanOutput");
}

}  // namespace app

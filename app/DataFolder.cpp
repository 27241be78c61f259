#include "app/DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace app {

QString FindDataFolder(const QString& executableFolder) {
    const auto hasSkin = [](const QString& folder) {
        return QFileInfo(folder + QStringLiteral("/skin")).isDir();
    };
    if (hasSkin(executableFolder)) return executableFolder;
    const QString installed =
        QDir::cleanPath(executableFolder + QStringLiteral("/../share/quenvalor"));
    if (hasSkin(installed)) return installed;
    return executableFolder;
}

}  // namespace app

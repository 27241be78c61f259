#include "controls/FilePresenceProbe.h"

#include <QFileInfo>

namespace controls {

void FilePresenceProbe::Look(const QStringList& paths) {
    QList<bool> present;
    present.reserve(paths.size());
    for (const QString& path : paths) present.append(QFileInfo::exists(path));
    emit Looked(paths, present);
}

}  // namespace controls

#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

namespace controls {

// Looks whether files exist, on a thread of its own (see CRecordingsList), so that a folder on a
// stalled mount holds up only that thread, never the window's.
class FilePresenceProbe : public QObject {
    Q_OBJECT

public:
    // Tells, through Looked, which of `paths` exist.
    void Look(const QStringList& paths);

signals:
    void Looked(const QStringList& paths, const QList<bool>& present);
};

}  // namespace controls

#include "app/PictureOptions.h"

#include <algorithm>
#include <iterator>

#include "app/CIniFile.h"
#include "app/Settings.h"

namespace app {
namespace {

bool ReadFlag(const CIniFile& file, const char* key) {
    const QString value = file.ReadString(QString::fromLatin1(kSettingsSection),
                                          QString::fromLatin1(key), QStringLiteral("0"))
                              .trimmed();
    return value == QLatin1String("1") || value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

}  // namespace

PictureOptions PictureOptions::Read(const QString& settingsFile) {
    const CIniFile file(settingsFile);
    PictureOptions options;
    options.mirrorPreview = ReadFlag(file, kMirrorPreviewKey);
    options.mirrorOutput = ReadFlag(file, kMirrorOutputKey);
    bool number = false;
    const int seconds = file.ReadString(QString::fromLatin1(kSettingsSection),
                                        QString::fromLatin1(kSnapshotCountdownKey),
                                        QStringLiteral("0"))
                            .trimmed()
                            .toInt(&number);
    if (number && std::find(std::begin(kCountdownChoices), std::end(kCountdownChoices), seconds) !=
                      std::end(kCountdownChoices))
        options.countdownSeconds = seconds;
    return options;
}

bool PictureOptions::Write(const QString& settingsFile) const {
    const CIniFile file(settingsFile);
    const QString section = QString::fromLatin1(kSettingsSection);
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    const bool preview =
        file.WriteString(section, QString::fromLatin1(kMirrorPreviewKey), flag(mirrorPreview));
    const bool output =
        file.WriteString(section, QString::fromLatin1(kMirrorOutputKey), flag(mirrorOutput));
    const bool countdown = file.WriteString(section, QString::fromLatin1(kSnapshotCountdownKey),
                                            QString::number(countdownSeconds));
    return preview && output && countdown;
}

}  // namespace app

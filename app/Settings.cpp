#include "app/Settings.h"

#include <unistd.h>

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "app/CIniFile.h"

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

namespace {

QString Section() { return QString::fromLatin1(kSettingsSection); }

QString Read(const CIniFile& file, const char* key, const QString& defaultValue = {}) {
    return file.ReadString(Section(), QString::fromLatin1(key), defaultValue);
}

bool ReadFlag(const CIniFile& file, const char* key) {
    const QString value = Read(file, key, QStringLiteral("0")).trimmed();
    return value == QLatin1String("1") ||
           value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

int ReadCountdown(const CIniFile& file) {
    bool number = false;
    const int seconds = Read(file, kSnapshotCountdownKey, QStringLiteral("0")).trimmed().toInt(&number);
    const auto& choices = PictureOptions::kCountdownChoices;
    return number && std::find(std::begin(choices), std::end(choices), seconds) != std::end(choices)
               ? seconds
               : 0;
}

constexpr const char* kCameraSectionPrefix = "Camera ";

// The controls kept in a camera's section; values that cannot be read are left out.
capture::ControlSettings ReadControls(const CIniFile& file, const QString& section) {
    capture::ControlSettings settings;
    for (const std::string& key : capture::KnownControlKeys()) {
        capture::ControlSetting setting;
        bool number = false;
        const int value = file.ReadString(section, QString::fromStdString(key), {}).trimmed().toInt(&number);
        if (number) setting.value = value;
        const std::string autoKey = capture::AutoKeyOf(key);
        const QString automatic =
            autoKey.empty() ? QString()
                            : file.ReadString(section, QString::fromStdString(autoKey), {}).trimmed().toLower();
        if (automatic == QLatin1String("1") || automatic == QLatin1String("true")) setting.autoOn = true;
        if (automatic == QLatin1String("0") || automatic == QLatin1String("false")) setting.autoOn = false;
        if (setting.value || setting.autoOn) settings[key] = setting;
    }
    return settings;
}

}  // namespace

QString CameraSectionName(const std::string& id) {
    // A "]" would end the section's name early and a blank at its end would be dropped: they
    // are written as %5D and %20 (and "%" as %25), so that the identity reads back as it was.
    QString escaped = QString::fromStdString(id)
                          .replace(u'%', QStringLiteral("%25"))
                          .replace(u']', QStringLiteral("%5D"));
    qsizetype blanks = 0;
    while (blanks < escaped.size() && escaped[escaped.size() - 1 - blanks] == u' ') ++blanks;
    escaped.chop(blanks);
    for (qsizetype i = 0; i < blanks; ++i) escaped += QStringLiteral("%20");
    return QString::fromLatin1(kCameraSectionPrefix) + escaped;
}

namespace {

std::string IdentityOfSection(const QString& section) {
    QString id = section.mid(qsizetype(std::strlen(kCameraSectionPrefix)));
    return QString::fromUtf8(QByteArray::fromPercentEncoding(id.toUtf8())).toStdString();
}

}  // namespace

ProgramSettings::ProgramSettings(QString file) : file_(std::move(file)) {
    QFile probe(file_);
    unreadable_ = probe.exists() && !probe.open(QIODevice::ReadOnly);
    const CIniFile ini(file_);
    // An empty entry would send recordings to the file system's root.
    outputFolder_ = ini.ReadBytes(Section(), QString::fromLatin1(kOutputFolderKey)).value_or(QByteArray());
    if (outputFolder_.isEmpty()) outputFolder_ = QFile::encodeName(DefaultOutputFolder());
    layout_ = Read(ini, kLayoutKey).trimmed().compare(QStringLiteral("studio"), Qt::CaseInsensitive) == 0
                  ? LayoutMode::Studio
                  : LayoutMode::Classic;
    road_ = capture::RoadConfigFromText(Read(ini, kRecordingSizeKey).toStdString());
    camera_ = Read(ini, kCameraKey).toStdString();
    microphone_ = Read(ini, kMicrophoneKey).toStdString();
    picture_.mirrorPreview = ReadFlag(ini, kMirrorPreviewKey);
    picture_.mirrorOutput = ReadFlag(ini, kMirrorOutputKey);
    virtualCamera_ = ReadFlag(ini, kVirtualCameraKey);
    picture_.countdownSeconds = ReadCountdown(ini);
    background_.mode = segmentation::BackgroundModeFromWord(
        Read(ini, kBackgroundKey).trimmed().toLower().toStdString());
    bool number = false;
    const int blur = Read(ini, kBackgroundBlurKey).trimmed().toInt(&number);
    if (number)
        background_.blur = std::clamp(blur, segmentation::BackgroundChoice::kMinBlur,
                                      segmentation::BackgroundChoice::kMaxBlur);
    background_.picture = ini.ReadBytes(Section(), QString::fromLatin1(kBackgroundPictureKey))
                              .value_or(QByteArray())
                              .toStdString();
    // A camera's section is found by its name, made from the identity as CameraSectionName makes
    // it; the identity is what follows the prefix.
    for (const QString& section : ini.SectionNames()) {
        if (!section.startsWith(QLatin1String(kCameraSectionPrefix))) continue;
        const std::string id = IdentityOfSection(section);
        const capture::ControlSettings settings = ReadControls(ini, section);
        if (!settings.empty()) cameraControls_[id] = settings;
    }
}

bool ProgramSettings::SetCameraControls(const std::string& id,
                                        const capture::ControlSettings& settings) {
    cameraControls_[id] = settings;
    QList<std::pair<QString, QString>> lines;
    for (const auto& [key, setting] : settings) {
        if (setting.value)
            lines.append({QString::fromStdString(key), QString::number(*setting.value)});
        if (setting.autoOn && !capture::AutoKeyOf(key).empty())
            lines.append({QString::fromStdString(capture::AutoKeyOf(key)),
                          *setting.autoOn ? QStringLiteral("1") : QStringLiteral("0")});
    }
    return !unreadable_ && !lines.isEmpty() &&
           CIniFile(file_).WriteStrings(CameraSectionName(id), lines);
}

bool ProgramSettings::ForgetCameraControls(const std::string& id) {
    cameraControls_.erase(id);
    QStringList keys;
    for (const std::string& key : capture::KnownControlKeys()) {
        keys << QString::fromStdString(key);
        if (const std::string autoKey = capture::AutoKeyOf(key); !autoKey.empty())
            keys << QString::fromStdString(autoKey);
    }
    return !unreadable_ && CIniFile(file_).RemoveKeys(CameraSectionName(id), keys);
}

bool ProgramSettings::Write(const char* key, const QString& value) const {
    return !unreadable_ && CIniFile(file_).WriteString(Section(), QString::fromLatin1(key), value);
}

bool ProgramSettings::SetOutputFolder(const QByteArray& folder) {
    outputFolder_ = folder;
    return !unreadable_ &&
           CIniFile(file_).WriteBytes(Section(), QString::fromLatin1(kOutputFolderKey), folder);
}

bool ProgramSettings::SetLayout(LayoutMode layout) {
    layout_ = layout;
    return Write(kLayoutKey,
                 layout == LayoutMode::Studio ? QStringLiteral("studio") : QStringLiteral("classic"));
}

bool ProgramSettings::SetRoad(const capture::RoadConfig& road) {
    road_ = road;
    return Write(kRecordingSizeKey, QString::fromStdString(capture::RecordingSizeText(road)));
}

bool ProgramSettings::SetCamera(const std::string& id) {
    camera_ = id;
    return Write(kCameraKey, QString::fromStdString(id));
}

bool ProgramSettings::SetMicrophone(const std::string& setting) {
    microphone_ = setting;
    return Write(kMicrophoneKey, QString::fromStdString(setting));
}

bool ProgramSettings::SetBackground(const segmentation::BackgroundChoice& choice) {
    background_ = choice;
    if (unreadable_) return false;
    const CIniFile ini(file_);
    return ini.WriteStrings(
               Section(),
               {{QString::fromLatin1(kBackgroundKey),
                 QString::fromLatin1(segmentation::BackgroundModeWord(choice.mode))},
                {QString::fromLatin1(kBackgroundBlurKey), QString::number(choice.blur)}}) &&
           ini.WriteBytes(Section(), QString::fromLatin1(kBackgroundPictureKey),
                          QByteArray::fromStdString(choice.picture));
}

bool ProgramSettings::SetPicture(const PictureOptions& options) {
    picture_ = options;
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    return !unreadable_ && CIniFile(file_).WriteStrings(
        Section(), {{QString::fromLatin1(kMirrorPreviewKey), flag(options.mirrorPreview)},
                    {QString::fromLatin1(kMirrorOutputKey), flag(options.mirrorOutput)},
                    {QString::fromLatin1(kSnapshotCountdownKey),
                     QString::number(options.countdownSeconds)}});
}

bool ProgramSettings::SetVirtualCamera(bool on) {
    virtualCamera_ = on;
    return Write(kVirtualCameraKey, on ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace app

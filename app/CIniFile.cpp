#include "app/CIniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace app {
namespace {

// The name of a "[name]" line, or nothing for any other line.
std::optional<QString> SectionName(const QString& line) {
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'[')) return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0) return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

// The key of a "key=value" line, or nothing for comments and lines without "=".
std::optional<QString> KeyName(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(u';') || trimmed.startsWith(u'#')) return std::nullopt;
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals <= 0) return std::nullopt;
    return trimmed.left(equals).trimmed();
}

QString ValueOf(const QString& line) {
    QString value = line.mid(line.indexOf(u'=') + 1).trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

bool IsQuote(QChar c) {
    return c == u'"' || c == u'\'';
}

// The value as a line holds it, so that ValueOf gives it back unchanged: enclosed in double
// quotes when reading would otherwise drop something of it (surrounding blanks, enclosing
// quotes). Reading drops exactly one enclosing pair, so what lies inside comes back as it was.
QString StoredValue(const QString& value) {
    const bool needsQuotes = !value.isEmpty() && (value.trimmed() != value ||
                                                  IsQuote(value.front()) || IsQuote(value.back()));
    return needsQuotes ? u'"' + value + u'"' : value;
}

// Whether `name` reads back as itself as a section or key name.
bool IsPlainName(const QString& name, bool isKey) {
    if (name.isEmpty() || name.trimmed() != name || name.contains(u'\n') || name.contains(u'\r'))
        return false;
    if (isKey)
        return !name.contains(u'=') && !name.startsWith(u';') && !name.startsWith(u'#') &&
               !name.startsWith(u'[');
    return !name.contains(u']');
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The file's lines hold its bytes one character each (Latin-1), so every line the program does
// not change is written back byte for byte, whatever its encoding; values are read and written
// as UTF-8 text (ReadString, WriteStrings) or as the bytes themselves (ReadBytes, WriteBytes).
QStringList ReadLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromLatin1(file.readAll());
    // A byte-order mark, as some editors write it, is not part of the first line.
    if (text.startsWith(QLatin1String("\xEF\xBB\xBF"))) text.remove(0, 3);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

// Puts `newLine` for `key` into `section` of `lines`: in place of the key's line, after the
// section's last entry, or in a new section at the end.
void SetLine(QStringList& lines, const QString& section, const QString& newLine,
             const QString& key) {
    qsizetype sectionLine = -1;
    qsizetype insertAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionName(lines[i])) {
            if (sectionLine >= 0) break;  // the section ended
            if (SameName(*name, section)) sectionLine = insertAt = i;
            continue;
        }
        if (sectionLine < 0) continue;
        if (const auto name = KeyName(lines[i])) {
            if (SameName(*name, key)) {
                lines[i] = newLine;
                return;
            }
            insertAt = i;
        }
    }
    if (sectionLine >= 0) {
        lines.insert(insertAt + 1, newLine);
        return;
    }
    if (!lines.isEmpty() && !lines.back().trimmed().isEmpty()) lines.append(QString());
    lines.append(u'[' + section + u']');
    lines.append(newLine);
}

}  // namespace

CIniFile::CIniFile(QString path) : path_(std::move(path)) {}

QString CIniFile::ReadString(const QString& section, const QString& key,
                             const QString& defaultValue) const {
    const std::optional<QByteArray> value = ReadBytes(section, key);
    return value ? QString::fromUtf8(*value) : defaultValue;
}

std::optional<QByteArray> CIniFile::ReadBytes(const QString& section, const QString& key) const {
    // The lines hold the file's bytes; a section name is written in UTF-8.
    const QString stored = QString::fromLatin1(section.toUtf8());
    bool inSection = false;
    for (const QString& line : ReadLines(path_)) {
        if (const auto name = SectionName(line)) {
            inSection = SameName(*name, stored);
            continue;
        }
        if (!inSection) continue;
        if (const auto name = KeyName(line); name && SameName(*name, key))
            return ValueOf(line).toLatin1();
    }
    return std::nullopt;
}

QList<QString> CIniFile::SectionNames() const {
    QList<QString> names;
    for (const QString& line : ReadLines(path_))
        if (const auto name = SectionName(line)) names.append(QString::fromUtf8(name->toLatin1()));
    return names;
}

bool CIniFile::RemoveKeys(const QString& section, const QStringList& keys) const {
    const QString stored = QString::fromLatin1(section.toUtf8());
    QStringList lines = ReadLines(path_);
    bool inSection = false;
    bool removed = false;
    for (qsizetype i = 0; i < lines.size();) {
        if (const auto name = SectionName(lines[i])) {
            inSection = SameName(*name, stored);
        } else if (inSection) {
            const auto name = KeyName(lines[i]);
            if (name && std::any_of(keys.begin(), keys.end(),
                                    [&](const QString& key) { return SameName(*name, key); })) {
                lines.removeAt(i);
                removed = true;
                continue;
            }
        }
        ++i;
    }
    if (!removed) return true;
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write((lines.join(u'\n') + u'\n').toLatin1());
    return file.commit();
}

bool CIniFile::WriteString(const QString& section, const QString& key, const QString& value) const {
    return WriteStrings(section, {{key, value}});
}

bool CIniFile::WriteBytes(const QString& section, const QString& key, const QByteArray& value) const {
    // Bytes that would end the line are refused; WriteStrings checks the rest.
    if (value.contains('\n') || value.contains('\r')) return false;
    return WriteStrings(section, {{key, QString::fromLatin1(value)}}, true);
}

bool CIniFile::WriteStrings(const QString& section,
                            const QList<std::pair<QString, QString>>& keysAndValues,
                            bool valuesAreBytes) const {
    if (!IsPlainName(section, false)) return false;
    QStringList lines = ReadLines(path_);
    for (const auto& [key, value] : keysAndValues) {
        // A line break would end the line early and make the rest of the value a line of its
        // own; names that would read back differently are refused too.
        if (value.contains(u'\n') || value.contains(u'\r') || !value.isValidUtf16() ||
            !IsPlainName(key, true)) {
            return false;
        }
        const QString stored = valuesAreBytes ? value : QString::fromLatin1(value.toUtf8());
        SetLine(lines, QString::fromLatin1(section.toUtf8()),
                QString::fromLatin1(key.toUtf8()) + u'=' + StoredValue(stored), key);
    }

    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write((lines.join(u'\n') + u'\n').toLatin1());
    return file.commit();
}

}  // namespace app

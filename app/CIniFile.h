#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace app {

// A settings file of the private-profile kind: "[Section]" lines and "key=value" lines, plain
// text a person can edit. Section and key names match without regard to case; surrounding
// blanks and a pair of enclosing quotes around a value are dropped on reading. Writing changes
// only the one line it sets and keeps everything else of the file (other sections and keys,
// comments, blank lines) as it was.
class CIniFile {
public:
    explicit CIniFile(QString path);
    virtual ~CIniFile() = default;

    const QString& Path() const { return path_; }

    // The value of `key` in `section`; `defaultValue` when the file, the section or the key is
    // missing.
    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue) const;

    // Sets `key` in `section` to `value`, creating the file (and its folder), the section and
    // the key as needed. Every value reads back as it was written: one with surrounding blanks
    // or quotes is stored in double quotes. The file is replaced whole or not at all. False when
    // it cannot be written, or when the value holds a line break or a name would read back
    // differently (surrounding blanks, "=" or a leading comment mark in a key, "]" in a section).
    bool WriteString(const QString& section, const QString& key, const QString& value) const;
    // Sets several keys of `section` in one replacement of the file: all of them or none.
    bool WriteStrings(const QString& section,
                      const QList<std::pair<QString, QString>>& keysAndValues,
                      bool valuesAreBytes = false) const;
    // The value's bytes as the file holds them, whatever their encoding (a path in the file
    // system's bytes, for example); nothing when the key is missing.
    std::optional<QByteArray> ReadBytes(const QString& section, const QString& key) const;
    // Takes the lines of `keys` out of `section`, leaving its other keys as they are; true when
    // the file holds no such key afterwards.
    bool RemoveKeys(const QString& section, const QStringList& keys) const;
    // The names of the file's sections, in file order.
    QList<QString> SectionNames() const;
    // Sets `key` to exactly the bytes `value`; as WriteString otherwise.
    bool WriteBytes(const QString& section, const QString& key, const QByteArray& value) const;

private:
    QString path_;
};

}  // namespace app

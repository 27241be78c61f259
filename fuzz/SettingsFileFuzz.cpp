// Feeds arbitrary bytes to the settings reader as a settings file, then writes a value taken
// from the same bytes. Reading must never fail on any file; a value that is accepted must read
// back unchanged, and writing it must leave the other keys as they read before.

#include <unistd.h>

#include <cstdint>
#include <string>

#include "app/CIniFile.h"
#include "fuzz/FuzzSupport.h"

using fuzzing::Require;
using fuzzing::SaveAs;
using fuzzing::ScratchFolder;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::string path =
        ScratchFolder() + "/quenvalor-settings-fuzz-" + std::to_string(getpid()) + ".ini";
    // The last bytes, up to the first zero byte from the end, are the value to write; the rest
    // is the file.
    std::size_t split = size;
    while (split > 0 && data[split - 1] != 0) --split;
    const std::size_t fileBytes = split > 0 ? split - 1 : size;
    if (!SaveAs(path, data, fileBytes)) return 0;
    const QString value = QString::fromUtf8(reinterpret_cast<const char*>(data + split),
                                            static_cast<qsizetype>(size - split));

    const app::CIniFile ini(QString::fromStdString(path));
    const QString general = QStringLiteral("General");
    const QString other = ini.ReadString(general, QStringLiteral("Other"), QStringLiteral("-"));
    const QString elsewhere = ini.ReadString(QStringLiteral("Elsewhere"),
                                             QStringLiteral("FilePath"), QStringLiteral("-"));
    ini.ReadString(general, QStringLiteral("FilePath"), QString());

    if (ini.WriteString(general, QStringLiteral("FilePath"), value)) {
        Require(ini.ReadString(general, QStringLiteral("FilePath"), QStringLiteral("-")) == value);
        Require(ini.ReadString(general, QStringLiteral("Other"), QStringLiteral("-")) == other);
        Require(ini.ReadString(QStringLiteral("Elsewhere"), QStringLiteral("FilePath"),
                               QStringLiteral("-")) == elsewhere);
    }
    unlink(path.c_str());
    return 0;
}

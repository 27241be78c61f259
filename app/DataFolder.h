#pragma once

#include <QString>

namespace app {

// The folder that holds the program's data (skin/, Effects/, EffectsBmps/, README.md) for an
// executable in `executableFolder`: that folder itself when it has a skin/ folder, as in the
// build folder; else ../share/quenvalor from it when that has one, as in an installed program
// (bin/quenvalor beside share/quenvalor/); else the executable's folder, where a missing skin
// shows as the window's plain base colour.
QString FindDataFolder(const QString& executableFolder);

}  // namespace app

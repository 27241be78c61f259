#pragma once

#include <QString>

namespace app {

// What the effect browser shows for an effect category, by its folder's name ("Frames"), in the
// user's language; a folder the program does not know is shown by its name.
QString CategoryDisplayName(const QString& folderName);

// The display name of an effect, by its file's base name ("gold_frame" is "Gold frame"), in the
// user's language. The effects the program ships have names of their own; any other file's name
// is shown with spaces for its underscores and a capital first letter.
QString EffectDisplayName(const QString& fileBaseName);

}  // namespace app

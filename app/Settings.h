#pragma once

#include <QString>

namespace app {

// Where the settings file lives: "Quenvalor.ini" in the program's folder when that folder can
// be written, so the program and its settings travel together; otherwise in the user's
// configuration folder ($XDG_CONFIG_HOME/Quenvalor, by default ~/.config/Quenvalor), so that a
// choice made in an installed, read-only program folder still lasts across restarts.
QString SettingsFilePath(const QString& programFolder, bool programFolderWritable);

// Whether the current user may create files in `folder`.
bool IsFolderWritable(const QString& folder);

// The output folder when the settings name none: "ZelkorvanOutput" in the user's home folder.
QString DefaultOutputFolder();

inline constexpr const char* kSettingsSection = "General";
inline constexpr const char* kOutputFolderKey = "FilePath";
inline constexpr const char* kLayoutKey = "Layout";
// The recording size, written like "1280x720"; anything else means 320 x 240 (classic).
inline constexpr const char* kRecordingSizeKey = "RecordingSize";
// The chosen camera's identity.
inline constexpr const char* kCameraKey = "Camera";
// The chosen microphone's identity, or "None"; unset: the sound server's default source.
inline constexpr const char* kMicrophoneKey = "Microphone";

}  // namespace app

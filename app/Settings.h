#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <string>

#include "app/MainLayout.h"
#include "app/PictureOptions.h"
#include "capture/CameraControls.h"
#include "capture/RoadConfig.h"
#include "segmentation/Background.h"

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
// The keys of the [General] section.
inline constexpr const char* kOutputFolderKey = "FilePath";
inline constexpr const char* kLayoutKey = "Layout";
// The recording size, written like "1280x720"; anything else means 320 x 240 (classic).
inline constexpr const char* kRecordingSizeKey = "RecordingSize";
// The chosen camera's identity.
inline constexpr const char* kCameraKey = "Camera";
// The chosen microphone's identity, or "None"; unset: the sound server's default source.
inline constexpr const char* kMicrophoneKey = "Microphone";
inline constexpr const char* kMirrorPreviewKey = "MirrorPreview";
inline constexpr const char* kMirrorOutputKey = "MirrorRecordings";
inline constexpr const char* kSnapshotCountdownKey = "SnapshotCountdown";
// 1 while the virtual camera is switched on.
inline constexpr const char* kVirtualCameraKey = "VirtualCamera";
// The background behind the person: "none", "blur" or "replace"; the blur's strength (1 to 100);
// the replacing picture's file (a picture, or a Scene's effect file), in the file system's bytes.
inline constexpr const char* kBackgroundKey = "Background";
inline constexpr const char* kBackgroundBlurKey = "BackgroundBlur";
inline constexpr const char* kBackgroundPictureKey = "BackgroundPicture";
// Each camera's picture controls are kept in a section of their own, "[Camera <identity>]", one
// key per control in lower case with words joined by underscores ("brightness",
// "white_balance_temperature"; its value, a whole number in the control's units) and, for a
// control the camera can set by itself, its automatic mode under a key of its own
// ("auto_exposure", "white_balance_automatic", "focus_automatic"; 1 or 0).
QString CameraSectionName(const std::string& id);

// Every choice the program keeps in its settings file, typed, each with its default and its
// reading of values it does not understand. The file is read once, when the object is made.
// Each setter keeps the value for this run and writes its keys at once, in one replacement of the
// whole file (a crash while saving leaves the old file or the new one, never half of one), with
// every other line of the file (keys the program does not know, comments, values in any
// encoding) kept byte for byte. A setter is false when the file cannot be written; the value then
// holds for this run only. A file that exists but cannot be read is never written: the program
// runs on the defaults and leaves the file as it is.
class ProgramSettings {
public:
    explicit ProgramSettings(QString file);
    const QString& File() const { return file_; }
    // The file exists but could not be read; nothing is saved to it.
    bool Unreadable() const { return unreadable_; }

    // Where recordings and snapshots go, in the file system's bytes: DefaultOutputFolder() when
    // the file names none.
    const QByteArray& OutputFolder() const { return outputFolder_; }
    bool SetOutputFolder(const QByteArray& folder);
    // "classic" or "studio"; anything else is classic.
    LayoutMode Layout() const { return layout_; }
    bool SetLayout(LayoutMode layout);
    // Written like "1280x720"; anything that is not a recording size is classic.
    const capture::RoadConfig& Road() const { return road_; }
    bool SetRoad(const capture::RoadConfig& road);
    // The chosen camera's identity; empty when none was chosen.
    const std::string& Camera() const { return camera_; }
    bool SetCamera(const std::string& id);
    // The chosen microphone's identity, or "None"; empty for the sound server's default.
    const std::string& Microphone() const { return microphone_; }
    bool SetMicrophone(const std::string& setting);
    // Flags read "1" or "true" as on; a countdown that is not offered is off.
    const PictureOptions& Picture() const { return picture_; }
    bool SetPicture(const PictureOptions& options);
    // Whether the virtual camera is switched on; off unless the file says 1 or true.
    bool VirtualCamera() const { return virtualCamera_; }
    bool SetVirtualCamera(bool on);
    // None unless the file says "blur" or "replace" (in any case); a strength that is not a
    // whole number is the default, one out of range the nearest end.
    const segmentation::BackgroundChoice& Background() const { return background_; }
    bool SetBackground(const segmentation::BackgroundChoice& choice);
    // The picture controls kept for each camera, by identity. Values that are not whole numbers
    // and switches that are not 0/1/true/false are left out, so the camera keeps its own.
    const std::map<std::string, capture::ControlSettings>& CameraControls() const {
        return cameraControls_;
    }
    bool SetCameraControls(const std::string& id, const capture::ControlSettings& settings);
    // Takes the control keys out of camera `id`'s section, so the camera keeps its own values;
    // keys the program does not know stay.
    bool ForgetCameraControls(const std::string& id);

private:
    bool Write(const char* key, const QString& value) const;

    QString file_;
    bool unreadable_ = false;
    QByteArray outputFolder_;
    LayoutMode layout_ = LayoutMode::Classic;
    capture::RoadConfig road_ = capture::RoadConfig::Classic();
    std::string camera_;
    std::string microphone_;
    PictureOptions picture_;
    bool virtualCamera_ = false;
    segmentation::BackgroundChoice background_;
    std::map<std::string, capture::ControlSettings> cameraControls_;
};

}  // namespace app

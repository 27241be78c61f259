#pragma once

#include <QString>

namespace app {

// The user's choices about the picture, kept in the settings file's [General] section: a mirror
// for the preview, a separate one for recordings and snapshots, and the countdown before a
// snapshot. Everything is off by default, so a first start shows what the classic window shows.
struct PictureOptions {
    bool mirrorPreview = false;
    bool mirrorOutput = false;
    int countdownSeconds = 0;  // one of kCountdownChoices

    // The countdowns offered; a value in the file that is none of them means no countdown.
    static constexpr int kCountdownChoices[] = {0, 3, 5, 10};

    // Reads the choices from the settings file at `settingsFile`; what is missing or not
    // understood keeps its default.
    static PictureOptions Read(const QString& settingsFile);
    // Writes all three keys; false when the file cannot be written (the choices then hold for
    // this run only).
    bool Write(const QString& settingsFile) const;

    bool operator==(const PictureOptions&) const = default;
};

inline constexpr const char* kMirrorPreviewKey = "MirrorPreview";
inline constexpr const char* kMirrorOutputKey = "MirrorRecordings";
inline constexpr const char* kSnapshotCountdownKey = "SnapshotCountdown";

}  // namespace app

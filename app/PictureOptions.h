#pragma once

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

    bool operator==(const PictureOptions&) const = default;
};

}  // namespace app

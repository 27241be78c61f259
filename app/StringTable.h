#pragma once

#include <QString>

namespace app {

// The program's string table, by the numbers the windows refer to.
enum StringId : int {
    kIdsAboutBox = 101,            // "&About Brisotel..."
    kIdsSelectSourceWebcam = 102,  // "Select Source Webcam"
    kIdsStartRecord = 103,         // "Start Record Webcam"
    kIdsStopRecord = 104,          // "Stop Record Webcam"
    kIdsVisitWebsite = 107,        // "Visit official website"
    kIdsTakeSnapshot = 108,        // "Take snapshot"
    kIdsEffects = 109,             // "Effects"
};

// The text of string `id` in the user's language; a null text for a number the table does not hold.
QString LoadStringResource(int id);

}  // namespace app

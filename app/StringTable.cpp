#include "app/StringTable.h"

#include <array>
#include <utility>

namespace app {
namespace {

constexpr std::array<std::pair<int, const char*>, 7> kStrings{{
    {kIdsAboutBox, "&About Brisotel..."},
    {kIdsSelectSourceWebcam, "Select Source Webcam"},
    {kIdsStartRecord, "Start Record Webcam"},
    {kIdsStopRecord, "Stop Record Webcam"},
    {kIdsVisitWebsite, "Visit official website"},
    {kIdsTakeSnapshot, "Take snapshot"},
    {kIdsEffects, "Effects"},
}};

}  // namespace

QString LoadStringResource(int id) {
    for (const auto& [stringId, text] : kStrings)
        if (stringId == id) return QString::fromUtf8(text);
    return {};
}

}  // namespace app

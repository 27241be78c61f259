#include "app/StringTable.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace app {
namespace {

constexpr std::array<std::pair<int, const char*>, 7> kStrings{{
    {kIdsAboutBox, QT_TRANSLATE_NOOP("StringTable", "&About Brisotel...")},
    {kIdsSelectSourceWebcam, QT_TRANSLATE_NOOP("StringTable", "Select Source Webcam")},
    {kIdsStartRecord, QT_TRANSLATE_NOOP("StringTable", "Start Record Webcam")},
    {kIdsStopRecord, QT_TRANSLATE_NOOP("StringTable", "Stop Record Webcam")},
    {kIdsVisitWebsite, QT_TRANSLATE_NOOP("StringTable", "Visit official website")},
    {kIdsTakeSnapshot, QT_TRANSLATE_NOOP("StringTable", "Take snapshot")},
    //: The tooltip of the button that switches between the classic window and the studio
    {kIdsEffects, QT_TRANSLATE_NOOP("StringTable", "Effects")},
}};

}  // namespace

QString LoadStringResource(int id) {
    for (const auto& [stringId, text] : kStrings)
        if (stringId == id) return QCoreApplication::translate("StringTable", text);
    return {};
}

}  // namespace app

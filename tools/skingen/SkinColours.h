#pragma once

#include <QColor>

// The skin's colours: a dark band at the top and at the bottom, a light body between them, one
// blue accent.
namespace skingen::colours {

inline const QColor kBandTop(38, 45, 58);
inline const QColor kBandBottom(22, 27, 36);
inline const QColor kBandLine(58, 69, 88);
inline const QColor kAccent(61, 155, 255);
inline const QColor kAccentDeep(38, 110, 230);
inline const QColor kAccentTeal(46, 196, 182);
inline const QColor kRed(229, 72, 77);

inline const QColor kBodyTop(241, 243, 247);
inline const QColor kBodyBottom(230, 234, 240);
inline const QColor kPanelBorder(190, 198, 210);
inline const QColor kListBack(250, 250, 250);

inline const QColor kTextOnDark(232, 237, 243);
inline const QColor kMutedOnDark(170, 181, 197);
inline const QColor kTextOnLight(44, 52, 66);
inline const QColor kMutedOnLight(120, 131, 146);

}  // namespace skingen::colours

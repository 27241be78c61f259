#pragma once

#include <QImage>
#include <QString>

#include "Glyphs.h"

namespace skingen {

enum class ButtonState { Normal, Hover, Click };

enum class ButtonStyle {
    BandTile,         // the big buttons of the top band: a tile with a glyph and a caption
    WindowControl,    // tray and minimise: a bare glyph on the band
    CloseControl,     // close: a bare cross that turns red under the mouse
    BandPill,         // open and change folder on the bottom band: a glyph and a word
    BodyTool,         // the paint tools: a white tile with a glyph
    BodySide,         // Delete and remove all beside the effects table: a glyph and a word
    DialogPrimary,    // the dialog's OK
    DialogSecondary,  // the dialog's Cancel
};

struct ButtonLook {
    ButtonStyle style;
    Glyph glyph;    // may be empty for a word-only button
    QString label;  // caption or word; may be empty
};

// The picture of a button in one state, drawn over `backdrop`, the part of the background the
// button covers (so its rounded corners blend in). The picture has the backdrop's size.
// `elided`, when given, tells whether the word had to be shortened to fit (see FittedText).
QImage DrawButton(const ButtonLook& look, ButtonState state, const QImage& backdrop,
                  bool* elided = nullptr);

// `font`, made smaller (down to 8 pixels) where `text` would not fit in `width`.
QFont FittedFont(QFont font, const QString& text, double width);
// `text` as it fits in `width` in `font`: whole where it fits, else shortened with an ellipsis.
QString FittedText(const QFont& font, const QString& text, double width);

}  // namespace skingen

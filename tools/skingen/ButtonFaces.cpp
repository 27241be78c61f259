#include "ButtonFaces.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include "SkinColours.h"

namespace skingen {
namespace {

using namespace colours;

struct TileColours {
    QColor top, bottom, border;
};

QColor WithAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

QFont LabelFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// A rounded tile with a vertical gradient and a one-pixel border. Raised tiles get a faint light
// line along their top inside edge; pressed tiles a dark one, so they look pushed in.
void DrawTile(QPainter& painter, const QRectF& rect, double radius, const TileColours& colours,
              bool pressed) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, colours.top);
    fill.setColorAt(1, colours.bottom);
    painter.setPen(QPen(colours.border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(rect, radius, radius);

    const QColor edge = pressed ? QColor(0, 0, 0, 70) : QColor(255, 255, 255, 30);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(Qt::NoBrush);
    const double y = rect.top() + (pressed ? 1.5 : 1.0);
    painter.drawLine(QPointF(rect.left() + radius, y), QPointF(rect.right() - radius, y));
    painter.restore();
}

// A soft ring around a tile, for the hover look.
void DrawGlow(QPainter& painter, const QRectF& tile, double radius, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(WithAlpha(colour, 70), 2.0));
    painter.drawRoundedRect(tile.adjusted(-0.5, -0.5, 0.5, 0.5), radius + 0.5, radius + 0.5);
    painter.restore();
}

void DrawWord(QPainter& painter, const QRectF& box, const QString& word, const QFont& font,
              const QColor& colour, Qt::Alignment alignment) {
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, alignment, word);
    painter.restore();
}

// A glyph followed by a word, centred as one group in `box`; the word is made smaller, and
// shortened as a last resort, to fit.
void DrawGlyphAndWord(QPainter& painter, const QRectF& box, const Glyph& glyph, double glyphSize,
                      const QString& fullWord, const QFont& wordFont, const QColor& colour,
                      bool* elided) {
    constexpr double kGap = 4;
    const double room = box.width() - 8 - (glyph ? glyphSize + kGap : 0);
    const QFont font = FittedFont(wordFont, fullWord, room);
    const QString word = FittedText(font, fullWord, room);
    if (elided) *elided = word != fullWord;
    const double wordWidth = word.isEmpty() ? 0 : QFontMetricsF(font).horizontalAdvance(word);
    const double width =
        (glyph ? glyphSize : 0) + (glyph && !word.isEmpty() ? kGap : 0) + wordWidth;
    double x = std::round(box.center().x() - width / 2);
    if (glyph) {
        const double y = std::round(box.center().y() - glyphSize / 2);
        DrawGlyph(painter, glyph, QRectF(x, y, glyphSize, glyphSize), colour);
        x += glyphSize + kGap;
    }
    if (!word.isEmpty())
        DrawWord(painter, QRectF(x, box.top(), wordWidth + 2, box.height()), word, font, colour,
                 Qt::AlignLeft | Qt::AlignVCenter);
}

void DrawBandTile(QPainter& painter, const ButtonLook& look, ButtonState state, QSizeF size,
                  bool* elided) {
    const QRectF tile = QRectF(QPointF(0, 0), size).adjusted(1.5, 1.5, -1.5, -1.5);
    constexpr double kRadius = 7;
    QColor glyphColour(214, 221, 231);
    QColor captionColour = kMutedOnDark;
    switch (state) {
        case ButtonState::Normal:
            DrawTile(painter, tile, kRadius, {{50, 60, 78}, {40, 48, 64}, {64, 76, 97}}, false);
            break;
        case ButtonState::Hover:
            DrawGlow(painter, tile, kRadius, kAccent);
            DrawTile(painter, tile, kRadius, {{64, 78, 102}, {50, 61, 82}, WithAlpha(kAccent, 210)},
                     false);
            glyphColour = Qt::white;
            captionColour = Qt::white;
            break;
        case ButtonState::Click:
            DrawTile(painter, tile, kRadius, {{24, 29, 38}, {31, 38, 50}, WithAlpha(kAccent, 170)},
                     true);
            glyphColour = QColor(200, 214, 232);
            captionColour = QColor(160, 196, 240);
            painter.translate(1, 1);
            break;
    }
    const double glyphSize = 22;
    DrawGlyph(painter, look.glyph, QRectF((size.width() - glyphSize) / 2, 5, glyphSize, glyphSize),
              glyphColour);
    const QFont captionFont = FittedFont(LabelFont(10), look.label, size.width() - 10);
    const QString caption = FittedText(captionFont, look.label, size.width() - 10);
    if (elided) *elided = caption != look.label;
    DrawWord(painter, QRectF(0, 29, size.width(), 13), caption, captionFont, captionColour,
             Qt::AlignHCenter | Qt::AlignVCenter);
}

void DrawWindowControl(QPainter& painter, const ButtonLook& look, ButtonState state, QSizeF size,
                       bool closes) {
    const QRectF tile = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor glyphColour = kMutedOnDark;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    switch (state) {
        case ButtonState::Normal:
            break;
        case ButtonState::Hover:
            painter.setBrush(closes ? kRed : QColor(255, 255, 255, 38));
            painter.drawRoundedRect(tile, 4, 4);
            glyphColour = Qt::white;
            break;
        case ButtonState::Click:
            painter.setBrush(closes ? kRed.darker(135) : QColor(0, 0, 0, 90));
            painter.drawRoundedRect(tile, 4, 4);
            glyphColour = QColor(225, 230, 238);
            painter.translate(1, 1);
            break;
    }
    DrawGlyph(painter, look.glyph, QRectF(3, 3, size.width() - 6, size.height() - 6), glyphColour);
}

void DrawBandPill(QPainter& painter, const ButtonLook& look, ButtonState state, QSizeF size,
                  bool* elided) {
    const QRectF tile = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
    constexpr double kRadius = 4;
    QColor colour = kTextOnDark;
    switch (state) {
        case ButtonState::Normal:
            DrawTile(painter, tile, kRadius, {{48, 58, 75}, {39, 47, 62}, {70, 84, 106}}, false);
            break;
        case ButtonState::Hover:
            DrawTile(painter, tile, kRadius, {{62, 76, 100}, {50, 61, 82}, kAccent}, false);
            colour = Qt::white;
            break;
        case ButtonState::Click:
            DrawTile(painter, tile, kRadius, {{22, 27, 36}, {29, 35, 46}, WithAlpha(kAccent, 160)},
                     true);
            colour = QColor(200, 214, 232);
            painter.translate(1, 1);
            break;
    }
    DrawGlyphAndWord(painter, tile, look.glyph, 13, look.label, LabelFont(11), colour, elided);
}

// The white tiles of the light body: the paint tools and the buttons beside the effects table.
void DrawBodyButton(QPainter& painter, const ButtonLook& look, ButtonState state, QSizeF size,
                    bool withWord, bool* elided) {
    const QRectF tile = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
    constexpr double kRadius = 5;
    QColor colour = kTextOnLight;
    switch (state) {
        case ButtonState::Normal:
            DrawTile(painter, tile, kRadius, {{255, 255, 255}, {241, 244, 248}, kPanelBorder},
                     false);
            break;
        case ButtonState::Hover:
            DrawTile(painter, tile, kRadius, {{244, 249, 255}, {226, 238, 255}, kAccent}, false);
            colour = kAccentDeep;
            break;
        case ButtonState::Click:
            DrawTile(painter, tile, kRadius, {{214, 222, 233}, {224, 230, 239}, {150, 166, 190}},
                     true);
            colour = kTextOnLight.darker(120);
            painter.translate(1, 1);
            break;
    }
    if (withWord)
        DrawGlyphAndWord(painter, tile, look.glyph, 14, look.label, LabelFont(10), colour, elided);
    else
        DrawGlyph(painter, look.glyph, tile.adjusted(4.5, 4.5, -4.5, -4.5), colour);
}

void DrawDialogButton(QPainter& painter, const ButtonLook& look, ButtonState state, QSizeF size,
                      bool primary, bool* elided) {
    const QRectF tile = QRectF(QPointF(0, 0), size).adjusted(1.5, 1.5, -1.5, -1.5);
    constexpr double kRadius = 5;
    QColor colour = primary ? QColor(Qt::white) : kTextOnLight;
    switch (state) {
        case ButtonState::Normal:
            if (primary)
                DrawTile(painter, tile, kRadius, {{82, 160, 255}, {47, 128, 237}, {40, 108, 210}},
                         false);
            else
                DrawTile(painter, tile, kRadius, {{255, 255, 255}, {242, 245, 249}, kPanelBorder},
                         false);
            break;
        case ButtonState::Hover:
            DrawGlow(painter, tile, kRadius, kAccent);
            if (primary) {
                DrawTile(painter, tile, kRadius, {{110, 178, 255}, {66, 145, 246}, {47, 128, 237}},
                         false);
            } else {
                DrawTile(painter, tile, kRadius, {{246, 250, 255}, {230, 240, 255}, kAccent},
                         false);
                colour = kAccentDeep;
            }
            break;
        case ButtonState::Click:
            if (primary)
                DrawTile(painter, tile, kRadius, {{36, 100, 200}, {44, 114, 220}, {30, 88, 180}},
                         true);
            else
                DrawTile(painter, tile, kRadius,
                         {{218, 225, 235}, {228, 233, 241}, {150, 166, 190}}, true);
            painter.translate(1, 1);
            break;
    }
    DrawGlyphAndWord(painter, tile, look.glyph, 14, look.label, LabelFont(12, primary), colour,
                     elided);
}

}  // namespace

QFont FittedFont(QFont font, const QString& text, double width) {
    while (font.pixelSize() > 8 && QFontMetricsF(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QString FittedText(const QFont& font, const QString& text, double width) {
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance(text) <= width ? text
                                                    : metrics.elidedText(text, Qt::ElideRight, width);
}

QImage DrawButton(const ButtonLook& look, ButtonState state, const QImage& backdrop,
                  bool* elided) {
    if (elided) *elided = false;
    QImage picture = backdrop.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QSizeF size = picture.size();
    switch (look.style) {
        case ButtonStyle::BandTile:
            DrawBandTile(painter, look, state, size, elided);
            break;
        case ButtonStyle::WindowControl:
            DrawWindowControl(painter, look, state, size, false);
            break;
        case ButtonStyle::CloseControl:
            DrawWindowControl(painter, look, state, size, true);
            break;
        case ButtonStyle::BandPill:
            DrawBandPill(painter, look, state, size, elided);
            break;
        case ButtonStyle::BodyTool:
            DrawBodyButton(painter, look, state, size, false, elided);
            break;
        case ButtonStyle::BodySide:
            DrawBodyButton(painter, look, state, size, true, elided);
            break;
        case ButtonStyle::DialogPrimary:
            DrawDialogButton(painter, look, state, size, true, elided);
            break;
        case ButtonStyle::DialogSecondary:
            DrawDialogButton(painter, look, state, size, false, elided);
            break;
    }
    return picture;
}

}  // namespace skingen

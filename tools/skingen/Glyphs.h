#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

#include <functional>

namespace skingen {

// A glyph draws itself in a 24 x 24 unit square in one colour (a few glyphs add fixed colours of
// their own, such as the record dot and the palette's paints). DrawGlyph maps the square onto the
// place of the icon.
using Glyph = std::function<void(QPainter&, const QColor&)>;

void DrawGlyph(QPainter& painter, const Glyph& glyph, const QRectF& box, const QColor& colour);

// A round-capped, round-joined pen of `width` units.
QPen LinePen(const QColor& colour, double width = 1.8);

namespace glyphs {
void Webcam(QPainter& painter, const QColor& colour);
void RecordDot(QPainter& painter, const QColor& colour);
void StopSquare(QPainter& painter, const QColor& colour);
void Aperture(QPainter& painter, const QColor& colour);
void House(QPainter& painter, const QColor& colour);
void ArrowIntoTray(QPainter& painter, const QColor& colour);
void MinimiseBar(QPainter& painter, const QColor& colour);
void CloseCross(QPainter& painter, const QColor& colour);
void Folder(QPainter& painter, const QColor& colour);
void FolderWithArrow(QPainter& painter, const QColor& colour);
void Brush(QPainter& painter, const QColor& colour);
void Eraser(QPainter& painter, const QColor& colour);
void ClearCanvas(QPainter& painter, const QColor& colour);
void Palette(QPainter& painter, const QColor& colour);
void Trash(QPainter& painter, const QColor& colour);
void ClearList(QPainter& painter, const QColor& colour);
void MagicWand(QPainter& painter, const QColor& colour);
void Pointer(QPainter& painter, const QColor& colour);
void VideoCall(QPainter& painter, const QColor& colour);
// A round dot showing a brush width; `diameter` in units.
Glyph BrushDot(double diameter);

// The glyphs of the effect categories.
void FilmStrip(QPainter& painter, const QColor& colour);
void Waves(QPainter& painter, const QColor& colour);
void ColourCircles(QPainter& painter, const QColor& colour);
void Landscape(QPainter& painter, const QColor& colour);
void Smiley(QPainter& painter, const QColor& colour);
void Sunglasses(QPainter& painter, const QColor& colour);
void PictureFrame(QPainter& painter, const QColor& colour);
}  // namespace glyphs

}  // namespace skingen

#include "Glyphs.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace skingen {

void DrawGlyph(QPainter& painter, const Glyph& glyph, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 24.0, box.height() / 24.0);
    glyph(painter, colour);
    painter.restore();
}

QPen LinePen(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

namespace glyphs {
namespace {

QColor WithAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

void Polyline(QPainter& painter, std::initializer_list<QPointF> points) {
    painter.drawPolyline(points.begin(), static_cast<int>(points.size()));
}

// A four-pointed sparkle centred at `centre`.
void Sparkle(QPainter& painter, QPointF centre, double radius) {
    const double waist = radius * 0.28;
    QPainterPath star;
    star.moveTo(centre + QPointF(0, -radius));
    star.quadTo(centre + QPointF(waist, -waist), centre + QPointF(radius, 0));
    star.quadTo(centre + QPointF(waist, waist), centre + QPointF(0, radius));
    star.quadTo(centre + QPointF(-waist, waist), centre + QPointF(-radius, 0));
    star.quadTo(centre + QPointF(-waist, -waist), centre + QPointF(0, -radius));
    painter.drawPath(star);
}

}  // namespace

void Webcam(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour));
    painter.setBrush(WithAlpha(colour, 40));
    painter.drawEllipse(QPointF(12, 10), 7.5, 7.5);
    // The lens: a dark glass with a ring and a glint.
    painter.setBrush(colour);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(12, 10), 3.6, 3.6);
    painter.setBrush(QColor(20, 26, 36));
    painter.drawEllipse(QPointF(12, 10), 2.2, 2.2);
    painter.setBrush(WithAlpha(Qt::white, 220));
    painter.drawEllipse(QPointF(11.1, 9.1), 0.8, 0.8);
    // The stand.
    painter.setPen(LinePen(colour));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(12, 17.5), QPointF(12, 20.5));
    painter.drawLine(QPointF(7.5, 21), QPointF(16.5, 21));
}

void RecordDot(QPainter& painter, const QColor& colour) {
    const QColor red(238, 64, 72);
    painter.setPen(LinePen(WithAlpha(red, 110), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(12, 12), 9, 9);
    QRadialGradient fill(QPointF(10, 9.5), 8);
    fill.setColorAt(0, red.lighter(135));
    fill.setColorAt(1, red);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawEllipse(QPointF(12, 12), 6.5, 6.5);
    // The state colour brightens the glint, so hover and press read on the dot too.
    painter.setBrush(WithAlpha(colour, 120));
    painter.drawEllipse(QPointF(9.8, 9.6), 1.6, 1.2);
}

void StopSquare(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(6, 6, 12, 12), 2.2, 2.2);
}

void Aperture(QPainter& painter, const QColor& colour) {
    constexpr QPointF kCentre(12, 12);
    constexpr double kOuter = 9.5;
    constexpr double kInner = 4.4;
    painter.setPen(LinePen(colour, 1.7));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(kCentre, kOuter, kOuter);
    // Six blades: from each corner of the inner hexagon a line runs on, turned by 120 degrees,
    // to the rim.
    for (int blade = 0; blade < 6; ++blade) {
        const double angle = (blade * 60.0 - 60.0) * std::numbers::pi / 180.0;
        const QPointF start = kCentre + QPointF(std::cos(angle), std::sin(angle)) * kInner;
        const double heading = angle + 2.0 * std::numbers::pi / 3.0;
        const QPointF direction(std::cos(heading), std::sin(heading));
        // Solve |start - centre + t * direction| = outer for the positive t.
        const QPointF offset = start - kCentre;
        const double b = QPointF::dotProduct(offset, direction);
        const double c = QPointF::dotProduct(offset, offset) - kOuter * kOuter;
        const double t = -b + std::sqrt(b * b - c);
        painter.drawLine(start, start + direction * t);
    }
}

void House(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour));
    painter.setBrush(Qt::NoBrush);
    Polyline(painter, {{3, 11.5}, {12, 3.8}, {21, 11.5}});
    Polyline(painter, {{5.8, 9.6}, {5.8, 20.5}, {18.2, 20.5}, {18.2, 9.6}});
    painter.setBrush(WithAlpha(colour, 60));
    painter.drawRoundedRect(QRectF(10, 14, 4, 6.5), 0.6, 0.6);
}

void ArrowIntoTray(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 2.0));
    painter.setBrush(Qt::NoBrush);
    Polyline(painter, {{4, 14}, {4, 19.5}, {20, 19.5}, {20, 14}});
    painter.drawLine(QPointF(12, 3.5), QPointF(12, 14));
    Polyline(painter, {{7.8, 10}, {12, 14.2}, {16.2, 10}});
}

void MinimiseBar(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 2.2));
    painter.drawLine(QPointF(6, 15), QPointF(18, 15));
}

void CloseCross(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 2.2));
    painter.drawLine(QPointF(7, 7), QPointF(17, 17));
    painter.drawLine(QPointF(17, 7), QPointF(7, 17));
}

namespace {
QPainterPath FolderOutline() {
    QPainterPath folder;
    folder.moveTo(3, 6.5);
    folder.quadTo(3, 5, 4.5, 5);
    folder.lineTo(9, 5);
    folder.lineTo(11, 7.2);
    folder.lineTo(19.5, 7.2);
    folder.quadTo(21, 7.2, 21, 8.7);
    folder.lineTo(21, 17.5);
    folder.quadTo(21, 19, 19.5, 19);
    folder.lineTo(4.5, 19);
    folder.quadTo(3, 19, 3, 17.5);
    folder.closeSubpath();
    return folder;
}
}  // namespace

void Folder(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 1.7));
    painter.setBrush(WithAlpha(colour, 55));
    painter.drawPath(FolderOutline());
    painter.drawLine(QPointF(3, 10), QPointF(21, 10));
}

void FolderWithArrow(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 1.7));
    painter.setBrush(WithAlpha(colour, 55));
    painter.drawPath(FolderOutline());
    painter.setBrush(Qt::NoBrush);
    painter.setPen(LinePen(colour, 1.8));
    painter.drawLine(QPointF(8, 13.2), QPointF(16, 13.2));
    Polyline(painter, {{13, 10.4}, {16, 13.2}, {13, 16}});
}

void Brush(QPainter& painter, const QColor& colour) {
    // The handle, a metal ferrule and the loaded tip.
    painter.setPen(LinePen(colour, 2.4));
    painter.drawLine(QPointF(20, 4), QPointF(13.6, 10.4));
    painter.setPen(LinePen(colour, 1.2));
    painter.setBrush(WithAlpha(colour, 90));
    painter.save();
    painter.translate(12.4, 11.6);
    painter.rotate(45);
    painter.drawRoundedRect(QRectF(-2.4, -1.3, 4.8, 2.6), 0.6, 0.6);
    painter.restore();
    QPainterPath tip;
    tip.moveTo(11.4, 12.8);
    tip.cubicTo(8.4, 12.4, 7, 14.8, 6.7, 16.8);
    tip.cubicTo(6.4, 18.7, 5.2, 19.7, 3.6, 20.3);
    tip.cubicTo(7.6, 21.2, 11.2, 19.8, 12.1, 16.9);
    tip.cubicTo(12.5, 15.4, 12.6, 14, 11.4, 12.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(tip);
}

void Eraser(QPainter& painter, const QColor& colour) {
    painter.save();
    painter.translate(12.5, 11.5);
    painter.rotate(-45);
    const QRectF body(-8, -4.2, 16, 8.4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 128, 150));
    painter.drawRoundedRect(QRectF(-8, -4.2, 7, 8.4), 1.5, 1.5);
    painter.drawRect(QRectF(-3, -4.2, 2, 8.4));
    painter.setPen(LinePen(colour, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(body, 1.6, 1.6);
    painter.drawLine(QPointF(-1, -4.2), QPointF(-1, 4.2));
    painter.restore();
    painter.setPen(LinePen(colour, 1.5));
    painter.drawLine(QPointF(10, 20.5), QPointF(20.5, 20.5));
}

void ClearCanvas(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(3.5, 5, 15, 14), 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    Sparkle(painter, QPointF(18.5, 6), 4.6);
    Sparkle(painter, QPointF(10, 12.5), 3.2);
}

void Palette(QPainter& painter, const QColor& colour) {
    QPainterPath board;
    board.addEllipse(QPointF(12, 12), 9.5, 8.6);
    QPainterPath thumbHole;
    thumbHole.addEllipse(QPointF(15.8, 15.6), 2.1, 2.1);
    QPainterPath notch;
    notch.addEllipse(QPointF(21.2, 17.2), 3.2, 2.6);
    painter.setPen(LinePen(colour, 1.5));
    painter.setBrush(WithAlpha(colour, 35));
    painter.drawPath(board.subtracted(thumbHole).subtracted(notch));
    painter.setPen(Qt::NoPen);
    const std::pair<QPointF, QColor> paints[] = {
        {{7.4, 11.5}, QColor(235, 72, 80)},
        {{9.6, 7.2}, QColor(250, 190, 40)},
        {{14.2, 6.6}, QColor(60, 190, 110)},
        {{17.6, 10.0}, QColor(64, 140, 255)},
    };
    for (const auto& [centre, paint] : paints) {
        painter.setBrush(paint);
        painter.drawEllipse(centre, 1.9, 1.9);
    }
}

void Trash(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 1.7));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(3.5, 6.5), QPointF(20.5, 6.5));
    Polyline(painter, {{9, 6.5}, {9, 4}, {15, 4}, {15, 6.5}});
    QPainterPath can;
    can.moveTo(5.8, 6.5);
    can.lineTo(7, 19.6);
    can.quadTo(7.15, 21, 8.6, 21);
    can.lineTo(15.4, 21);
    can.quadTo(16.85, 21, 17, 19.6);
    can.lineTo(18.2, 6.5);
    painter.drawPath(can);
    painter.drawLine(QPointF(10, 10.5), QPointF(10, 17));
    painter.drawLine(QPointF(14, 10.5), QPointF(14, 17));
}

void ClearList(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 1.8));
    painter.drawLine(QPointF(3.5, 6), QPointF(17, 6));
    painter.drawLine(QPointF(3.5, 11), QPointF(14, 11));
    painter.drawLine(QPointF(3.5, 16), QPointF(10, 16));
    painter.drawLine(QPointF(14.5, 14.5), QPointF(20.5, 20.5));
    painter.drawLine(QPointF(20.5, 14.5), QPointF(14.5, 20.5));
}

void MagicWand(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 2.4));
    painter.drawLine(QPointF(4, 20), QPointF(14.5, 9.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    Sparkle(painter, QPointF(17.5, 6.5), 4.4);
    Sparkle(painter, QPointF(8.5, 5), 2.4);
    Sparkle(painter, QPointF(19.5, 15), 2.4);
}

// The mouse pointer: an arrow head with its tail, for arranging effects with the mouse.
void Pointer(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 1.8));
    painter.setBrush(WithAlpha(colour, 70));
    painter.drawPolygon(QPolygonF({{6, 3}, {6, 19}, {10, 15}, {13, 21.5}, {16, 20}, {13, 14},
                                   {18.5, 14}}));
}

void VideoCall(QPainter& painter, const QColor& colour) {
    // A video camera whose picture goes out: the body, the lens cone and two waves beside it.
    painter.setPen(LinePen(colour, 1.7));
    painter.setBrush(WithAlpha(colour, 50));
    painter.drawRoundedRect(QRectF(2.5, 8, 12, 9), 2, 2);
    painter.drawPolygon(QPolygonF({{14.5, 11}, {18.5, 8.5}, {18.5, 16.5}, {14.5, 14}}));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(14, 4.5, 8, 16), -60 * 16, 120 * 16);
    painter.drawArc(QRectF(12.5, 1.5, 11.5, 22), -55 * 16, 110 * 16);
}

Glyph BrushDot(double diameter) {
    return [diameter](QPainter& painter, const QColor& colour) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(12, 12), diameter / 2, diameter / 2);
    };
}

void FilmStrip(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(2.5, 4.5, 19, 15), 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (int hole = 0; hole < 5; ++hole) {
        const double x = 4.3 + hole * 3.6;
        painter.drawRect(QRectF(x, 6, 1.8, 1.6));
        painter.drawRect(QRectF(x, 16.4, 1.8, 1.6));
    }
    QPainterPath play;
    play.moveTo(10, 9.2);
    play.lineTo(15, 12);
    play.lineTo(10, 14.8);
    play.closeSubpath();
    painter.drawPath(play);
}

void Waves(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 1.8));
    painter.setBrush(Qt::NoBrush);
    for (int row = 0; row < 3; ++row) {
        const double y = 6.5 + row * 5.5;
        QPainterPath wave;
        wave.moveTo(3, y);
        wave.cubicTo(6, y - 3.2, 9, y - 3.2, 12, y);
        wave.cubicTo(15, y + 3.2, 18, y + 3.2, 21, y);
        painter.drawPath(wave);
    }
}

void ColourCircles(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 1.6));
    painter.setBrush(WithAlpha(colour, 50));
    painter.drawEllipse(QPointF(12, 8.4), 5.6, 5.6);
    painter.drawEllipse(QPointF(8.6, 14.4), 5.6, 5.6);
    painter.drawEllipse(QPointF(15.4, 14.4), 5.6, 5.6);
}

void Landscape(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(2.5, 4, 19, 16), 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(16.5, 8.6), 1.9, 1.9);
    QPainterPath hills;
    hills.moveTo(3.3, 19.2);
    hills.lineTo(9, 11.2);
    hills.lineTo(13, 16);
    hills.lineTo(15.4, 13.4);
    hills.lineTo(20.7, 19.2);
    hills.closeSubpath();
    painter.drawPath(hills);
}

void Smiley(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 1.7));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(12, 12), 9, 9);
    painter.drawArc(QRectF(7.2, 8, 9.6, 8.8), 200 * 16, 140 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(9, 9.8), 1.3, 1.5);
    painter.drawEllipse(QPointF(15, 9.8), 1.3, 1.5);
}

void Sunglasses(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 1.6));
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(3, 10, 7.6, 6), 2.6, 2.6);
    painter.drawRoundedRect(QRectF(13.4, 10, 7.6, 6), 2.6, 2.6);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(10, 9.6, 4, 3), 20 * 16, 140 * 16);
    Polyline(painter, {{3, 11}, {1.5, 8}});
    Polyline(painter, {{21, 11}, {22.5, 8}});
}

void PictureFrame(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(3, 3.5, 18, 17));
    painter.setPen(LinePen(colour, 1.2));
    painter.drawRect(QRectF(6.6, 7.1, 10.8, 9.8));
    painter.drawLine(QPointF(3, 3.5), QPointF(6.6, 7.1));
    painter.drawLine(QPointF(21, 3.5), QPointF(17.4, 7.1));
    painter.drawLine(QPointF(3, 20.5), QPointF(6.6, 16.9));
    painter.drawLine(QPointF(21, 20.5), QPointF(17.4, 16.9));
}

}  // namespace glyphs
}  // namespace skingen

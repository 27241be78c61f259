// Accessories: things worn on or around the sample figure's head, in frame coordinates.

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "tools/fxgen/Artwork.h"
#include "tools/fxgen/Painting.h"

namespace fxgen {
namespace {

using namespace face;

QRadialGradient Shine(QPointF centre, double radius, const QColor& colour) {
    QRadialGradient gradient(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.3);
    gradient.setColorAt(0, colour.lighter(160));
    gradient.setColorAt(0.5, colour);
    gradient.setColorAt(1, colour.darker(160));
    return gradient;
}

// A fluffy ball of small overlapping puffs.
void DrawPompom(QPainter& painter, QPointF centre, double radius, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    Random random(static_cast<uint32_t>(centre.x() * 7 + centre.y()));
    for (int i = 0; i < 26; ++i) {
        const double angle = random.Uniform(0, 2 * std::numbers::pi);
        const double distance = random.Uniform(0, radius * 0.7);
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * distance;
        painter.setBrush(Mix(colour, Qt::white, random.Uniform(0, 0.5)));
        painter.drawEllipse(at, radius * 0.42, radius * 0.42);
    }
}

}  // namespace

PlacedPicture DrawSunglasses() {
    PlacedPicture placed = PictureOver(QRect(146, 128, 188, 64));
    QPainter painter(&placed.picture);
    BeginFrameCoordinates(painter, placed);
    const QColor frame(24, 24, 28);
    // Temples running back to the ears, then the bridge.
    painter.setPen(QPen(frame, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(186, 150), QPointF(150, 156));
    painter.drawLine(QPointF(294, 150), QPointF(330, 156));
    painter.setBrush(Qt::NoBrush);
    QPainterPath bridge;
    bridge.moveTo(234, 152);
    bridge.quadTo(240, 144, 246, 152);
    painter.drawPath(bridge);
    for (const QPointF eye : {kLeftEye, kRightEye}) {
        QPainterPath lens;
        lens.moveTo(eye + QPointF(-28, -14));
        lens.cubicTo(eye + QPointF(-10, -18), eye + QPointF(10, -18), eye + QPointF(28, -14));
        lens.cubicTo(eye + QPointF(30, 8), eye + QPointF(20, 24), eye + QPointF(2, 24));
        lens.cubicTo(eye + QPointF(-16, 24), eye + QPointF(-30, 10), eye + QPointF(-28, -14));
        lens.closeSubpath();
        // Tinted glass that lets a little of the eyes through.
        QLinearGradient tint(eye + QPointF(0, -18), eye + QPointF(0, 24));
        tint.setColorAt(0, QColor(20, 30, 60, 235));
        tint.setColorAt(1, QColor(60, 20, 90, 205));
        painter.setPen(QPen(frame, 4));
        painter.setBrush(tint);
        painter.drawPath(lens);
        // Reflections.
        painter.save();
        painter.setClipPath(lens);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 90));
        painter.drawPath(PolygonPath({eye + QPointF(-20, -20), eye + QPointF(-8, -20),
                                      eye + QPointF(-26, 26), eye + QPointF(-38, 26)}));
        painter.setBrush(QColor(255, 255, 255, 60));
        painter.drawPath(PolygonPath({eye + QPointF(-2, -20), eye + QPointF(2, -20),
                                      eye + QPointF(-16, 26), eye + QPointF(-20, 26)}));
        painter.restore();
    }
    return placed;
}

PlacedPicture DrawPartyHat() {
    PlacedPicture placed = PictureOver(QRect(176, 0, 128, 114));
    QPainter painter(&placed.picture);
    BeginFrameCoordinates(painter, placed);
    const QPointF apex(232, 18);
    const QPainterPath cone = PolygonPath({apex, {286, 96}, {194, 100}});
    DrawSoftShadow(painter, cone, {3, 3}, 3, QColor(0, 0, 0, 70));
    QLinearGradient body(194, 0, 286, 0);
    body.setColorAt(0, QColor(150, 70, 230));
    body.setColorAt(1, QColor(90, 30, 170));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawPath(cone);
    // Diagonal stripes and dots inside the cone.
    painter.save();
    painter.setClipPath(cone);
    const QColor stripes[] = {QColor(255, 210, 50), QColor(60, 210, 200), QColor(255, 90, 130)};
    for (int i = 0; i < 6; ++i) {
        const double y = 28 + i * 14;
        painter.setBrush(stripes[i % 3]);
        painter.drawPath(PolygonPath({{180, y + 12}, {300, y - 10}, {300, y - 4}, {180, y + 18}}));
    }
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(60, 20, 110), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(cone);
    // A zigzag trim along the bottom and a pompom on top.
    QPainterPath trim;
    trim.moveTo(192, 100);
    for (int i = 1; i <= 12; ++i) {
        const double t = i / 12.0;
        const QPointF along = QPointF(192, 100) + (QPointF(288, 96) - QPointF(192, 100)) * t;
        trim.lineTo(along + QPointF(0, i % 2 == 1 ? 9 : 0));
    }
    painter.setPen(QPen(QColor(255, 255, 255), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(trim);
    DrawPompom(painter, apex, 13, QColor(255, 200, 40));
    return placed;
}

PlacedPicture DrawCrown() {
    PlacedPicture placed = PictureOver(QRect(164, 14, 152, 94));
    QPainter painter(&placed.picture);
    BeginFrameCoordinates(painter, placed);
    QPainterPath crown;
    crown.moveTo(182, 96);
    crown.lineTo(176, 40);
    crown.lineTo(204, 64);
    crown.lineTo(222, 28);
    crown.lineTo(240, 58);
    crown.lineTo(258, 28);
    crown.lineTo(276, 64);
    crown.lineTo(304, 40);
    crown.lineTo(298, 96);
    crown.quadTo(240, 88, 182, 96);
    crown.closeSubpath();
    DrawSoftShadow(painter, crown, {2, 4}, 3, QColor(0, 0, 0, 80));
    QLinearGradient gold(0, 28, 0, 96);
    gold.setColorAt(0, QColor(255, 236, 140));
    gold.setColorAt(0.5, QColor(240, 180, 40));
    gold.setColorAt(1, QColor(176, 112, 20));
    painter.setPen(QPen(QColor(120, 70, 10), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(gold);
    painter.drawPath(crown);
    // A band with jewels, and pearls on the points.
    painter.setPen(QPen(QColor(120, 70, 10), 1.5));
    painter.setBrush(QColor(255, 214, 90));
    QPainterPath band;
    band.moveTo(180, 78);
    band.quadTo(240, 70, 300, 78);
    band.lineTo(298, 94);
    band.quadTo(240, 86, 182, 94);
    band.closeSubpath();
    painter.drawPath(band);
    const QColor jewels[] = {QColor(40, 120, 230), QColor(220, 30, 60), QColor(30, 170, 90)};
    const QPointF places[] = {{208, 84}, {240, 81}, {272, 84}};
    for (int i = 0; i < 3; ++i) {
        painter.setPen(QPen(jewels[i].darker(170), 1));
        painter.setBrush(Shine(places[i], 6, jewels[i]));
        painter.drawEllipse(places[i], i == 1 ? 7 : 5.5, i == 1 ? 6 : 5);
    }
    for (const QPointF tip :
         {QPointF(176, 40), QPointF(222, 28), QPointF(258, 28), QPointF(304, 40)}) {
        painter.setPen(QPen(QColor(160, 150, 140), 1));
        painter.setBrush(Shine(tip, 5, QColor(250, 246, 236)));
        painter.drawEllipse(tip, 5, 5);
    }
    return placed;
}

PlacedPicture DrawBowTie() {
    PlacedPicture placed = PictureOver(QRect(184, 264, 112, 56));
    QPainter painter(&placed.picture);
    BeginFrameCoordinates(painter, placed);
    const QPointF centre(240, 292);
    QPainterPath wings;
    for (const double side : {-1.0, 1.0}) {
        QPainterPath wing;
        wing.moveTo(centre + QPointF(side * 6, -7));
        wing.cubicTo(centre + QPointF(side * 24, -24), centre + QPointF(side * 46, -26),
                     centre + QPointF(side * 50, -10));
        wing.cubicTo(centre + QPointF(side * 54, 4), centre + QPointF(side * 50, 22),
                     centre + QPointF(side * 44, 24));
        wing.cubicTo(centre + QPointF(side * 34, 26), centre + QPointF(side * 20, 14),
                     centre + QPointF(side * 6, 7));
        wing.closeSubpath();
        wings = wings.united(wing);
    }
    DrawSoftShadow(painter, wings, {1, 3}, 3, QColor(0, 0, 0, 90));
    painter.setPen(QPen(QColor(110, 10, 30), 2));
    painter.setBrush(Shine(centre + QPointF(0, -8), 50, QColor(214, 30, 60)));
    painter.drawPath(wings);
    painter.save();
    painter.setClipPath(wings);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 230));
    for (double y = centre.y() - 28; y < centre.y() + 30; y += 11) {
        for (double x = centre.x() - 56 + std::fmod(y, 22) / 2; x < centre.x() + 56; x += 13) {
            painter.drawEllipse(QPointF(x, y), 2.6, 2.6);
        }
    }
    painter.restore();
    painter.setPen(QPen(QColor(110, 10, 30), 2));
    painter.setBrush(Shine(centre, 10, QColor(190, 20, 50)));
    painter.drawRoundedRect(QRectF(centre.x() - 9, centre.y() - 10, 18, 20), 5, 5);
    return placed;
}

PlacedPicture DrawTopHat() {
    PlacedPicture placed = PictureOver(QRect(134, 0, 212, 114));
    QPainter painter(&placed.picture);
    BeginFrameCoordinates(painter, placed);
    const QColor black(28, 28, 32);
    QPainterPath hat;
    hat.addEllipse(QPointF(240, 94), 100, 14);
    QPainterPath crown;
    crown.moveTo(186, 94);
    crown.lineTo(182, 12);
    crown.quadTo(240, 2, 298, 12);
    crown.lineTo(294, 94);
    crown.closeSubpath();
    hat = hat.united(crown);
    DrawSoftShadow(painter, hat, {3, 4}, 4, QColor(0, 0, 0, 90));
    QLinearGradient sheen(182, 0, 298, 0);
    sheen.setColorAt(0, QColor(20, 20, 24));
    sheen.setColorAt(0.3, QColor(80, 80, 90));
    sheen.setColorAt(0.45, QColor(36, 36, 40));
    sheen.setColorAt(1, QColor(12, 12, 14));
    painter.setPen(QPen(QColor(0, 0, 0), 2));
    painter.setBrush(black);
    painter.drawEllipse(QPointF(240, 94), 100, 14);
    painter.setBrush(sheen);
    painter.drawPath(crown);
    painter.setBrush(QColor(50, 50, 56));
    painter.drawEllipse(QPointF(240, 12), 58, 7);
    // A red band with a small white feather.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 50));
    painter.drawPath(PolygonPath({{185, 70}, {295, 70}, {294, 88}, {186, 88}}));
    painter.setBrush(QColor(255, 255, 255, 230));
    QPainterPath feather;
    feather.moveTo(282, 80);
    feather.cubicTo(296, 50, 320, 34, 318, 22);
    feather.cubicTo(312, 40, 292, 56, 282, 80);
    painter.drawPath(feather);
    return placed;
}

PlacedPicture DrawHeadphones() {
    PlacedPicture placed = PictureOver(QRect(128, 50, 224, 170));
    QPainter painter(&placed.picture);
    BeginFrameCoordinates(painter, placed);
    // The band over the head.
    QPainterPath band;
    band.moveTo(154, 160);
    band.cubicTo(140, 40, 340, 40, 326, 160);
    const QColor plastic(250, 110, 160);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(140, 40, 90), 16, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(band);
    painter.setPen(QPen(plastic, 11, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(band);
    painter.setPen(QPen(QColor(255, 220, 235, 180), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(band.translated(0, -2));
    // The ear cups with cushions.
    for (const double side : {-1.0, 1.0}) {
        const QPointF at(240 + side * 78, 178);
        QPainterPath cup;
        cup.addRoundedRect(QRectF(at.x() - 17, at.y() - 34, 34, 68), 14, 14);
        DrawSoftShadow(painter, cup, {side * 2, 3}, 3, QColor(0, 0, 0, 90));
        painter.setPen(QPen(QColor(140, 40, 90), 2));
        painter.setBrush(Shine(at, 34, plastic));
        painter.drawPath(cup);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(60, 50, 60));
        painter.drawRoundedRect(QRectF(at.x() - side * 17 - (side > 0 ? 0 : 6), at.y() - 28, 6, 56),
                                3, 3);
        painter.setBrush(QColor(255, 255, 255, 220));
        painter.drawPath(HeartPath(at + QPointF(side * 2, 0), 16, 14));
    }
    return placed;
}

PlacedFrames DrawPropellerCap(int frameCount) {
    const QRect area(170, 0, 140, 106);
    PlacedFrames result{{}, area.topLeft()};
    const QColor segments[] = {QColor(230, 50, 50), QColor(255, 210, 40), QColor(40, 120, 230),
                               QColor(40, 180, 90)};
    for (int frame = 0; frame < frameCount; ++frame) {
        PlacedPicture placed = PictureOver(area);
        QPainter painter(&placed.picture);
        BeginFrameCoordinates(painter, placed);
        // The dome in four coloured segments, and a visor.
        const QPointF base(240, 100);
        QPainterPath dome;
        dome.moveTo(base + QPointF(-64, 0));
        dome.cubicTo(base + QPointF(-64, -64), base + QPointF(64, -64), base + QPointF(64, 0));
        dome.closeSubpath();
        DrawSoftShadow(painter, dome, {2, 3}, 3, QColor(0, 0, 0, 80));
        painter.save();
        painter.setClipPath(dome);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            const double x0 = 176 + i * 32;
            painter.setBrush(segments[i]);
            painter.drawPath(PolygonPath({{240, 40}, {x0, 104}, {x0 + 32, 104}}));
        }
        QRadialGradient light(QPointF(220, 60), 60);
        light.setColorAt(0, QColor(255, 255, 255, 110));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setBrush(light);
        painter.drawRect(QRectF(170, 30, 140, 80));
        painter.restore();
        painter.setPen(QPen(QColor(60, 40, 40), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(dome);
        painter.setBrush(QColor(230, 50, 50));
        QPainterPath visor;
        visor.moveTo(base + QPointF(-66, 0));
        visor.quadTo(base + QPointF(0, 10), base + QPointF(66, 0));
        visor.quadTo(base + QPointF(0, -6), base + QPointF(-66, 0));
        painter.drawPath(visor);
        // The stem, then the two blades seen from the side as they turn.
        painter.setPen(QPen(QColor(80, 80, 80), 3));
        painter.drawLine(QPointF(240, 54), QPointF(240, 26));
        const double angle = frame * std::numbers::pi / frameCount;
        const double reach = 46 * std::cos(angle);
        const double depth = 46 * std::sin(angle);
        const QColor blades[] = {QColor(40, 120, 230), QColor(255, 210, 40)};
        for (int blade = 0; blade < 2; ++blade) {
            const double sign = blade == 0 ? 1 : -1;
            const QPointF tip(240 + sign * reach, 24 + sign * depth * 0.12);
            painter.setPen(QPen(blades[blade].darker(150), 1.5));
            painter.setBrush(blades[blade]);
            painter.drawEllipse((QPointF(240, 24) + tip) / 2, std::max(std::abs(reach) / 2, 3.0),
                                5 + std::abs(depth) * 0.06);
        }
        painter.setBrush(QColor(230, 50, 50));
        painter.drawEllipse(QPointF(240, 24), 5, 5);
        result.frames.push_back(std::move(placed.picture));
    }
    return result;
}

PlacedPicture DrawSpeechBubble() {
    PlacedPicture placed = PictureOver(QRect(296, 8, 178, 116));
    QPainter painter(&placed.picture);
    BeginFrameCoordinates(painter, placed);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(310, 14, 156, 70), 30, 30);
    bubble = bubble.united(PolygonPath({{340, 76}, {370, 80}, {306, 116}}));
    DrawSoftShadow(painter, bubble, {3, 4}, 3, QColor(0, 0, 0, 80));
    painter.setPen(QPen(QColor(40, 40, 60), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(bubble);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(34);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(230, 60, 110));
    painter.drawText(QRectF(310, 14, 156, 70), Qt::AlignCenter, QStringLiteral("Hello!"));
    return placed;
}

}  // namespace fxgen

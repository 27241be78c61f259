// Faces: masks and face paint, drawn in frame coordinates around the sample figure's face.

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

#include "tools/fxgen/Artwork.h"
#include "tools/fxgen/Painting.h"

namespace fxgen {
namespace {

using namespace face;

QPainterPath EllipsePath(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

}  // namespace

PlacedPicture DrawCatFace() {
    PlacedPicture placed = PictureOver(QRect(136, 26, 208, 214));
    QPainter painter(&placed.picture);
    BeginFrameCoordinates(painter, placed);
    const QColor fur(238, 150, 58);
    const QColor outline(90, 50, 24);
    // Ears on the top of the head, with pink insides.
    for (const double side : {-1.0, 1.0}) {
        const QPointF base(240 + side * 52, 96);
        QPainterPath ear;
        ear.moveTo(base + QPointF(-side * 30, 6));
        ear.quadTo(base + QPointF(side * 14, -60), base + QPointF(side * 26, -62));
        ear.quadTo(base + QPointF(side * 36, -20), base + QPointF(side * 34, 22));
        ear.closeSubpath();
        painter.setPen(QPen(outline, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(fur);
        painter.drawPath(ear);
        QPainterPath inner;
        inner.moveTo(base + QPointF(-side * 14, 4));
        inner.quadTo(base + QPointF(side * 14, -44), base + QPointF(side * 22, -46));
        inner.quadTo(base + QPointF(side * 28, -16), base + QPointF(side * 24, 14));
        inner.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(250, 170, 186));
        painter.drawPath(inner);
    }
    // Stripes on the forehead.
    painter.setPen(QPen(QColor(200, 110, 30, 220), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(240, 104), QPointF(240, 124));
    painter.drawLine(QPointF(226, 106), QPointF(230, 122));
    painter.drawLine(QPointF(254, 106), QPointF(250, 122));
    // A muzzle, a pink nose and whiskers.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 250, 240, 230));
    painter.drawEllipse(kNose + QPointF(-16, 14), 20, 15);
    painter.drawEllipse(kNose + QPointF(16, 14), 20, 15);
    QPainterPath nose;
    nose.moveTo(kNose + QPointF(-13, -4));
    nose.quadTo(kNose + QPointF(0, -10), kNose + QPointF(13, -4));
    nose.quadTo(kNose + QPointF(4, 10), kNose + QPointF(0, 10));
    nose.quadTo(kNose + QPointF(-4, 10), kNose + QPointF(-13, -4));
    QRadialGradient pink(kNose + QPointF(-3, -3), 14);
    pink.setColorAt(0, QColor(255, 170, 190));
    pink.setColorAt(1, QColor(220, 90, 120));
    painter.setPen(QPen(outline, 2));
    painter.setBrush(pink);
    painter.drawPath(nose);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(kNose + QPointF(0, 10), kNose + QPointF(0, 20));
    painter.setPen(QPen(QColor(50, 40, 40), 2, Qt::SolidLine, Qt::RoundCap));
    for (const double side : {-1.0, 1.0}) {
        for (const double lift : {-10.0, 0.0, 10.0}) {
            QPainterPath whisker;
            const QPointF from = kNose + QPointF(side * 24, 12 + lift * 0.4);
            whisker.moveTo(from);
            whisker.quadTo(from + QPointF(side * 40, lift - 6),
                           from + QPointF(side * 84, lift * 2));
            painter.drawPath(whisker);
        }
    }
    return placed;
}

PlacedPicture DrawClownFace() {
    PlacedPicture placed = PictureOver(QRect(118, 50, 244, 200));
    QPainter painter(&placed.picture);
    BeginFrameCoordinates(painter, placed);
    // Curly rainbow hair on both sides of the head and on top.
    Random random(3);
    const std::vector<QColor> curls = {QColor(240, 60, 60),  QColor(255, 150, 30),
                                       QColor(255, 220, 40), QColor(60, 190, 90),
                                       QColor(60, 140, 240), QColor(170, 90, 220)};
    painter.setPen(QPen(QColor(0, 0, 0, 60), 1));
    for (int i = 0; i < 60; ++i) {
        const double side = i % 2 == 0 ? -1 : 1;
        const double angle = random.Uniform(-0.3, 1.55);
        const QPointF at(240 + side * (std::cos(angle) * 88 + random.Uniform(-6, 6)),
                         150 - std::sin(angle) * 72 + random.Uniform(-6, 10));
        const double radius = random.Uniform(11, 17);
        QRadialGradient ball(at - QPointF(radius * 0.3, radius * 0.3), radius * 1.2);
        const QColor colour = random.Pick(curls);
        ball.setColorAt(0, colour.lighter(140));
        ball.setColorAt(1, colour);
        painter.setBrush(ball);
        painter.drawEllipse(at, radius, radius);
    }
    // White paint around the eyes and mouth, with soft edges.
    QImage paint = NewLayer(placed.picture.width(), placed.picture.height());
    {
        QPainter paintPainter(&paint);
        BeginFrameCoordinates(paintPainter, placed);
        paintPainter.setPen(Qt::NoPen);
        paintPainter.setBrush(QColor(255, 255, 255, 200));
        paintPainter.drawEllipse(kLeftEye, 22, 26);
        paintPainter.drawEllipse(kRightEye, 22, 26);
        paintPainter.drawEllipse(kMouth + QPointF(0, 2), 40, 22);
        paintPainter.setBrush(QColor(250, 90, 110, 120));
        paintPainter.drawEllipse(kCentre + QPointF(-48, 38), 16, 13);
        paintPainter.drawEllipse(kCentre + QPointF(48, 38), 16, 13);
    }
    Blur(paint, 3);
    painter.resetTransform();
    painter.drawImage(0, 0, paint);
    BeginFrameCoordinates(painter, placed);
    // Painted stars above the eyes and a big red smile.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 90, 220));
    painter.drawPath(StarPath(kLeftEye + QPointF(0, -28), 9, 4, 4, 0));
    painter.drawPath(StarPath(kRightEye + QPointF(0, -28), 9, 4, 4, 0));
    QPainterPath smile;
    smile.moveTo(kMouth + QPointF(-38, -8));
    smile.cubicTo(kMouth + QPointF(-20, 26), kMouth + QPointF(20, 26), kMouth + QPointF(38, -8));
    smile.cubicTo(kMouth + QPointF(20, 12), kMouth + QPointF(-20, 12), kMouth + QPointF(-38, -8));
    painter.setBrush(QColor(220, 30, 50, 220));
    painter.drawPath(smile);
    // The round red nose, shiny.
    QRadialGradient nose(kNose + QPointF(-5, -6), 22);
    nose.setColorAt(0, QColor(255, 140, 140));
    nose.setColorAt(0.4, QColor(232, 30, 40));
    nose.setColorAt(1, QColor(150, 10, 20));
    painter.setPen(QPen(QColor(110, 10, 20), 1.5));
    painter.setBrush(nose);
    painter.drawEllipse(kNose + QPointF(0, -2), 17, 17);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(kNose + QPointF(-6, -9), 4, 3);
    return placed;
}

PlacedPicture DrawHeroMask() {
    PlacedPicture placed = PictureOver(QRect(140, 120, 200, 84));
    QPainter painter(&placed.picture);
    BeginFrameCoordinates(painter, placed);
    QPainterPath mask;
    mask.moveTo(160, 150);
    mask.cubicTo(170, 128, 214, 130, 240, 146);
    mask.cubicTo(266, 130, 310, 128, 320, 150);
    mask.cubicTo(328, 168, 306, 190, 282, 186);
    mask.cubicTo(262, 184, 252, 170, 240, 170);
    mask.cubicTo(228, 170, 218, 184, 198, 186);
    mask.cubicTo(174, 190, 152, 168, 160, 150);
    mask.closeSubpath();
    const QPainterPath holes = EllipsePath(kLeftEye + QPointF(0, 1), 16, 12)
                                   .united(EllipsePath(kRightEye + QPointF(0, 1), 16, 12));
    const QPainterPath shape = mask.subtracted(holes);
    DrawSoftShadow(painter, shape, {0, 3}, 3, QColor(0, 0, 0, 90));
    QLinearGradient red(0, 130, 0, 190);
    red.setColorAt(0, QColor(240, 60, 60));
    red.setColorAt(1, QColor(150, 16, 30));
    painter.setPen(QPen(QColor(70, 10, 16), 2.5));
    painter.setBrush(red);
    painter.drawPath(shape);
    // Ties at the sides and a gloss along the top.
    painter.setPen(QPen(QColor(150, 16, 30), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(160, 152), QPointF(144, 146));
    painter.drawLine(QPointF(320, 152), QPointF(336, 146));
    painter.setPen(QPen(QColor(255, 255, 255, 110), 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath gloss;
    gloss.moveTo(176, 140);
    gloss.cubicTo(190, 134, 210, 136, 226, 144);
    painter.drawPath(gloss);
    return placed;
}

PlacedPicture DrawMoustache() {
    PlacedPicture placed = PictureOver(QRect(160, 180, 160, 56));
    QPainter painter(&placed.picture);
    BeginFrameCoordinates(painter, placed);
    QPainterPath half;
    // The right half; the left is its mirror image.
    half.moveTo(240, 200);
    half.cubicTo(254, 192, 270, 194, 282, 204);
    half.cubicTo(292, 212, 302, 212, 306, 202);
    half.cubicTo(310, 194, 302, 188, 298, 194);
    half.cubicTo(314, 186, 318, 210, 304, 218);
    half.cubicTo(290, 226, 272, 218, 260, 214);
    half.cubicTo(252, 212, 244, 214, 240, 216);
    half.closeSubpath();
    QTransform mirror;
    mirror.translate(480, 0);
    mirror.scale(-1, 1);
    const QPainterPath moustache = half.united(mirror.map(half));
    DrawSoftShadow(painter, moustache, {0, 2}, 2, QColor(0, 0, 0, 80));
    QLinearGradient brown(0, 190, 0, 222);
    brown.setColorAt(0, QColor(130, 80, 40));
    brown.setColorAt(1, QColor(60, 34, 18));
    painter.setPen(QPen(QColor(40, 22, 10), 1.5));
    painter.setBrush(brown);
    painter.drawPath(moustache);
    // Hair strokes.
    painter.setPen(QPen(QColor(180, 120, 70, 140), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const double x = 246 + i * 6;
        painter.drawLine(QPointF(x, 204 + i * 0.3), QPointF(x + 5, 212));
        painter.drawLine(QPointF(480 - x, 204 + i * 0.3), QPointF(480 - x - 5, 212));
    }
    return placed;
}

PlacedPicture DrawPirate() {
    PlacedPicture placed = PictureOver(QRect(130, 40, 230, 170));
    QPainter painter(&placed.picture);
    BeginFrameCoordinates(painter, placed);
    // A red bandana over the top of the head with white dots, knotted at the side.
    QPainterPath bandana;
    bandana.moveTo(160, 140);
    bandana.cubicTo(156, 60, 324, 50, 322, 134);
    bandana.cubicTo(300, 118, 270, 104, 240, 104);
    bandana.cubicTo(210, 104, 180, 118, 160, 140);
    bandana.closeSubpath();
    QLinearGradient red(0, 60, 0, 140);
    red.setColorAt(0, QColor(230, 50, 50));
    red.setColorAt(1, QColor(170, 20, 30));
    painter.setPen(QPen(QColor(90, 10, 16), 2));
    painter.setBrush(red);
    painter.drawPath(bandana);
    painter.save();
    painter.setClipPath(bandana);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    for (double y = 70; y < 140; y += 16) {
        for (double x = 160 + std::fmod(y, 32); x < 330; x += 24)
            painter.drawEllipse(QPointF(x, y), 3, 3);
    }
    painter.restore();
    painter.setPen(QPen(QColor(90, 10, 16), 2));
    painter.setBrush(red);
    painter.drawPath(PolygonPath({{320, 122}, {352, 150}, {340, 160}, {318, 134}}));
    painter.drawPath(PolygonPath({{322, 128}, {346, 184}, {330, 186}, {316, 136}}));
    painter.drawEllipse(QPointF(322, 128), 9, 9);
    // The strap of the eye patch, then the patch over the left eye.
    painter.setPen(QPen(QColor(30, 26, 24), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(162, 146), QPointF(290, 112));
    QPainterPath patch = EllipsePath(kLeftEye + QPointF(0, 2), 22, 19);
    DrawSoftShadow(painter, patch, {1, 3}, 3, QColor(0, 0, 0, 110));
    QRadialGradient black(kLeftEye + QPointF(-6, -6), 26);
    black.setColorAt(0, QColor(80, 76, 72));
    black.setColorAt(1, QColor(16, 14, 12));
    painter.setPen(QPen(QColor(0, 0, 0), 1.5));
    painter.setBrush(black);
    painter.drawPath(patch);
    // A tiny skull on the patch.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 236, 220));
    painter.drawEllipse(kLeftEye + QPointF(0, 0), 6, 5.5);
    painter.drawRect(QRectF(kLeftEye.x() - 3.5, kLeftEye.y() + 3, 7, 4));
    painter.setBrush(QColor(16, 14, 12));
    painter.drawEllipse(kLeftEye + QPointF(-2.3, 0), 1.6, 1.8);
    painter.drawEllipse(kLeftEye + QPointF(2.3, 0), 1.6, 1.8);
    return placed;
}

PlacedPicture DrawTigerPaint() {
    PlacedPicture placed = PictureOver(QRect(150, 64, 180, 206));
    // An orange wash over the face, fading out at its edge.
    QImage wash = NewLayer(placed.picture.width(), placed.picture.height());
    {
        QPainter painter(&wash);
        BeginFrameCoordinates(painter, placed);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(250, 140, 30, 150));
        painter.drawEllipse(kCentre + QPointF(0, 6), kRadiusX - 10, kRadiusY - 8);
        // A white muzzle and white patches over the eyes.
        painter.setBrush(QColor(255, 255, 250, 210));
        painter.drawEllipse(kNose + QPointF(-18, 22), 24, 20);
        painter.drawEllipse(kNose + QPointF(18, 22), 24, 20);
        painter.setBrush(QColor(255, 255, 250, 150));
        painter.drawEllipse(kLeftEye + QPointF(-2, -16), 16, 9);
        painter.drawEllipse(kRightEye + QPointF(2, -16), 16, 9);
    }
    Blur(wash, 4);
    QPainter painter(&placed.picture);
    painter.drawImage(0, 0, wash);
    BeginFrameCoordinates(painter, placed);
    // Black stripes sweeping in from the edges of the face.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 16, 14, 230));
    auto stripe = [&painter](QPointF from, QPointF to, double width) {
        const QPointF along = to - from;
        const QPointF across =
            QPointF(-along.y(), along.x()) * (width / 2 / std::hypot(along.x(), along.y()));
        QPainterPath path;
        path.moveTo(from + across);
        path.quadTo((from + to) / 2 + across * 1.3 + along * 0.05, to);
        path.quadTo((from + to) / 2 - across * 1.3 + along * 0.05, from - across);
        path.closeSubpath();
        painter.drawPath(path);
    };
    for (const double side : {-1.0, 1.0}) {
        const double x = kCentre.x() + side * (kRadiusX - 10);
        stripe({x, 170}, {x - side * 36, 176}, 8);
        stripe({x - side * 4, 196}, {x - side * 40, 198}, 8);
        stripe({x - side * 10, 220}, {x - side * 40, 214}, 7);
        stripe({kCentre.x() + side * 30, 100}, {kCentre.x() + side * 18, 124}, 7);
    }
    stripe({240, 92}, {240, 128}, 9);
    // A black nose tip.
    painter.setBrush(QColor(20, 16, 14));
    QPainterPath nose;
    nose.moveTo(kNose + QPointF(-11, -4));
    nose.quadTo(kNose + QPointF(0, -9), kNose + QPointF(11, -4));
    nose.quadTo(kNose + QPointF(0, 12), kNose + QPointF(-11, -4));
    painter.drawPath(nose);
    return placed;
}

}  // namespace fxgen

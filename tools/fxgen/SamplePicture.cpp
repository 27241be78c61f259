// The sample picture: a smiling person in front of a meadow, a tree and a house under a sunny
// sky, bright and clearly outlined so that every kind of effect shows on it.

#include <QLinearGradient>
#include <QRadialGradient>

#include "tools/fxgen/Artwork.h"
#include "tools/fxgen/Painting.h"

namespace fxgen {
namespace {

const QColor kOutline(70, 44, 32);
const QColor kSkin(250, 209, 172);
const QColor kSkinShade(232, 178, 140);
const QColor kHair(96, 58, 36);
const QColor kShirt(36, 160, 150);

void DrawSky(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, 240);
    sky.setColorAt(0, QColor(84, 162, 236));
    sky.setColorAt(1, QColor(196, 230, 250));
    painter.fillRect(QRectF(0, 0, kFrameWidth, 240), sky);

    // The sun with its glow.
    const QPointF sun(408, 64);
    QRadialGradient glow(sun, 90);
    glow.setColorAt(0, QColor(255, 250, 200, 200));
    glow.setColorAt(1, QColor(255, 250, 200, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(sun, 90, 90);
    painter.setBrush(QColor(255, 214, 60));
    painter.drawEllipse(sun, 30, 30);

    // Clouds of overlapping puffs.
    auto cloud = [&](QPointF at, double scale) {
        painter.setBrush(QColor(255, 255, 255, 235));
        const QPointF puffs[] = {{-30, 6}, {-12, -8}, {10, -12}, {28, 2}, {0, 8}};
        const double radii[] = {16, 20, 22, 16, 18};
        for (int i = 0; i < 5; ++i)
            painter.drawEllipse(at + puffs[i] * scale, radii[i] * scale, radii[i] * scale * 0.85);
    };
    cloud({78, 58}, 1.1);
    cloud({300, 34}, 0.8);
    cloud({180, 88}, 0.6);
}

void DrawLand(QPainter& painter) {
    // Far hills, then the meadow.
    QPainterPath hills;
    hills.moveTo(0, 232);
    hills.cubicTo(90, 188, 170, 206, 250, 222);
    hills.cubicTo(330, 238, 400, 196, 480, 214);
    hills.lineTo(480, 360);
    hills.lineTo(0, 360);
    hills.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 176, 132));
    painter.drawPath(hills);

    QPainterPath meadow;
    meadow.moveTo(0, 262);
    meadow.cubicTo(120, 236, 300, 250, 480, 240);
    meadow.lineTo(480, 360);
    meadow.lineTo(0, 360);
    meadow.closeSubpath();
    QLinearGradient grass(0, 240, 0, 360);
    grass.setColorAt(0, QColor(126, 200, 88));
    grass.setColorAt(1, QColor(74, 150, 60));
    painter.setBrush(grass);
    painter.drawPath(meadow);

    // A round tree on the left.
    painter.setBrush(QColor(120, 80, 50));
    painter.drawRoundedRect(QRectF(56, 190, 16, 80), 4, 4);
    painter.setBrush(QColor(52, 140, 64));
    painter.drawEllipse(QPointF(64, 176), 44, 40);
    painter.setBrush(QColor(76, 168, 78));
    painter.drawEllipse(QPointF(54, 164), 26, 22);
    painter.setBrush(QColor(230, 60, 60));
    for (const QPointF apple : {QPointF(44, 188), QPointF(80, 170), QPointF(70, 196)}) {
        painter.drawEllipse(apple, 4.5, 4.5);
    }

    // A small house on the right.
    painter.setBrush(QColor(250, 236, 206));
    painter.drawRect(QRectF(396, 206, 66, 50));
    painter.setBrush(QColor(214, 70, 56));
    painter.drawPath(PolygonPath({{388, 210}, {429, 176}, {470, 210}}));
    painter.setBrush(QColor(120, 84, 60));
    painter.drawRect(QRectF(420, 226, 16, 30));
    painter.setBrush(QColor(120, 196, 240));
    painter.drawRect(QRectF(402, 216, 12, 12));
    painter.drawRect(QRectF(444, 216, 12, 12));

    // Flowers in the grass.
    Random random(7);
    const std::vector<QColor> petals = {QColor(255, 255, 255), QColor(255, 214, 60),
                                        QColor(240, 110, 160)};
    for (int i = 0; i < 40; ++i) {
        const QPointF at(random.Uniform(4, 476), random.Uniform(270, 356));
        painter.setBrush(random.Pick(petals));
        painter.drawEllipse(at, 3, 3);
        painter.setBrush(QColor(255, 190, 40));
        painter.drawEllipse(at, 1.2, 1.2);
    }
}

void DrawBody(QPainter& painter) {
    // Neck, then shoulders in a shirt with an open collar.
    painter.setPen(QPen(kOutline, 2.5));
    painter.setBrush(kSkinShade);
    painter.drawRect(QRectF(214, 236, 52, 56));

    QPainterPath shirt;
    shirt.moveTo(70, 360);
    shirt.cubicTo(80, 310, 120, 292, 200, 282);
    shirt.lineTo(240, 316);
    shirt.lineTo(280, 282);
    shirt.cubicTo(360, 292, 400, 310, 410, 360);
    shirt.closeSubpath();
    QLinearGradient cloth(0, 280, 0, 360);
    cloth.setColorAt(0, kShirt);
    cloth.setColorAt(1, kShirt.darker(130));
    painter.setBrush(cloth);
    painter.drawPath(shirt);
    painter.setBrush(QColor(250, 250, 245));
    painter.drawPath(PolygonPath({{200, 282}, {240, 316}, {222, 326}, {192, 292}}));
    painter.drawPath(PolygonPath({{280, 282}, {288, 292}, {258, 326}, {240, 316}}));
    // A star on the shirt.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 214, 60));
    painter.drawPath(StarPath({320, 330}, 14, 6, 5, 0.1));
}

void DrawHead(QPainter& painter) {
    using namespace face;
    // Hair behind the head.
    painter.setPen(QPen(kOutline, 2.5));
    painter.setBrush(kHair);
    painter.drawEllipse(kCentre + QPointF(0, -18), kRadiusX + 10, kRadiusY - 4);

    // Ears and face.
    painter.setBrush(kSkin);
    painter.drawEllipse(kLeftEar, 14, 20);
    painter.drawEllipse(kRightEar, 14, 20);
    QRadialGradient skin(kCentre + QPointF(-20, -30), 120);
    skin.setColorAt(0, kSkin.lighter(106));
    skin.setColorAt(1, kSkinShade);
    painter.setBrush(skin);
    painter.drawEllipse(kCentre, kRadiusX, kRadiusY);

    // A fringe over the forehead.
    QPainterPath fringe;
    fringe.moveTo(kLeftEar.x(), 150);
    fringe.cubicTo(kLeftEar.x() - 4, 66, kRightEar.x() + 4, 58, kRightEar.x(), 150);
    fringe.cubicTo(306, 118, 290, 106, 262, 110);
    fringe.cubicTo(236, 114, 210, 126, 186, 130);
    fringe.cubicTo(176, 133, 170, 140, kLeftEar.x(), 150);
    fringe.closeSubpath();
    painter.setBrush(kHair);
    painter.drawPath(fringe);

    // Brows.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kHair.darker(120), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(kLeftEye.x() - 16, kLeftEye.y() - 30, 32, 20), 30 * 16, 120 * 16);
    painter.drawArc(QRectF(kRightEye.x() - 16, kRightEye.y() - 30, 32, 20), 30 * 16, 120 * 16);

    // Eyes.
    for (const QPointF eye : {kLeftEye, kRightEye}) {
        painter.setPen(QPen(kOutline, 2));
        painter.setBrush(Qt::white);
        painter.drawEllipse(eye, 12, 14);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(70, 120, 60));
        painter.drawEllipse(eye + QPointF(1, 2), 7, 8);
        painter.setBrush(QColor(20, 20, 20));
        painter.drawEllipse(eye + QPointF(1, 2), 3.5, 4);
        painter.setBrush(Qt::white);
        painter.drawEllipse(eye + QPointF(3, -1), 2, 2);
    }

    // Nose, cheeks and a wide smile.
    painter.setPen(QPen(kOutline, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath nose;
    nose.moveTo(kNose + QPointF(-2, -16));
    nose.cubicTo(kNose + QPointF(-10, 0), kNose + QPointF(-8, 6), kNose + QPointF(4, 4));
    painter.drawPath(nose);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 130, 120, 90));
    painter.drawEllipse(kCentre + QPointF(-44, 40), 14, 9);
    painter.drawEllipse(kCentre + QPointF(44, 40), 14, 9);

    QPainterPath smile;
    smile.moveTo(kMouth + QPointF(-28, -6));
    smile.cubicTo(kMouth + QPointF(-14, 20), kMouth + QPointF(14, 20), kMouth + QPointF(28, -6));
    smile.cubicTo(kMouth + QPointF(10, 0), kMouth + QPointF(-10, 0), kMouth + QPointF(-28, -6));
    painter.setPen(QPen(kOutline, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(180, 50, 60));
    painter.drawPath(smile);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(kMouth.x() - 14, kMouth.y() - 3, 28, 5));
}

}  // namespace

QImage DrawSamplePicture() {
    QImage image(kFrameWidth, kFrameHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    PrepareSmooth(painter);
    DrawSky(painter);
    DrawLand(painter);
    DrawBody(painter);
    DrawHead(painter);
    return image;
}

}  // namespace fxgen

// Picture frames: full-frame pictures whose transparent window shows the camera.

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "tools/fxgen/Artwork.h"
#include "tools/fxgen/Painting.h"

namespace fxgen {
namespace {

const QRectF kWholeFrame(0, 0, kFrameWidth, kFrameHeight);

QPainterPath RectPath(const QRectF& rect) {
    QPainterPath path;
    path.addRect(rect);
    return path;
}

QPainterPath RoundedPath(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// A five-petal flower with a round heart.
void DrawFlower(QPainter& painter, QPointF centre, double radius, const QColor& petal,
                double turn) {
    painter.setPen(QPen(petal.darker(125), 1));
    painter.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const double angle = turn + i * 2 * std::numbers::pi / 5;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.55;
        painter.drawEllipse(at, radius * 0.48, radius * 0.48);
    }
    QRadialGradient heart(centre - QPointF(radius * 0.1, radius * 0.1), radius * 0.4);
    heart.setColorAt(0, QColor(255, 236, 120));
    heart.setColorAt(1, QColor(236, 160, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(heart);
    painter.drawEllipse(centre, radius * 0.3, radius * 0.3);
}

void DrawLeaf(QPainter& painter, QPointF base, double length, double angle) {
    painter.save();
    painter.translate(base);
    painter.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -length * 0.35, length * 0.75, -length * 0.3, length, 0);
    leaf.cubicTo(length * 0.75, length * 0.3, length * 0.3, length * 0.35, 0, 0);
    QLinearGradient green(0, -length * 0.3, 0, length * 0.3);
    green.setColorAt(0, QColor(110, 190, 80));
    green.setColorAt(1, QColor(50, 130, 60));
    painter.setPen(QPen(QColor(40, 100, 45), 1));
    painter.setBrush(green);
    painter.drawPath(leaf);
    painter.drawLine(QPointF(0, 0), QPointF(length * 0.85, 0));
    painter.restore();
}

}  // namespace

QImage DrawHeartFrame() {
    QImage image = NewLayer(kFrameWidth, kFrameHeight);
    const QPainterPath window = HeartPath({240, 182}, 420, 336);
    {
        QPainter painter(&image);
        PrepareSmooth(painter);
        QRadialGradient pink(QPointF(240, 180), 320);
        pink.setColorAt(0, QColor(255, 200, 220));
        pink.setColorAt(1, QColor(236, 96, 148));
        painter.fillRect(kWholeFrame, pink);
        // Small hearts scattered over the border.
        Random random(11);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 70; ++i) {
            const QPointF at(random.Uniform(0, kFrameWidth), random.Uniform(0, kFrameHeight));
            const double size = random.Uniform(10, 26);
            const int alpha = random.Int(110, 220);
            painter.setBrush(random.Int(0, 2) == 0 ? QColor(255, 255, 255, alpha)
                                                   : QColor(214, 40, 96, alpha));
            painter.drawPath(HeartPath(at, size, size * 0.9));
        }
    }
    CutWindow(image, window, 14);
    QPainter painter(&image);
    PrepareSmooth(painter);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 230), 5));
    painter.drawPath(HeartPath({240, 182}, 436, 350));
    return image;
}

QImage DrawGoldFrame() {
    QImage image = NewLayer(kFrameWidth, kFrameHeight);
    constexpr double kBorder = 36;
    const QRectF window = kWholeFrame.adjusted(kBorder, kBorder, -kBorder, -kBorder);
    {
        QPainter painter(&image);
        PrepareSmooth(painter);
        painter.setPen(Qt::NoPen);
        // Four bevelled sides, lit from the top left.
        const QPointF outer[] = {{0, 0}, {480, 0}, {480, 360}, {0, 360}};
        const QPointF inner[] = {window.topLeft(), window.topRight(), window.bottomRight(),
                                 window.bottomLeft()};
        const QColor lit(255, 226, 130), mid(214, 164, 58), shade(140, 96, 30);
        const QColor sideColours[][2] = {{lit, mid}, {mid, shade}, {shade, mid}, {mid, lit}};
        for (int side = 0; side < 4; ++side) {
            const int next = (side + 1) % 4;
            QLinearGradient bevel(outer[side], inner[side]);
            bevel.setColorAt(0, sideColours[side][0]);
            bevel.setColorAt(0.5,
                             Mix(sideColours[side][0], sideColours[side][1], 0.5).lighter(115));
            bevel.setColorAt(1, sideColours[side][1]);
            painter.setBrush(bevel);
            painter.drawPath(PolygonPath({outer[side], outer[next], inner[next], inner[side]}));
        }
        // Mouldings: a dark line outside, a bright bead inside, a thin dark lip.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(110, 70, 20), 2));
        painter.drawRect(kWholeFrame.adjusted(1, 1, -1, -1));
        painter.setPen(QPen(QColor(255, 240, 180), 3));
        painter.drawRect(kWholeFrame.adjusted(12, 12, -12, -12));
        painter.setPen(QPen(QColor(120, 80, 24), 1.5));
        painter.drawRect(kWholeFrame.adjusted(16, 16, -16, -16));
        painter.setPen(QPen(QColor(90, 56, 16), 3));
        painter.drawRect(window.adjusted(-1.5, -1.5, 1.5, 1.5));
        // Rosettes in the corners and the middles of the long sides.
        const QPointF rosettes[] = {{18, 18},  {462, 18}, {462, 342},
                                    {18, 342}, {240, 18}, {240, 342}};
        for (const QPointF at : rosettes) {
            QRadialGradient gold(at - QPointF(3, 3), 12);
            gold.setColorAt(0, QColor(255, 246, 200));
            gold.setColorAt(1, QColor(180, 124, 40));
            painter.setPen(QPen(QColor(110, 70, 20), 1));
            painter.setBrush(gold);
            painter.drawPath(StarPath(at, 13, 7, 8, 0));
            painter.drawEllipse(at, 5, 5);
        }
    }
    // A soft shadow that the frame casts into the picture.
    QImage shadow = NewLayer(kFrameWidth, kFrameHeight);
    {
        QPainter painter(&shadow);
        QPainterPath ring = RectPath(kWholeFrame);
        ring.addRect(window.adjusted(6, 6, 0, 0));
        painter.fillPath(ring, QColor(0, 0, 0, 150));
    }
    Blur(shadow, 4);
    QImage result = NewLayer(kFrameWidth, kFrameHeight);
    QPainter painter(&result);
    painter.drawImage(0, 0, shadow);
    painter.drawImage(0, 0, image);
    return result;
}

QImage DrawFilmStrip() {
    QImage image = NewLayer(kFrameWidth, kFrameHeight);
    QPainter painter(&image);
    PrepareSmooth(painter);
    // A warm, faded tint over the picture, as old film has.
    painter.fillRect(kWholeFrame, QColor(255, 190, 110, 46));
    painter.setPen(Qt::NoPen);
    const QColor film(26, 22, 20);
    painter.setBrush(film);
    painter.drawRect(QRectF(0, 0, 480, 46));
    painter.drawRect(QRectF(0, 314, 480, 46));
    painter.drawRect(QRectF(0, 0, 10, 360));
    painter.drawRect(QRectF(470, 0, 10, 360));
    // Sprocket holes.
    painter.setBrush(QColor(236, 230, 220));
    for (double x = 8; x < 480; x += 30) {
        painter.drawRoundedRect(QRectF(x, 12, 16, 20), 3, 3);
        painter.drawRoundedRect(QRectF(x, 328, 16, 20), 3, 3);
    }
    // Frame numbers and a soft edge around the picture.
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(9);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(240, 170, 60));
    painter.drawText(QPointF(14, 43), QStringLiteral("24"));
    painter.drawText(QPointF(440, 43), QStringLiteral("24A"));
    painter.drawText(QPointF(14, 325), QStringLiteral("QV 400"));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        painter.setPen(QPen(QColor(26, 22, 20, 150 - i * 25), 1));
        painter.drawRoundedRect(QRectF(10 + i, 46 + i, 460 - 2 * i, 268 - 2 * i), 8, 8);
    }
    return image;
}

QImage DrawInstantPhoto() {
    QImage image = NewLayer(kFrameWidth, kFrameHeight);
    const QRectF window(26, 20, 428, 266);
    {
        QPainter painter(&image);
        PrepareSmooth(painter);
        QLinearGradient card(0, 0, 480, 360);
        card.setColorAt(0, QColor(252, 251, 246));
        card.setColorAt(1, QColor(234, 230, 220));
        painter.fillRect(kWholeFrame, card);
        // A little ink on the wide margin.
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(30);
        font.setItalic(true);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(40, 60, 140));
        painter.drawText(QRectF(0, 292, 480, 60), Qt::AlignCenter, QStringLiteral("Smile!"));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(240, 80, 110));
        painter.drawPath(HeartPath({344, 318}, 18, 16));
    }
    CutWindow(image, RectPath(window), 2);
    QPainter painter(&image);
    PrepareSmooth(painter);
    // The photo's edge is sunk a little into the card.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 70), 2));
    painter.drawRect(window.adjusted(-1, -1, 1, 1));
    // Strips of see-through tape on two corners.
    auto tape = [&painter](QPointF centre, double angle) {
        painter.save();
        painter.translate(centre);
        painter.rotate(angle);
        painter.setPen(QPen(QColor(200, 190, 150, 120), 1));
        painter.setBrush(QColor(250, 244, 200, 140));
        painter.drawRect(QRectF(-44, -13, 88, 26));
        painter.restore();
    };
    tape({40, 24}, -38);
    tape({440, 24}, 38);
    return image;
}

QImage DrawVintageOval() {
    QImage image = NewLayer(kFrameWidth, kFrameHeight);
    const QRectF oval(56, 22, 368, 316);
    {
        QPainter painter(&image);
        PrepareSmooth(painter);
        QRadialGradient paper(QPointF(240, 180), 300);
        paper.setColorAt(0, QColor(120, 84, 52));
        paper.setColorAt(1, QColor(58, 36, 22));
        painter.fillRect(kWholeFrame, paper);
        // A fine pattern of dots, like pressed paper.
        Random random(5);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 1400; ++i) {
            painter.setBrush(QColor(255, 230, 190, random.Int(8, 30)));
            painter.drawEllipse(QPointF(random.Uniform(0, 480), random.Uniform(0, 360)), 1.2, 1.2);
        }
        // Gold corner scrolls.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(220, 180, 100, 200), 2.5, Qt::SolidLine, Qt::RoundCap));
        for (const QPointF corner :
             {QPointF(0, 0), QPointF(480, 0), QPointF(480, 360), QPointF(0, 360)}) {
            const double sx = corner.x() == 0 ? 1 : -1;
            const double sy = corner.y() == 0 ? 1 : -1;
            QPainterPath scroll;
            scroll.moveTo(corner + QPointF(sx * 12, sy * 60));
            scroll.cubicTo(corner + QPointF(sx * 12, sy * 20), corner + QPointF(sx * 20, sy * 12),
                           corner + QPointF(sx * 60, sy * 12));
            scroll.moveTo(corner + QPointF(sx * 24, sy * 44));
            scroll.cubicTo(corner + QPointF(sx * 24, sy * 28), corner + QPointF(sx * 28, sy * 24),
                           corner + QPointF(sx * 44, sy * 24));
            painter.drawPath(scroll);
            painter.drawEllipse(corner + QPointF(sx * 30, sy * 30), 4, 4);
        }
    }
    QPainterPath window;
    window.addEllipse(oval);
    CutWindow(image, window, 30);
    // A sepia veil that deepens towards the edge of the oval.
    QImage veil = NewLayer(kFrameWidth, kFrameHeight);
    {
        QPainter painter(&veil);
        QRadialGradient tone(oval.center(), oval.height() / 2);
        tone.setColorAt(0, QColor(140, 100, 60, 0));
        tone.setColorAt(0.75, QColor(140, 100, 60, 40));
        tone.setColorAt(1, QColor(90, 60, 30, 120));
        painter.fillRect(kWholeFrame, tone);
    }
    QPainter painter(&veil);
    painter.drawImage(0, 0, image);
    PrepareSmooth(painter);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(226, 190, 110, 220), 3));
    painter.drawEllipse(oval.adjusted(-6, -6, 6, 6));
    return veil;
}

QImage DrawFlowerFrame() {
    QImage image = NewLayer(kFrameWidth, kFrameHeight);
    QPainter painter(&image);
    PrepareSmooth(painter);
    // A vine along the edges, then leaves and flowers on it, thickest in the corners.
    QPainterPath vine = RoundedPath(kWholeFrame.adjusted(14, 14, -14, -14), 40);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(60, 120, 50), 4));
    painter.drawPath(vine);

    Random random(23);
    const std::vector<QColor> petals = {QColor(246, 120, 160), QColor(255, 255, 255),
                                        QColor(255, 200, 60), QColor(170, 120, 230),
                                        QColor(255, 140, 90)};
    const int steps = 64;
    std::vector<std::pair<QPointF, double>> spots;
    for (int i = 0; i < steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const QPointF at = vine.pointAtPercent(t);
        const double angle = vine.angleAtPercent(t);
        DrawLeaf(painter, at, random.Uniform(16, 24), -angle + (i % 2 == 0 ? -50 : 130));
        spots.emplace_back(at, t);
    }
    // Flowers with soft shadows: larger in the corners.
    auto cornerness = [](QPointF at) {
        const double dx = std::min(at.x(), 480 - at.x()) / 240;
        const double dy = std::min(at.y(), 360 - at.y()) / 180;
        return 1 - std::min(1.0, std::hypot(dx, dy) * 1.6);
    };
    for (size_t i = 0; i < spots.size(); i += 2) {
        const QPointF at = spots[i].first + QPointF(random.Uniform(-5, 5), random.Uniform(-5, 5));
        const double radius = 12 + 14 * cornerness(at) + random.Uniform(0, 4);
        QPainterPath disc;
        disc.addEllipse(at, radius, radius);
        DrawSoftShadow(painter, disc, {2, 3}, 3, QColor(0, 0, 0, 70));
        DrawFlower(painter, at, radius, random.Pick(petals), random.Uniform(0, 6.3));
    }
    return image;
}

}  // namespace fxgen

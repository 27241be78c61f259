// Scenes: full-frame pictures with windows; the engine draws the camera picture into the
// quadrangle behind each window, so each quadrangle reaches a little past its window's edge.

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

Quad QuadOf(const QRectF& rect) {
    return {rect.topLeft(), rect.topRight(), rect.bottomRight(), rect.bottomLeft()};
}

QPainterPath QuadPath(const Quad& quad) {
    return PolygonPath({quad[0], quad[1], quad[2], quad[3]});
}

// The corners of a w x h rectangle turned by `degrees` about `centre`.
Quad TurnedRect(QPointF centre, double w, double h, double degrees) {
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(degrees);
    return {turn.map(QPointF(-w / 2, -h / 2)), turn.map(QPointF(w / 2, -h / 2)),
            turn.map(QPointF(w / 2, h / 2)), turn.map(QPointF(-w / 2, h / 2))};
}

void FillVertical(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
}

// A TV set standing at `body`, with a rounded screen; returns the screen.
QRectF DrawTv(QPainter& painter, const QRectF& body, const QColor& colour) {
    QPainterPath case_;
    case_.addRoundedRect(body, 12, 12);
    DrawSoftShadow(painter, case_, {4, 6}, 4, QColor(0, 0, 0, 120));
    QLinearGradient shell(body.topLeft(), body.bottomRight());
    shell.setColorAt(0, colour.lighter(130));
    shell.setColorAt(1, colour.darker(130));
    painter.setPen(QPen(colour.darker(200), 2));
    painter.setBrush(shell);
    painter.drawPath(case_);
    const QRectF screen = body.adjusted(12, 11, -12, -27);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 22));
    painter.drawRoundedRect(screen.adjusted(-4, -4, 4, 4), 12, 12);
    // Knobs and a power light on the strip below the screen.
    const double y = body.bottom() - 14;
    painter.setBrush(QColor(40, 40, 44));
    painter.drawEllipse(QPointF(body.right() - 22, y), 6, 6);
    painter.drawEllipse(QPointF(body.right() - 40, y), 6, 6);
    painter.setBrush(QColor(200, 200, 200));
    painter.drawRect(QRectF(body.right() - 23, y - 5, 2, 5));
    painter.drawRect(QRectF(body.right() - 41, y - 5, 2, 5));
    painter.setBrush(QColor(255, 60, 50));
    painter.drawEllipse(QPointF(body.left() + 16, y), 3, 3);
    for (int i = 0; i < 5; ++i) {
        painter.setBrush(colour.darker(170));
        painter.drawRect(QRectF(body.left() + 30 + i * 8, y - 5, 4, 10));
    }
    return screen;
}

// Glass over a screen: a curved gloss and faint scan lines, half transparent.
void DrawScreenGlass(QPainter& painter, const QRectF& screen) {
    painter.save();
    QPainterPath glass;
    glass.addRoundedRect(screen, 10, 10);
    painter.setClipPath(glass);
    painter.setPen(QPen(QColor(0, 0, 0, 34), 1));
    for (double y = screen.top() + 1; y < screen.bottom(); y += 3) {
        painter.drawLine(QPointF(screen.left(), y), QPointF(screen.right(), y));
    }
    QLinearGradient gloss(screen.topLeft(), screen.center());
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    QPainterPath shine;
    shine.moveTo(screen.topLeft());
    shine.lineTo(screen.topRight());
    shine.quadTo(screen.center() + QPointF(0, -screen.height() * 0.1), screen.bottomLeft());
    shine.closeSubpath();
    painter.drawPath(shine);
    // Darker corners, as on a curved tube.
    QRadialGradient vignette(screen.center(), screen.width() * 0.75);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 110));
    painter.setBrush(vignette);
    painter.drawRect(screen);
    painter.restore();
}

void DrawStars(QPainter& painter, uint32_t seed, int count, const QRectF& area, int frame) {
    Random random(seed);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(random.Uniform(area.left(), area.right()),
                         random.Uniform(area.top(), area.bottom()));
        const double size = random.Uniform(0.6, 1.8);
        const int phase = random.Int(0, 3);
        const int alpha = (phase + frame) % 4 == 0 ? 255 : 150;
        painter.setBrush(QColor(255, 255, 230, alpha));
        painter.drawEllipse(at, size, size);
        if ((phase + frame) % 4 == 0 && size > 1.3) {
            painter.setPen(QPen(QColor(255, 255, 230, 160), 1));
            painter.drawLine(at - QPointF(5, 0), at + QPointF(5, 0));
            painter.drawLine(at - QPointF(0, 5), at + QPointF(0, 5));
            painter.setPen(Qt::NoPen);
        }
    }
}

void DrawPalm(QPainter& painter, QPointF foot, double height) {
    QPainterPath trunk;
    trunk.moveTo(foot + QPointF(-8, 0));
    trunk.quadTo(foot + QPointF(-4, -height * 0.6), foot + QPointF(18, -height));
    trunk.lineTo(foot + QPointF(24, -height + 4));
    trunk.quadTo(foot + QPointF(6, -height * 0.6), foot + QPointF(8, 0));
    trunk.closeSubpath();
    painter.setPen(QPen(QColor(100, 66, 30), 1.5));
    painter.setBrush(QColor(160, 110, 60));
    painter.drawPath(trunk);
    const QPointF top = foot + QPointF(21, -height);
    painter.setPen(QPen(QColor(30, 100, 40), 1.5));
    painter.setBrush(QColor(50, 150, 60));
    for (const double angle : {-170.0, -140.0, -100.0, -60.0, -20.0, 10.0}) {
        painter.save();
        painter.translate(top);
        painter.rotate(angle);
        QPainterPath frond;
        frond.moveTo(0, 0);
        frond.quadTo(40, -18, 74, 10);
        frond.quadTo(40, -4, 0, 0);
        painter.drawPath(frond);
        painter.restore();
    }
}

}  // namespace

Scene DrawTvWall() {
    QImage image = NewLayer(kFrameWidth, kFrameHeight);
    std::vector<QRectF> screens;
    {
        QPainter painter(&image);
        PrepareSmooth(painter);
        FillVertical(painter, kWholeFrame, QColor(56, 62, 84), QColor(30, 32, 44));
        // Wall panels and a shelf under each row.
        painter.setPen(QPen(QColor(255, 255, 255, 18), 1));
        for (int x = 0; x < kFrameWidth; x += 40) painter.drawLine(x, 0, x, kFrameHeight);
        const QColor bodies[] = {QColor(150, 96, 54),  QColor(200, 60, 56),   QColor(224, 210, 180),
                                 QColor(46, 150, 150), QColor(170, 176, 186), QColor(236, 170, 40)};
        for (int row = 0; row < 2; ++row) {
            const double top = 18 + row * 168;
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(110, 76, 50));
            painter.drawRect(QRectF(0, top + 140, kFrameWidth, 12));
            painter.setBrush(QColor(70, 46, 30));
            painter.drawRect(QRectF(0, top + 152, kFrameWidth, 4));
            for (int column = 0; column < 3; ++column) {
                const QRectF body(14 + column * 154, top, 144, 140);
                screens.push_back(DrawTv(painter, body, bodies[row * 3 + column]));
            }
        }
    }
    QPainterPath windows;
    for (const QRectF& screen : screens) windows.addRoundedRect(screen, 10, 10);
    CutWindow(image, windows, 2);
    Scene scene;
    QPainter painter(&image);
    PrepareSmooth(painter);
    for (const QRectF& screen : screens) {
        DrawScreenGlass(painter, screen);
        scene.windows.push_back(QuadOf(screen.adjusted(-3, -3, 3, 3)));
    }
    painter.end();
    scene.frames.push_back(image);
    return scene;
}

Scene DrawBillboard(int frameCount) {
    const Quad board = {QPointF(118, 44), QPointF(366, 72), QPointF(364, 196), QPointF(120, 214)};
    Scene scene;
    scene.windows.push_back(board);
    for (int frame = 0; frame < frameCount; ++frame) {
        QImage image = NewLayer(kFrameWidth, kFrameHeight);
        {
            QPainter painter(&image);
            PrepareSmooth(painter);
            FillVertical(painter, kWholeFrame, QColor(12, 16, 52), QColor(86, 50, 120));
            DrawStars(painter, 9, 90, QRectF(0, 0, 480, 220), frame);
            // The moon.
            painter.setPen(Qt::NoPen);
            QRadialGradient halo(QPointF(420, 44), 50);
            halo.setColorAt(0, QColor(255, 250, 220, 90));
            halo.setColorAt(1, QColor(255, 250, 220, 0));
            painter.setBrush(halo);
            painter.drawEllipse(QPointF(420, 44), 50, 50);
            painter.setBrush(QColor(250, 246, 220));
            painter.drawEllipse(QPointF(420, 44), 18, 18);
            // Buildings with lit windows that come and go.
            Random random(21);
            double x = -10;
            while (x < kFrameWidth) {
                const double width = random.Uniform(40, 80);
                const double top = random.Uniform(190, 270);
                painter.setBrush(
                    QColor(random.Int(20, 40), random.Int(22, 40), random.Int(50, 70)));
                painter.drawRect(QRectF(x, top, width, kFrameHeight - top));
                for (double wy = top + 10; wy < kFrameHeight - 8; wy += 16) {
                    for (double wx = x + 6; wx < x + width - 10; wx += 12) {
                        const uint32_t light = random.Next();
                        const bool on =
                            (light % 3 == 0) != ((light >> 8) % 7 == static_cast<uint32_t>(frame));
                        painter.setBrush(on ? QColor(255, 214, 110) : QColor(40, 44, 70));
                        painter.drawRect(QRectF(wx, wy, 6, 8));
                    }
                }
                x += width + random.Uniform(2, 8);
            }
            // Posts holding the board.
            painter.setBrush(QColor(60, 60, 70));
            painter.drawRect(QRectF(170, 200, 10, 160));
            painter.drawRect(QRectF(310, 190, 10, 170));
            painter.setPen(QPen(QColor(60, 60, 70), 3));
            painter.drawLine(QPointF(175, 260), QPointF(315, 230));
            painter.drawLine(QPointF(175, 230), QPointF(315, 260));
        }
        CutWindow(image, QuadPath(board), 1);
        QPainter painter(&image);
        PrepareSmooth(painter);
        // The board's frame, and lamps whose light falls on it.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(30, 30, 36), 12, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawPath(QuadPath(board));
        painter.setPen(QPen(QColor(120, 120, 136), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawPath(QuadPath(board));
        for (const double t : {0.2, 0.5, 0.8}) {
            const QPointF base = board[0] + (board[1] - board[0]) * t - QPointF(0, 8);
            painter.setPen(QPen(QColor(30, 30, 36), 3));
            painter.drawLine(base, base + QPointF(0, -16));
            painter.drawLine(base + QPointF(0, -16), base + QPointF(10, -16));
            QLinearGradient beam(base + QPointF(10, -12), base + QPointF(10, 70));
            beam.setColorAt(0, QColor(255, 250, 200, 120));
            beam.setColorAt(1, QColor(255, 250, 200, 0));
            painter.setPen(Qt::NoPen);
            painter.setBrush(beam);
            painter.drawPath(PolygonPath({base + QPointF(6, -12), base + QPointF(14, -12),
                                          base + QPointF(44, 70), base + QPointF(-24, 70)}));
            painter.setBrush(QColor(255, 250, 210));
            painter.drawEllipse(base + QPointF(10, -13), 4, 3);
        }
        scene.frames.push_back(image);
    }
    return scene;
}

Scene DrawGallery() {
    const QRectF painting(148, 58, 184, 138);
    QImage image = NewLayer(kFrameWidth, kFrameHeight);
    {
        QPainter painter(&image);
        PrepareSmooth(painter);
        // Striped wallpaper, a panelled dado and a wooden floor.
        FillVertical(painter, QRectF(0, 0, 480, 270), QColor(226, 214, 186), QColor(196, 180, 150));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 26));
        for (int x = 0; x < kFrameWidth; x += 24) painter.drawRect(QRectF(x, 0, 10, 270));
        FillVertical(painter, QRectF(0, 250, 480, 48), QColor(110, 40, 46), QColor(80, 26, 32));
        painter.setBrush(QColor(240, 220, 170));
        painter.drawRect(QRectF(0, 248, 480, 5));
        FillVertical(painter, QRectF(0, 298, 480, 62), QColor(150, 100, 60), QColor(100, 64, 36));
        painter.setPen(QPen(QColor(80, 50, 26), 1.5));
        for (int x = -100; x < 600; x += 56)
            painter.drawLine(QPointF(240 + (x - 240) * 0.5, 298), QPointF(x, 360));
        // A gold frame round the picture.
        const QRectF outer = painting.adjusted(-20, -20, 20, 20);
        QPainterPath frame;
        frame.addRect(outer);
        DrawSoftShadow(painter, frame, {6, 8}, 6, QColor(0, 0, 0, 120));
        QLinearGradient gold(outer.topLeft(), outer.bottomRight());
        gold.setColorAt(0, QColor(255, 230, 140));
        gold.setColorAt(0.5, QColor(210, 160, 50));
        gold.setColorAt(1, QColor(140, 90, 20));
        painter.setPen(QPen(QColor(100, 64, 14), 2));
        painter.setBrush(gold);
        painter.drawRect(outer);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 244, 200), 2));
        painter.drawRect(outer.adjusted(6, 6, -6, -6));
        painter.setPen(QPen(QColor(110, 70, 16), 3));
        painter.drawRect(painting.adjusted(-2, -2, 2, 2));
        // A brass plate under it, and a rope on posts in front.
        painter.setPen(QPen(QColor(120, 90, 30), 1));
        painter.setBrush(QColor(220, 190, 110));
        painter.drawRect(QRectF(212, 226, 56, 14));
        painter.setPen(QPen(QColor(90, 60, 20), 1.5));
        painter.drawLine(QPointF(220, 231), QPointF(260, 231));
        painter.drawLine(QPointF(224, 235), QPointF(256, 235));
        for (const double x : {90.0, 390.0}) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(200, 160, 60));
            painter.drawRect(QRectF(x - 4, 286, 8, 60));
            painter.drawEllipse(QPointF(x, 284), 8, 8);
            painter.drawEllipse(QPointF(x, 348), 16, 5);
        }
        QPainterPath rope;
        rope.moveTo(98, 290);
        rope.quadTo(240, 330, 382, 290);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(170, 20, 40), 6, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(rope);
    }
    QPainterPath window;
    window.addRect(painting);
    CutWindow(image, window, 1);
    // A lamp above the picture and its light, which also falls on the picture.
    QPainter painter(&image);
    PrepareSmooth(painter);
    QLinearGradient light(240, 30, 240, 260);
    light.setColorAt(0, QColor(255, 248, 220, 110));
    light.setColorAt(1, QColor(255, 248, 220, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawPath(PolygonPath({{226, 26}, {254, 26}, {380, 250}, {100, 250}}));
    painter.setBrush(QColor(60, 50, 40));
    painter.drawRect(QRectF(236, 0, 8, 18));
    painter.setBrush(QColor(180, 150, 80));
    painter.drawPath(PolygonPath({{220, 16}, {260, 16}, {254, 28}, {226, 28}}));
    painter.end();
    return {{image}, {QuadOf(painting.adjusted(-2, -2, 2, 2))}};
}

Scene DrawBeachBoard() {
    // The camera picture is halved and placed so that the face lands in the board's hole.
    constexpr double kScale = 0.5;
    const QPointF hole(240, 118);
    const QPointF faceInFrame = face::kCentre;
    const QPointF topLeft = hole - faceInFrame * kScale;
    const QRectF mapped(topLeft, QSizeF(kFrameWidth * kScale, kFrameHeight * kScale));

    QImage image = NewLayer(kFrameWidth, kFrameHeight);
    {
        QPainter painter(&image);
        PrepareSmooth(painter);
        FillVertical(painter, QRectF(0, 0, 480, 200), QColor(90, 180, 240), QColor(190, 236, 250));
        FillVertical(painter, QRectF(0, 180, 480, 70), QColor(40, 150, 200), QColor(70, 190, 210));
        painter.setPen(QPen(QColor(255, 255, 255, 160), 2, Qt::SolidLine, Qt::RoundCap));
        for (int row = 0; row < 4; ++row) {
            for (double x = -20 + row * 17; x < 480; x += 70) {
                const double y = 192 + row * 14;
                QPainterPath wave;
                wave.moveTo(x, y);
                wave.quadTo(x + 10, y - 5, x + 20, y);
                painter.drawPath(wave);
            }
        }
        QPainterPath sand;
        sand.moveTo(0, 246);
        sand.quadTo(240, 226, 480, 250);
        sand.lineTo(480, 360);
        sand.lineTo(0, 360);
        sand.closeSubpath();
        QLinearGradient sandColour(0, 230, 0, 360);
        sandColour.setColorAt(0, QColor(250, 226, 170));
        sandColour.setColorAt(1, QColor(226, 190, 130));
        painter.setPen(Qt::NoPen);
        painter.setBrush(sandColour);
        painter.drawPath(sand);
        painter.setBrush(QColor(255, 220, 60));
        painter.drawEllipse(QPointF(60, 50), 26, 26);
        painter.setPen(QPen(QColor(60, 60, 70), 2, Qt::SolidLine, Qt::RoundCap));
        for (const QPointF gull : {QPointF(380, 40), QPointF(410, 60), QPointF(100, 110)}) {
            QPainterPath wings;
            wings.moveTo(gull + QPointF(-9, 0));
            wings.quadTo(gull + QPointF(-4, -6), gull);
            wings.quadTo(gull + QPointF(4, -6), gull + QPointF(9, 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(wings);
        }
        DrawPalm(painter, {430, 300}, 180);
        // A beach ball.
        const QPointF ball(70, 300);
        painter.setPen(QPen(QColor(60, 60, 60), 1.5));
        const QColor segments[] = {QColor(240, 60, 60),  Qt::white, QColor(40, 130, 230), Qt::white,
                                   QColor(255, 210, 40), Qt::white};
        for (int i = 0; i < 6; ++i) {
            painter.setBrush(segments[i]);
            painter.drawPie(QRectF(ball - QPointF(24, 24), QSizeF(48, 48)), i * 60 * 16, 60 * 16);
        }

        // The painted board: posts, a wooden panel and a strongman in a striped suit.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(120, 80, 44));
        painter.drawRect(QRectF(150, 280, 14, 80));
        painter.drawRect(QRectF(316, 280, 14, 80));
        QPainterPath panel;
        panel.addRoundedRect(QRectF(118, 20, 244, 300), 18, 18);
        DrawSoftShadow(painter, panel, {6, 6}, 5, QColor(0, 0, 0, 110));
        painter.setPen(QPen(QColor(90, 56, 26), 4));
        painter.setBrush(QColor(250, 238, 200));
        painter.drawPath(panel);
        // The strongman: neck, shoulders, flexed arms, striped suit.
        const QColor skin(246, 196, 150);
        painter.setPen(QPen(QColor(90, 50, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(skin);
        painter.drawRect(QRectF(222, 150, 36, 30));
        QPainterPath arms;
        arms.moveTo(150, 110);
        arms.cubicTo(130, 150, 150, 200, 190, 190);
        arms.lineTo(200, 176);
        arms.cubicTo(230, 170, 250, 170, 280, 176);
        arms.lineTo(290, 190);
        arms.cubicTo(330, 200, 350, 150, 330, 110);
        arms.cubicTo(350, 100, 344, 80, 326, 86);
        arms.cubicTo(316, 120, 316, 150, 296, 158);
        arms.cubicTo(270, 150, 210, 150, 184, 158);
        arms.cubicTo(164, 150, 164, 120, 154, 86);
        arms.cubicTo(136, 80, 130, 100, 150, 110);
        arms.closeSubpath();
        painter.drawPath(arms);
        QPainterPath suit;
        suit.moveTo(196, 178);
        suit.cubicTo(190, 230, 180, 280, 186, 318);
        suit.lineTo(294, 318);
        suit.cubicTo(300, 280, 290, 230, 284, 178);
        suit.cubicTo(260, 172, 220, 172, 196, 178);
        suit.closeSubpath();
        painter.setBrush(QColor(255, 255, 255));
        painter.drawPath(suit);
        painter.save();
        painter.setClipPath(suit);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(220, 40, 50));
        for (double y = 176; y < 320; y += 24) painter.drawRect(QRectF(180, y, 120, 12));
        painter.restore();
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(suit);
        painter.setPen(QPen(QColor(90, 50, 30), 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(150, 100, 24, 20), 0, 180 * 16);
        painter.drawArc(QRectF(306, 100, 24, 20), 0, 180 * 16);
        // A greeting along the top of the board.
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(20);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(30, 120, 200));
        painter.drawText(QRectF(118, 24, 244, 44), Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("SUNNY BEACH"));
    }
    QPainterPath window;
    window.addEllipse(hole, 40, 47);
    CutWindow(image, window, 4);
    QPainter painter(&image);
    PrepareSmooth(painter);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(90, 56, 26, 200), 3));
    painter.drawEllipse(hole, 41, 48);
    painter.end();
    return {{image}, {QuadOf(mapped)}};
}

Scene DrawPhotoTable() {
    struct Photo {
        QPointF centre;
        double angle;
    };
    const Photo photos[] = {{{128, 122}, -11}, {{350, 108}, 7}, {{240, 236}, -3}};
    constexpr double kCardWidth = 176, kCardHeight = 158;
    constexpr double kPhotoWidth = 156, kPhotoHeight = 117;
    QImage image = NewLayer(kFrameWidth, kFrameHeight);
    Scene scene;
    QPainterPath windows;
    {
        QPainter painter(&image);
        PrepareSmooth(painter);
        // A wooden table top of planks with grain.
        FillVertical(painter, kWholeFrame, QColor(170, 112, 64), QColor(120, 76, 40));
        Random random(13);
        for (double y = 0; y < kFrameHeight; y += 60) {
            painter.setPen(QPen(QColor(80, 46, 20), 2));
            painter.drawLine(QPointF(0, y), QPointF(480, y));
            for (int i = 0; i < 7; ++i) {
                const double gy = y + random.Uniform(6, 54);
                QPainterPath grain;
                grain.moveTo(0, gy);
                for (double x = 0; x < 480; x += 40) {
                    grain.quadTo(x + 20, gy + random.Uniform(-4, 4), x + 40, gy);
                }
                painter.setPen(QPen(QColor(90, 56, 26, random.Int(30, 80)), 1));
                painter.drawPath(grain);
            }
        }
        // A coffee ring and a pencil.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(80, 40, 16, 90), 4));
        painter.drawEllipse(QPointF(420, 290), 30, 28);
        painter.save();
        painter.translate(60, 300);
        painter.rotate(-24);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 200, 40));
        painter.drawRect(QRectF(0, -5, 110, 10));
        painter.setBrush(QColor(240, 150, 150));
        painter.drawRect(QRectF(110, -5, 12, 10));
        painter.setBrush(QColor(240, 210, 170));
        painter.drawPath(PolygonPath({{0, -5}, {0, 5}, {-18, 0}}));
        painter.restore();
        // The photos, each on a white card with a shadow; later ones lie on top.
        for (const Photo& photo : photos) {
            const QPainterPath card =
                QuadPath(TurnedRect(photo.centre, kCardWidth, kCardHeight, photo.angle));
            DrawSoftShadow(painter, card, {4, 6}, 4, QColor(0, 0, 0, 120));
            painter.setPen(QPen(QColor(200, 196, 186), 1));
            painter.setBrush(QColor(250, 248, 242));
            painter.drawPath(card);
            // The photo sits towards the card's top, leaving a wide margin below.
            QTransform turn;
            turn.rotate(photo.angle);
            const QPointF offset = turn.map(QPointF(0, -(kCardHeight - kPhotoHeight) / 2 + 10));
            const Quad window =
                TurnedRect(photo.centre + offset, kPhotoWidth, kPhotoHeight, photo.angle);
            // A later card may cover part of an earlier window.
            windows = windows.subtracted(card).united(QuadPath(window));
            scene.windows.push_back(
                TurnedRect(photo.centre + offset, kPhotoWidth + 4, kPhotoHeight + 4, photo.angle));
        }
    }
    CutWindow(image, windows, 1);
    scene.frames.push_back(image);
    return scene;
}

Scene DrawCinema() {
    const QRectF screen(108, 34, 264, 198);
    QImage image = NewLayer(kFrameWidth, kFrameHeight);
    {
        QPainter painter(&image);
        PrepareSmooth(painter);
        FillVertical(painter, kWholeFrame, QColor(40, 14, 20), QColor(14, 6, 8));
        // The screen's black masking.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(8, 8, 10));
        painter.drawRect(screen.adjusted(-10, -10, 10, 10));
        // Red velvet curtains gathered at the sides.
        for (const double side : {-1.0, 1.0}) {
            const double edge = side < 0 ? 0 : kFrameWidth;
            const double inner = side < 0 ? 118 : kFrameWidth - 118;
            QPainterPath curtain;
            curtain.moveTo(edge, 0);
            curtain.lineTo(inner, 0);
            curtain.cubicTo(inner - side * 10, 120, inner - side * 60, 200, inner - side * 36, 360);
            curtain.lineTo(edge, 360);
            curtain.closeSubpath();
            QLinearGradient folds(edge, 0, inner, 0);
            for (int i = 0; i <= 10; ++i) {
                folds.setColorAt(i / 10.0, i % 2 == 0 ? QColor(190, 20, 40) : QColor(110, 8, 22));
            }
            painter.setBrush(folds);
            painter.drawPath(curtain);
            painter.setBrush(QColor(230, 180, 60));
            painter.drawRoundedRect(QRectF((edge + inner) / 2 - 30, 196, 60, 8), 4, 4);
        }
        // The valance.
        QLinearGradient valance(0, 0, 0, 30);
        valance.setColorAt(0, QColor(150, 14, 30));
        valance.setColorAt(1, QColor(100, 8, 20));
        painter.setBrush(valance);
        QPainterPath top;
        top.moveTo(0, 0);
        top.lineTo(480, 0);
        top.lineTo(480, 24);
        for (double x = 480; x > 0; x -= 40) top.quadTo(x - 20, 40, x - 40, 24);
        top.closeSubpath();
        painter.drawPath(top);
        painter.setPen(QPen(QColor(230, 180, 60), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(QPointF(0, 22), QPointF(480, 22));
        // An exit sign.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 200, 90));
        painter.drawRoundedRect(QRectF(416, 40, 46, 16), 2, 2);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(416, 40, 46, 16), Qt::AlignCenter, QStringLiteral("EXIT"));
    }
    QPainterPath window;
    window.addRect(screen);
    CutWindow(image, window, 3);
    QPainter painter(&image);
    PrepareSmooth(painter);
    // Light from the screen on the audience, and the audience's heads and seat backs.
    QRadialGradient spill(QPointF(240, 240), 220);
    spill.setColorAt(0, QColor(200, 200, 255, 60));
    spill.setColorAt(1, QColor(200, 200, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(spill);
    painter.drawRect(QRectF(20, 232, 440, 128));
    Random random(31);
    for (int row = 0; row < 2; ++row) {
        const double y = 300 + row * 40;
        for (double x = 20 + row * 22; x < 470; x += 48) {
            const QPointF head(x + random.Uniform(-6, 6), y - random.Uniform(0, 10));
            painter.setBrush(QColor(10 + row * 4, 8, 10));
            painter.drawEllipse(head, 16, 19);
            painter.drawRoundedRect(QRectF(head.x() - 24, head.y() + 12, 48, 60), 12, 12);
        }
        painter.setBrush(QColor(70, 10, 20));
        painter.drawRect(QRectF(0, y + 22, 480, 40));
    }
    painter.end();
    return {{image}, {QuadOf(screen.adjusted(-2, -2, 2, 2))}};
}

}  // namespace fxgen

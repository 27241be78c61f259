// Animations: strips of frames over the whole frame, and a small sprite. The looping ones are
// seamless: everything that moves comes back to where it started after the last frame.

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "tools/fxgen/Artwork.h"
#include "tools/fxgen/Painting.h"

namespace fxgen {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

// Something that drifts through a looping strip: it repeats every `period` pixels along its
// path and moves `laps` periods per loop, so the last frame leads into the first.
struct Drifter {
    double x = 0;
    double y = 0;
    double size = 0;
    double phase = 0;
    int laps = 1;
    int colour = 0;
};

// Calls draw(point, drifter, turn) for every copy of every drifter visible in frame `frame` of
// `frameCount`. The copies of a drifter are `period` apart vertically and move down, or up when
// `rising`; they sway sideways by `wobble`. `turn` counts the periods down the frame, for
// anything that should change with the drifter's height and still fit the loop.
template <typename Draw>
void ForEachCopy(const std::vector<Drifter>& drifters, int frame, int frameCount, double period,
                 bool rising, double wobble, Draw draw) {
    const double loop = static_cast<double>(frame) / frameCount;
    for (const Drifter& drifter : drifters) {
        const double shift = loop * drifter.laps * period * (rising ? -1 : 1);
        double first = std::fmod(drifter.y + shift, period);
        if (first < 0) first += period;
        for (double y = first - period; y < kFrameHeight + period; y += period) {
            const double turn = y / period;
            const double x = drifter.x + wobble * std::sin(kTau * turn + drifter.phase);
            draw(QPointF(x, y), drifter, turn);
        }
    }
}

std::vector<Drifter> ScatterDrifters(uint32_t seed, int count, double period, double minSize,
                                     double maxSize, int colours) {
    Random random(seed);
    std::vector<Drifter> drifters;
    for (int i = 0; i < count; ++i) {
        Drifter drifter;
        drifter.x = random.Uniform(0, kFrameWidth);
        drifter.y = random.Uniform(0, period);
        drifter.size = random.Uniform(minSize, maxSize);
        drifter.phase = random.Uniform(0, kTau);
        // Big ones are near and pass faster.
        drifter.laps = drifter.size > (minSize + maxSize) / 2 ? 2 : 1;
        drifter.colour = random.Int(0, colours - 1);
        drifters.push_back(drifter);
    }
    return drifters;
}

void DrawSnowflake(QPainter& painter, QPointF at, double size, double turn) {
    if (size < 4) {
        QRadialGradient dot(at, size);
        dot.setColorAt(0, QColor(255, 255, 255, 250));
        dot.setColorAt(0.6, QColor(255, 255, 255, 200));
        dot.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(dot);
        painter.drawEllipse(at, size, size);
        return;
    }
    // A six-armed crystal that turns a sixth of a turn per period, so it looks the same.
    painter.save();
    painter.translate(at);
    painter.rotate(turn * 60);
    painter.setPen(QPen(QColor(170, 200, 230, 160), size * 0.5, Qt::SolidLine, Qt::RoundCap));
    for (int pass = 0; pass < 2; ++pass) {
        for (int arm = 0; arm < 6; ++arm) {
            painter.save();
            painter.rotate(arm * 60);
            painter.drawLine(QPointF(0, 0), QPointF(0, -size));
            painter.drawLine(QPointF(0, -size * 0.55), QPointF(size * 0.3, -size * 0.8));
            painter.drawLine(QPointF(0, -size * 0.55), QPointF(-size * 0.3, -size * 0.8));
            painter.restore();
        }
        painter.setPen(QPen(QColor(255, 255, 255, 250), size * 0.22, Qt::SolidLine, Qt::RoundCap));
    }
    painter.restore();
}

// One particle of a firework: where it is and how bright after `age` frames.
struct Burst {
    QPointF centre;
    QColor colour;
    int launchFrame;
    int burstFrame;
    int sparks;
    double speed;
};

void DrawBurst(QPainter& painter, const Burst& burst, int frame, Random random) {
    if (frame < burst.launchFrame) return;
    if (frame < burst.burstFrame) {
        // The rocket climbs with a fading trail.
        const double t = static_cast<double>(frame - burst.launchFrame + 1) /
                         (burst.burstFrame - burst.launchFrame + 1);
        const QPointF start(burst.centre.x() - 20, kFrameHeight + 10);
        const QPointF head = start + (burst.centre - start) * t;
        const QPointF tail = start + (burst.centre - start) * std::max(0.0, t - 0.25);
        QLinearGradient trail(tail, head);
        trail.setColorAt(0, QColor(255, 220, 160, 0));
        trail.setColorAt(1, QColor(255, 240, 200, 230));
        painter.setPen(QPen(QBrush(trail), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(tail, head);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 230));
        painter.drawEllipse(head, 3, 3);
        return;
    }
    const double age = frame - burst.burstFrame;
    const double fade = std::max(0.0, 1 - age / 9);
    if (fade <= 0) return;
    for (int i = 0; i < burst.sparks; ++i) {
        const double angle = kTau * i / burst.sparks + random.Uniform(-0.08, 0.08);
        const double speed = burst.speed * random.Uniform(0.8, 1.05);
        // Sparks fly out fast, slow down in the air and sink.
        auto place = [&](double a) {
            const double reach = speed * (1 - std::exp(-a * 0.35)) / 0.35;
            return burst.centre +
                   QPointF(std::cos(angle) * reach, std::sin(angle) * reach + 0.6 * a * a);
        };
        const QPointF now = place(age + 1);
        const QPointF before = place(std::max(0.0, age - 0.2));
        const int alpha = static_cast<int>(255 * fade);
        QLinearGradient streak(before, now);
        streak.setColorAt(0, WithAlpha(burst.colour, 0));
        streak.setColorAt(1, WithAlpha(burst.colour, alpha));
        painter.setPen(QPen(QBrush(streak), 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(before, now);
        painter.setPen(Qt::NoPen);
        painter.setBrush(WithAlpha(Mix(burst.colour, Qt::white, 0.6), alpha));
        painter.drawEllipse(now, 2.6, 2.6);
    }
    // A flash at the moment of the burst.
    if (age < 2) {
        QRadialGradient flash(burst.centre, 40);
        flash.setColorAt(0, QColor(255, 255, 240, age < 1 ? 220 : 120));
        flash.setColorAt(1, QColor(255, 255, 240, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(flash);
        painter.drawEllipse(burst.centre, 40, 40);
    }
}

// Adds a glow: the frame blurred and brightened, under the frame itself.
QImage WithGlow(const QImage& frame, int radius) {
    QImage glow = frame.copy();
    Blur(glow, radius);
    QImage result = NewLayer(frame.width(), frame.height());
    QPainter painter(&result);
    painter.drawImage(0, 0, glow);
    painter.drawImage(0, 0, glow);
    painter.drawImage(0, 0, frame);
    return result;
}

}  // namespace

std::vector<QImage> DrawSnow(int frameCount) {
    constexpr double kPeriod = 120;
    const std::vector<Drifter> flakes = ScatterDrifters(41, 46, kPeriod, 2, 9, 1);
    std::vector<QImage> frames;
    for (int frame = 0; frame < frameCount; ++frame) {
        QImage image = NewLayer(kFrameWidth, kFrameHeight);
        QPainter painter(&image);
        PrepareSmooth(painter);
        ForEachCopy(flakes, frame, frameCount, kPeriod, false, 10,
                    [&](QPointF at, const Drifter& flake, double turn) {
                        DrawSnowflake(painter, at, flake.size, turn);
                    });
        frames.push_back(image);
    }
    return frames;
}

std::vector<QImage> DrawHearts(int frameCount) {
    constexpr double kPeriod = 180;
    std::vector<Drifter> hearts = ScatterDrifters(17, 16, kPeriod, 16, 36, 4);
    // Keep the middle of the frame, where the face is, fairly clear.
    for (Drifter& heart : hearts) {
        if (heart.x > 170 && heart.x < 310) heart.x = heart.x < 240 ? heart.x - 110 : heart.x + 110;
    }
    const QColor colours[] = {QColor(255, 70, 120), QColor(255, 140, 180), QColor(230, 30, 70),
                              QColor(255, 190, 210)};
    std::vector<QImage> frames;
    for (int frame = 0; frame < frameCount; ++frame) {
        QImage image = NewLayer(kFrameWidth, kFrameHeight);
        QPainter painter(&image);
        PrepareSmooth(painter);
        ForEachCopy(hearts, frame, frameCount, kPeriod, true, 12,
                    [&](QPointF at, const Drifter& heart, double turn) {
                        const QColor colour = colours[heart.colour];
                        painter.save();
                        painter.translate(at);
                        painter.rotate(8 * std::sin(kTau * turn + heart.phase));
                        const QPainterPath shape = HeartPath({0, 0}, heart.size, heart.size * 0.9);
                        QRadialGradient fill(QPointF(-heart.size * 0.2, -heart.size * 0.2),
                                             heart.size * 0.8);
                        fill.setColorAt(0, WithAlpha(colour.lighter(130), 230));
                        fill.setColorAt(1, WithAlpha(colour, 200));
                        painter.setPen(QPen(WithAlpha(colour.darker(140), 200), 1.2));
                        painter.setBrush(fill);
                        painter.drawPath(shape);
                        painter.setPen(Qt::NoPen);
                        painter.setBrush(QColor(255, 255, 255, 150));
                        painter.drawEllipse(QPointF(-heart.size * 0.22, -heart.size * 0.2),
                                            heart.size * 0.1, heart.size * 0.07);
                        painter.restore();
                    });
        frames.push_back(image);
    }
    return frames;
}

std::vector<QImage> DrawBubbles(int frameCount) {
    constexpr double kPeriod = 180;
    const std::vector<Drifter> bubbles = ScatterDrifters(29, 18, kPeriod, 10, 32, 3);
    const QColor tints[] = {QColor(150, 220, 255), QColor(255, 180, 240), QColor(190, 255, 200)};
    std::vector<QImage> frames;
    for (int frame = 0; frame < frameCount; ++frame) {
        QImage image = NewLayer(kFrameWidth, kFrameHeight);
        QPainter painter(&image);
        PrepareSmooth(painter);
        ForEachCopy(bubbles, frame, frameCount, kPeriod, true, 14,
                    [&](QPointF at, const Drifter& bubble, double) {
                        const double r = bubble.size;
                        QRadialGradient film(at, r);
                        film.setColorAt(0, QColor(255, 255, 255, 24));
                        film.setColorAt(0.65, WithAlpha(tints[bubble.colour], 70));
                        film.setColorAt(0.92, WithAlpha(tints[bubble.colour], 200));
                        film.setColorAt(1, QColor(255, 255, 255, 120));
                        painter.setPen(QPen(QColor(255, 255, 255, 220), 1.5));
                        painter.setBrush(film);
                        painter.drawEllipse(at, r, r);
                        painter.setPen(Qt::NoPen);
                        painter.setBrush(QColor(255, 255, 255, 210));
                        painter.drawEllipse(at + QPointF(-r * 0.4, -r * 0.4), r * 0.2, r * 0.13);
                    });
        frames.push_back(image);
    }
    return frames;
}

std::vector<QImage> DrawFireworks(int frameCount) {
    const Burst bursts[] = {
        {{110, 90}, QColor(255, 200, 60), 0, 4, 34, 26},
        {{370, 70}, QColor(255, 80, 160), 2, 7, 40, 28},
        {{230, 46}, QColor(80, 230, 255), 6, 10, 36, 24},
        {{70, 170}, QColor(140, 255, 120), 9, 12, 28, 20},
        {{410, 150}, QColor(200, 140, 255), 10, 13, 30, 22},
    };
    std::vector<QImage> frames;
    for (int frame = 0; frame < frameCount; ++frame) {
        QImage sparks = NewLayer(kFrameWidth, kFrameHeight);
        {
            QPainter painter(&sparks);
            PrepareSmooth(painter);
            uint32_t seed = 1;
            for (const Burst& burst : bursts) DrawBurst(painter, burst, frame, Random(seed++));
        }
        // The sky darkens into night at the start and clears at the end.
        const int edge = std::min(frame + 1, frameCount - frame);
        const double night = std::min(1.0, edge / 3.0);
        QImage image = NewLayer(kFrameWidth, kFrameHeight);
        QPainter painter(&image);
        QLinearGradient veil(0, 0, 0, kFrameHeight);
        veil.setColorAt(0, QColor(8, 10, 40, static_cast<int>(190 * night)));
        veil.setColorAt(1, QColor(8, 10, 40, static_cast<int>(70 * night)));
        painter.fillRect(image.rect(), veil);
        painter.drawImage(0, 0, WithGlow(sparks, 4));
        painter.end();
        frames.push_back(image);
    }
    return frames;
}

std::vector<QImage> DrawConfetti(int frameCount) {
    Random random(77);
    struct Piece {
        double x, y, speed, sway, spin, angle, width, height;
        QColor colour;
    };
    const std::vector<QColor> colours = {QColor(240, 60, 80),   QColor(255, 200, 40),
                                         QColor(60, 180, 240),  QColor(80, 210, 110),
                                         QColor(200, 100, 240), QColor(255, 130, 40)};
    std::vector<Piece> pieces;
    for (int i = 0; i < 150; ++i) {
        pieces.push_back({random.Uniform(-10, 490), random.Uniform(-360, -10),
                          random.Uniform(22, 34), random.Uniform(0, kTau), random.Uniform(0.5, 1.4),
                          random.Uniform(0, 180), random.Uniform(8, 13), random.Uniform(4, 7),
                          random.Pick(colours)});
    }
    std::vector<QImage> frames;
    for (int frame = 0; frame < frameCount; ++frame) {
        QImage image = NewLayer(kFrameWidth, kFrameHeight);
        QPainter painter(&image);
        PrepareSmooth(painter);
        painter.setPen(Qt::NoPen);
        for (const Piece& piece : pieces) {
            const double t = frame + 1;
            const QPointF at(piece.x + 14 * std::sin(piece.sway + t * 0.5),
                             piece.y + piece.speed * t);
            if (at.y() < -10 || at.y() > kFrameHeight + 10) continue;
            painter.save();
            painter.translate(at);
            painter.rotate(piece.angle + t * 25);
            // The piece tumbles: its height shrinks and grows as it turns over.
            const double flip = std::cos(piece.spin * t);
            painter.scale(1, std::max(0.15, std::abs(flip)));
            painter.setBrush(flip > 0 ? piece.colour : piece.colour.darker(130));
            painter.drawRect(
                QRectF(-piece.width / 2, -piece.height / 2, piece.width, piece.height));
            painter.restore();
        }
        frames.push_back(image);
    }
    return frames;
}

std::vector<QImage> DrawButterfly(int frameCount) {
    constexpr int kWidth = 120;
    constexpr int kHeight = 100;
    std::vector<QImage> frames;
    for (int frame = 0; frame < frameCount; ++frame) {
        QImage image = NewLayer(kWidth, kHeight);
        QPainter painter(&image);
        PrepareSmooth(painter);
        const double phase = kTau * frame / frameCount;
        const double open = 0.25 + 0.75 * std::abs(std::cos(phase / 2));
        const double bob = 3 * std::sin(phase);
        painter.translate(kWidth / 2.0, kHeight / 2.0 + bob);
        painter.scale(1.25, 1.25);
        for (const double side : {-1.0, 1.0}) {
            painter.save();
            painter.scale(side * open, 1);
            QPainterPath upper;
            upper.moveTo(0, -4);
            upper.cubicTo(10, -34, 44, -38, 42, -14);
            upper.cubicTo(40, 0, 14, 2, 0, 0);
            QPainterPath lower;
            lower.moveTo(0, 0);
            lower.cubicTo(20, 2, 36, 14, 26, 28);
            lower.cubicTo(16, 38, 4, 22, 0, 6);
            QLinearGradient wing(0, 0, 44, 0);
            wing.setColorAt(0, QColor(255, 150, 30));
            wing.setColorAt(1, QColor(230, 70, 20));
            painter.setPen(QPen(QColor(40, 24, 16), 2.2));
            painter.setBrush(wing);
            painter.drawPath(upper);
            painter.drawPath(lower);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(255, 255, 255, 230));
            painter.drawEllipse(QPointF(34, -18), 4, 3.5);
            painter.drawEllipse(QPointF(22, 22), 3, 3);
            painter.setBrush(QColor(40, 24, 16));
            painter.drawEllipse(QPointF(24, -20), 3, 3);
            painter.restore();
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(40, 24, 16));
        painter.drawRoundedRect(QRectF(-3, -16, 6, 36), 3, 3);
        painter.setPen(QPen(QColor(40, 24, 16), 1.5));
        painter.drawLine(QPointF(-1, -15), QPointF(-8, -28));
        painter.drawLine(QPointF(1, -15), QPointF(8, -28));
        frames.push_back(image);
    }
    return frames;
}

}  // namespace fxgen

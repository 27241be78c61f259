#include "tools/fxgen/Painting.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fxgen {
namespace {

// One box-blur pass over a line of `count` pixels of four bytes each, `stride` pixels apart.
void BoxBlurLine(uint32_t* pixels, int count, int stride, int radius, std::vector<uint32_t>& line) {
    line.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) line[static_cast<size_t>(i)] = pixels[i * stride];
    const int window = 2 * radius + 1;
    int sums[4] = {0, 0, 0, 0};
    auto at = [&](int i) { return line[static_cast<size_t>(std::clamp(i, 0, count - 1))]; };
    auto add = [&](uint32_t pixel, int sign) {
        for (int c = 0; c < 4; ++c) sums[c] += sign * static_cast<int>((pixel >> (8 * c)) & 0xff);
    };
    for (int i = -radius; i <= radius; ++i) add(at(i), 1);
    for (int i = 0; i < count; ++i) {
        uint32_t result = 0;
        for (int c = 0; c < 4; ++c) {
            result |= static_cast<uint32_t>((sums[c] + window / 2) / window) << (8 * c);
        }
        pixels[i * stride] = result;
        add(at(i + radius + 1), 1);
        add(at(i - radius), -1);
    }
}

}  // namespace

QImage NewLayer(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

PlacedPicture PictureOver(const QRect& area) {
    return {NewLayer(area.width(), area.height()), area.topLeft()};
}

void BeginFrameCoordinates(QPainter& painter, const PlacedPicture& placed) {
    PrepareSmooth(painter);
    painter.translate(-QPointF(placed.position));
}

void PrepareSmooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

void Blur(QImage& image, int radius) {
    if (radius < 1 || image.isNull()) return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied) {
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    const int width = image.width();
    const int height = image.height();
    const int stride = static_cast<int>(image.bytesPerLine() / 4);
    auto* pixels = reinterpret_cast<uint32_t*>(image.bits());
    std::vector<uint32_t> line;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y) BoxBlurLine(pixels + y * stride, width, 1, radius, line);
        for (int x = 0; x < width; ++x) BoxBlurLine(pixels + x, height, stride, radius, line);
    }
}

void CutWindow(QImage& image, const QPainterPath& window, int feather) {
    QImage hole = NewLayer(image.width(), image.height());
    {
        QPainter painter(&hole);
        PrepareSmooth(painter);
        painter.fillPath(window, Qt::black);
    }
    Blur(hole, feather / 2);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    painter.drawImage(0, 0, hole);
}

void DrawSoftShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, int blur,
                    const QColor& colour) {
    const QRectF area =
        shape.boundingRect().translated(offset).adjusted(-3 * blur, -3 * blur, 3 * blur, 3 * blur);
    const QRect box = area.toAlignedRect();
    QImage shadow = NewLayer(box.width(), box.height());
    {
        QPainter shadowPainter(&shadow);
        PrepareSmooth(shadowPainter);
        shadowPainter.translate(offset - QPointF(box.topLeft()));
        shadowPainter.fillPath(shape, colour);
    }
    Blur(shadow, blur);
    painter.drawImage(box.topLeft(), shadow);
}

QImage StackFrames(const std::vector<QImage>& frames) {
    if (frames.empty()) return {};
    const int width = frames.front().width();
    const int height = frames.front().height();
    QImage strip = NewLayer(width, height * static_cast<int>(frames.size()));
    QPainter painter(&strip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (size_t i = 0; i < frames.size(); ++i) {
        painter.drawImage(0, height * static_cast<int>(i), frames[i]);
    }
    return strip;
}

QPainterPath HeartPath(QPointF centre, double width, double height) {
    // Two lobes meeting at a dip on top and a point at the bottom; the box is width x height.
    const double w = width / 2;
    const double top = centre.y() - height / 2;
    const double bottom = centre.y() + height / 2;
    const double x = centre.x();
    QPainterPath path;
    path.moveTo(x, top + height * 0.28);
    path.cubicTo(x - w * 0.15, top - height * 0.06, x - w * 1.08, top - height * 0.02, x - w * 0.98,
                 top + height * 0.38);
    path.cubicTo(x - w * 0.92, top + height * 0.62, x - w * 0.42, top + height * 0.78, x, bottom);
    path.cubicTo(x + w * 0.42, top + height * 0.78, x + w * 0.92, top + height * 0.62, x + w * 0.98,
                 top + height * 0.38);
    path.cubicTo(x + w * 1.08, top - height * 0.02, x + w * 0.15, top - height * 0.06, x,
                 top + height * 0.28);
    path.closeSubpath();
    return path;
}

QPainterPath StarPath(QPointF centre, double outer, double inner, int points, double turn) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = turn - std::numbers::pi / 2 + i * std::numbers::pi / points;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

QPainterPath PolygonPath(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& corner : corners) {
        if (first) {
            path.moveTo(corner);
            first = false;
        } else {
            path.lineTo(corner);
        }
    }
    path.closeSubpath();
    return path;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    auto channel = [t](int from, int to) {
        return static_cast<int>(std::lround(from + (to - from) * t));
    };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

QColor WithAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

uint32_t Random::Next() {
    // xorshift32
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Random::Uniform(double low, double high) {
    return low + (high - low) * (Next() / 4294967296.0);
}

int Random::Int(int low, int high) {
    return low + static_cast<int>(Next() % static_cast<uint32_t>(high - low + 1));
}

}  // namespace fxgen

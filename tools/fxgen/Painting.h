#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdint>
#include <vector>

namespace fxgen {

// A transparent picture with premultiplied alpha, the form all artwork is drawn in.
QImage NewLayer(int width, int height);

// A picture that covers part of the frame: `position` is the frame point of its top-left
// corner.
struct PlacedPicture {
    QImage picture;
    QPoint position;
};

// A transparent picture covering `area` of the frame.
PlacedPicture PictureOver(const QRect& area);

// Readies a painter on `placed` to draw in frame coordinates, smoothly.
void BeginFrameCoordinates(QPainter& painter, const PlacedPicture& placed);

// A painter with antialiasing and smooth pixmap transforms switched on.
void PrepareSmooth(QPainter& painter);

// Softens the picture with three box-blur passes of the given radius (close to a Gaussian),
// colour and alpha alike; the picture's edges repeat outwards.
void Blur(QImage& image, int radius);

// Cuts `window` out of the picture with an edge that fades over about `feather` pixels.
void CutWindow(QImage& image, const QPainterPath& window, int feather);

// Paints the blurred silhouette of `shape`, moved by `offset`, as a soft shadow.
void DrawSoftShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, int blur,
                    const QColor& colour);

// Stacks equally sized frames from top to bottom into one strip.
QImage StackFrames(const std::vector<QImage>& frames);

// Shapes used by several pictures.
QPainterPath HeartPath(QPointF centre, double width, double height);
QPainterPath StarPath(QPointF centre, double outer, double inner, int points, double turn);
// Corners given clockwise from top-left, joined by straight lines.
QPainterPath PolygonPath(std::initializer_list<QPointF> corners);

QColor Mix(const QColor& a, const QColor& b, double t);
QColor WithAlpha(QColor colour, int alpha);

// A small deterministic generator, so that every build draws the same pictures.
class Random {
public:
    explicit Random(uint32_t seed) : state_((seed * 2654435761u) ^ 0x9e3779b9u) {
        if (state_ == 0) state_ = 1;
    }
    uint32_t Next();
    double Uniform(double low, double high);
    int Int(int low, int high);  // low..high inclusive
    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(Int(0, static_cast<int>(items.size()) - 1))];
    }

private:
    uint32_t state_;
};

}  // namespace fxgen

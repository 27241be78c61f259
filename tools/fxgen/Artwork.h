#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>

#include <array>
#include <vector>

#include "tools/fxgen/Painting.h"

namespace fxgen {

// The frame size the engine works in; full-frame pictures have this size.
inline constexpr int kFrameWidth = 480;
inline constexpr int kFrameHeight = 360;

// Where the figure of the sample picture sits. Masks and accessories are drawn for a face at
// this place, which is where a person facing the camera usually is.
namespace face {
inline constexpr QPointF kCentre{240, 168};
inline constexpr double kRadiusX = 76;
inline constexpr double kRadiusY = 90;
inline constexpr QPointF kLeftEye{211, 160};
inline constexpr QPointF kRightEye{269, 160};
inline constexpr QPointF kNose{240, 192};
inline constexpr QPointF kMouth{240, 222};
inline constexpr QPointF kLeftEar{164, 172};
inline constexpr QPointF kRightEar{316, 172};
}  // namespace face

// The picture thumbnails are rendered on: a person in front of a sunny landscape.
QImage DrawSamplePicture();

// Frames: full-frame pictures with a transparent window.
QImage DrawHeartFrame();
QImage DrawGoldFrame();
QImage DrawFilmStrip();
QImage DrawInstantPhoto();
QImage DrawVintageOval();
QImage DrawFlowerFrame();

// Faces: pictures laid over the face, each with the frame point of its top-left corner.
PlacedPicture DrawCatFace();
PlacedPicture DrawClownFace();
PlacedPicture DrawHeroMask();
PlacedPicture DrawMoustache();
PlacedPicture DrawPirate();
PlacedPicture DrawTigerPaint();

// Accessories.
PlacedPicture DrawSunglasses();
PlacedPicture DrawPartyHat();
PlacedPicture DrawCrown();
PlacedPicture DrawBowTie();
PlacedPicture DrawTopHat();
PlacedPicture DrawHeadphones();
// An animated cap: its frames, each of the same size, and their common position.
struct PlacedFrames {
    std::vector<QImage> frames;
    QPoint position;
};
PlacedFrames DrawPropellerCap(int frameCount);
PlacedPicture DrawSpeechBubble();

// Animations: frames of a strip.
std::vector<QImage> DrawSnow(int frameCount);
std::vector<QImage> DrawHearts(int frameCount);
std::vector<QImage> DrawBubbles(int frameCount);
std::vector<QImage> DrawFireworks(int frameCount);
std::vector<QImage> DrawConfetti(int frameCount);
std::vector<QImage> DrawButterfly(int frameCount);

// Scenes: full-frame pictures (one per animation frame) with windows, and the quadrangles the
// camera picture is drawn into. A quadrangle lists where the picture's top-left, top-right,
// bottom-right and bottom-left corners go.
using Quad = std::array<QPointF, 4>;
struct Scene {
    std::vector<QImage> frames;
    std::vector<Quad> windows;
};
Scene DrawTvWall();
Scene DrawBillboard(int frameCount);
Scene DrawGallery();
Scene DrawBeachBoard();
Scene DrawPhotoTable();
Scene DrawCinema();

}  // namespace fxgen

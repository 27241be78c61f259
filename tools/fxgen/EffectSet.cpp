#include "tools/fxgen/EffectSet.h"

#include <cmath>

#include <QPainter>

#include "tools/fxgen/Artwork.h"

namespace fxgen {
namespace {

using Json = nlohmann::ordered_json;

// Type codes of the descriptor.
enum Type {
    kFrame = 0,
    kAnimation = 1,
    kDistortion = 2,
    kAccessory = 3,
    kFace = 4,
    kFilter = 5,
    kScene = 6
};

// Scaled quadrangles are given in thousandths of the frame.
constexpr int kReferenceSize = 1000;

// Thumbnail areas: the whole frame; the sky beside the head, where things fly; the part where
// a sprite lands; the head, with what sits on it, with a speech bubble; the collar; and close
// looks at the face for filters whose grain is finer than a thumbnail's pixel.
const QRect kWholeFrame(0, 0, kFrameWidth, kFrameHeight);
const QRect kUpperLeft(0, 0, 320, 240);
const QRect kLeftMiddle(0, 60, 320, 240);
const QRect kHeadArea(96, 42, 288, 216);
const QRect kHatArea(90, 0, 320, 240);
const QRect kHeadAndBubble(176, 0, 304, 228);
const QRect kCollarArea(120, 170, 240, 180);
const QRect kCloseFace(160, 108, 160, 120);
const QRect kEyes(180, 118, 120, 90);

Json Descriptor(Type type, const std::string& title) {
    Json descriptor;
    descriptor["type"] = type;
    descriptor["strings"] = Json::array({title});
    return descriptor;
}

// A picture of `frameCount` frames of frameSize, shown at `position` for `delays`.
Json PictureDescriptor(Type type, const std::string& title, QSize frameSize, QPoint position,
                       const std::vector<int>& delays, bool playOnce) {
    Json descriptor = Descriptor(type, title);
    descriptor["frameCount"] = delays.size();
    descriptor["sizeMode"] = 0;
    descriptor["width"] = frameSize.width();
    descriptor["height"] = frameSize.height();
    descriptor["playOnce"] = playOnce ? 1 : 0;
    descriptor["delays"] = delays;
    descriptor["x"] = position.x();
    descriptor["y"] = position.y();
    return descriptor;
}

// The same, sized in percent of the frame: it follows the frame size of the engine.
Json FramePercentDescriptor(Type type, const std::string& title, const std::vector<int>& delays,
                            bool playOnce) {
    Json descriptor = PictureDescriptor(type, title, {0, 0}, {0, 0}, delays, playOnce);
    descriptor["sizeMode"] = 1;
    descriptor["widthPercent"] = 100;
    descriptor["heightPercent"] = 100;
    return descriptor;
}

std::vector<int> Delays(int frameCount, int milliseconds) {
    return std::vector<int>(static_cast<size_t>(frameCount), milliseconds);
}

// The picture laid into a transparent frame at its place. Overlays are drawn from the frame's
// top-left corner, so faces and accessories are stored as full-frame pictures.
QImage OnWholeFrame(const QImage& picture, QPoint position) {
    QImage frame = NewLayer(kFrameWidth, kFrameHeight);
    QPainter painter(&frame);
    painter.drawImage(position, picture);
    return frame;
}

PackedEffect Overlay(Type type, const std::string& title, const PlacedPicture& placed) {
    const QImage frame = OnWholeFrame(placed.picture, placed.position);
    return {PictureDescriptor(type, title, frame.size(), {0, 0}, {1000}, false), frame};
}

PackedEffect FullFrameStill(Type type, const std::string& title, const QImage& picture) {
    return {PictureDescriptor(type, title, picture.size(), {0, 0}, {1000}, false), picture};
}

PackedEffect FullFrameStrip(Type type, const std::string& title, const std::vector<QImage>& frames,
                            const std::vector<int>& delays, bool playOnce) {
    return {FramePercentDescriptor(type, title, delays, playOnce), StackFrames(frames)};
}

// Quadrangles in the file's corner order: top-left, bottom-left, top-right, bottom-right.
Json QuadsToJson(const std::vector<Quad>& quads, double scaleX, double scaleY) {
    Json list = Json::array();
    for (const Quad& quad : quads) {
        Json corners = Json::array();
        for (const int corner : {0, 3, 1, 2}) {
            corners.push_back({static_cast<int>(std::lround(quad[corner].x() * scaleX)),
                               static_cast<int>(std::lround(quad[corner].y() * scaleY))});
        }
        list.push_back(corners);
    }
    return list;
}

// A scene covers the frame; its windows are stored in pixels and in thousandths of the frame,
// and `scaled` says which of the two the engine uses.
PackedEffect ScenePicture(const std::string& title, const Scene& scene,
                          const std::vector<int>& delays, bool scaled) {
    Json descriptor = scaled ? FramePercentDescriptor(kScene, title, delays, false)
                             : PictureDescriptor(kScene, title, scene.frames.front().size(), {0, 0},
                                                 delays, false);
    descriptor["quadCount"] = scene.windows.size();
    descriptor["referenceSize"] = kReferenceSize;
    descriptor["quadsPixels"] = QuadsToJson(scene.windows, 1, 1);
    descriptor["quadsScaled"] = QuadsToJson(scene.windows, double{kReferenceSize} / kFrameWidth,
                                            double{kReferenceSize} / kFrameHeight);
    return {descriptor, StackFrames(scene.frames)};
}

PackedEffect Distortion(const std::string& title, int code, Json settings = Json::object()) {
    Json descriptor = Descriptor(kDistortion, title);
    descriptor["distortionCode"] = code;
    for (const auto& [name, value] : settings.items()) descriptor[name] = value;
    return {descriptor, QImage()};
}

PackedEffect Filter(const std::string& title, int code, Json settings = Json::object()) {
    Json descriptor = Descriptor(kFilter, title);
    descriptor["filterCode"] = code;
    for (const auto& [name, value] : settings.items()) descriptor[name] = value;
    return {descriptor, QImage()};
}

// The frame shrunk into four quarters, each the mirror image of its neighbours, so that the
// copies meet at the centre lines like in a kaleidoscope.
std::vector<Quad> KaleidoscopeQuads() {
    const double midX = kFrameWidth / 2.0;
    const double midY = kFrameHeight / 2.0;
    std::vector<Quad> quads;
    for (const double left : {0.0, double{kFrameWidth}}) {      // where the frame's left edge goes
        for (const double top : {0.0, double{kFrameHeight}}) {  // where its top edge goes
            quads.push_back(
                {QPointF(left, top), QPointF(midX, top), QPointF(midX, midY), QPointF(left, midY)});
        }
    }
    return quads;
}

// The effects, one function each.

PackedEffect MakeSnow() {
    return FullFrameStrip(kAnimation, "Snow", DrawSnow(12), Delays(12, 120), false);
}
PackedEffect MakeHearts() {
    return FullFrameStrip(kAnimation, "Hearts", DrawHearts(12), Delays(12, 100), false);
}
PackedEffect MakeBubbles() {
    return FullFrameStrip(kAnimation, "Bubbles", DrawBubbles(12), Delays(12, 110), false);
}
PackedEffect MakeFireworks() {
    return FullFrameStrip(kAnimation, "Fireworks", DrawFireworks(20), Delays(20, 90), true);
}
PackedEffect MakeConfetti() {
    return FullFrameStrip(kAnimation, "Confetti", DrawConfetti(16), Delays(16, 90), true);
}
// A small sprite that lands at a random place.
PackedEffect MakeButterfly() {
    const std::vector<QImage> frames = DrawButterfly(6);
    Json descriptor = PictureDescriptor(kAnimation, "Butterfly", frames.front().size(), {0, 0},
                                        Delays(6, 70), false);
    descriptor["randomPosition"] = 1;
    return {descriptor, StackFrames(frames)};
}

PackedEffect MakeKaleidoscope() {
    const std::vector<Quad> quads = KaleidoscopeQuads();
    Json settings;
    settings["quadCount"] = quads.size();
    settings["referenceSize"] = kReferenceSize;
    settings["quadsPixels"] = QuadsToJson(quads, 1, 1);
    settings["quadsScaled"] = QuadsToJson(quads, double{kReferenceSize} / kFrameWidth,
                                          double{kReferenceSize} / kFrameHeight);
    return Distortion("Kaleidoscope", 0, settings);
}
PackedEffect MakeQuadView() {
    return Distortion("Quad view", 1, {{"gridColumns", 2}, {"gridRows", 2}});
}
PackedEffect MakeNineView() {
    return Distortion("Nine view", 1, {{"gridColumns", 3}, {"gridRows", 3}});
}
PackedEffect MakePinch() {
    return Distortion("Pinch", 2);
}
PackedEffect MakeBulge() {
    return Distortion("Bulge", 3);
}
PackedEffect MakeSwirl() {
    return Distortion("Swirl", 4);
}
PackedEffect MakeRipple() {
    return Distortion("Ripple", 5);
}
PackedEffect MakePolar() {
    return Distortion("Polar", 6);
}
PackedEffect MakeTilt() {
    return Distortion("Tilt", 7, {{"rotationDegrees", 15}});
}
PackedEffect MakeUpsideDown() {
    return Distortion("Upside down", 7, {{"rotationDegrees", 180}});
}
PackedEffect MakeMirror() {
    return Distortion("Mirror", 8);
}

PackedEffect MakeWarm() {
    return Filter("Warm", 0, {{"redShift", 36}, {"greenShift", 12}, {"blueShift", -28}});
}
PackedEffect MakeCool() {
    return Filter("Cool", 0, {{"redShift", -26}, {"greenShift", 6}, {"blueShift", 40}});
}
PackedEffect MakeVivid() {
    return Filter("Vivid", 1, {{"brightness", 6}, {"contrast", 25}, {"saturation", 70}});
}
PackedEffect MakeFaded() {
    return Filter("Faded", 1, {{"brightness", 30}, {"contrast", -45}, {"saturation", -60}});
}
PackedEffect MakeBlackWhite() {
    return Filter("Black and white", 2);
}
PackedEffect MakeEmboss() {
    return Filter("Emboss", 3);
}
PackedEffect MakeMosaic() {
    return Filter("Mosaic", 4);
}
PackedEffect MakeFilmGrain() {
    return Filter("Film grain", 5);
}
PackedEffect MakePencil() {
    return Filter("Pencil", 7);
}
PackedEffect MakeSharpen() {
    return Filter("Sharpen", 8,
                  {{"kernel3", {-1, -1, -1, -1, 9, -1, -1, -1, -1}}, {"kernelDivisor", 1}});
}
PackedEffect MakeSoftFocus() {
    // A 5 x 5 binomial blur: the outer product of 1 4 6 4 1, which sums to 256.
    const int row[] = {1, 4, 6, 4, 1};
    Json kernel = Json::array();
    for (const int a : row) {
        for (const int b : row) kernel.push_back(a * b);
    }
    return Filter("Soft focus", 9, {{"kernel5", kernel}, {"kernelDivisor", 256}});
}
PackedEffect MakeNegative() {
    return Filter("Negative", 10);
}
PackedEffect MakeSepia() {
    return Filter("Sepia", 11);
}
PackedEffect MakeOldPhoto() {
    return Filter("Old photo", 12);
}
PackedEffect MakeInk() {
    return Filter("Ink", 13);
}

PackedEffect MakeTvWall() {
    return ScenePicture("TV wall", DrawTvWall(), {1000}, false);
}
PackedEffect MakeBillboard() {
    return ScenePicture("Billboard", DrawBillboard(4), Delays(4, 350), false);
}
PackedEffect MakeGallery() {
    return ScenePicture("Gallery", DrawGallery(), {1000}, true);
}
PackedEffect MakeBeach() {
    return ScenePicture("Beach", DrawBeachBoard(), {1000}, false);
}
PackedEffect MakePhotoTable() {
    return ScenePicture("Photo table", DrawPhotoTable(), {1000}, true);
}
PackedEffect MakeCinema() {
    return ScenePicture("Cinema", DrawCinema(), {1000}, false);
}

PackedEffect MakeCat() {
    return Overlay(kFace, "Cat", DrawCatFace());
}
PackedEffect MakeClown() {
    return Overlay(kFace, "Clown", DrawClownFace());
}
PackedEffect MakeHeroMask() {
    return Overlay(kFace, "Hero mask", DrawHeroMask());
}
PackedEffect MakeMoustache() {
    return Overlay(kFace, "Moustache", DrawMoustache());
}
PackedEffect MakePirate() {
    return Overlay(kFace, "Pirate", DrawPirate());
}
PackedEffect MakeTiger() {
    return Overlay(kFace, "Tiger", DrawTigerPaint());
}

PackedEffect MakeSunglasses() {
    return Overlay(kAccessory, "Sunglasses", DrawSunglasses());
}
PackedEffect MakePartyHat() {
    return Overlay(kAccessory, "Party hat", DrawPartyHat());
}
PackedEffect MakeCrown() {
    return Overlay(kAccessory, "Crown", DrawCrown());
}
PackedEffect MakeBowTie() {
    return Overlay(kAccessory, "Bow tie", DrawBowTie());
}
PackedEffect MakeTopHat() {
    return Overlay(kAccessory, "Top hat", DrawTopHat());
}
PackedEffect MakeHeadphones() {
    return Overlay(kAccessory, "Headphones", DrawHeadphones());
}
PackedEffect MakePropellerCap() {
    const PlacedFrames cap = DrawPropellerCap(4);
    std::vector<QImage> frames;
    for (const QImage& frame : cap.frames) frames.push_back(OnWholeFrame(frame, cap.position));
    return FullFrameStrip(kAccessory, "Propeller cap", frames, Delays(4, 60), false);
}
PackedEffect MakeSpeechBubble() {
    return Overlay(kAccessory, "Speech bubble", DrawSpeechBubble());
}

PackedEffect MakeHeartsFrame() {
    return FullFrameStill(kFrame, "Hearts", DrawHeartFrame());
}
PackedEffect MakeGoldFrame() {
    return FullFrameStill(kFrame, "Gold", DrawGoldFrame());
}
PackedEffect MakeFilmStrip() {
    return FullFrameStill(kFrame, "Film strip", DrawFilmStrip());
}
PackedEffect MakeInstantPhoto() {
    return FullFrameStill(kFrame, "Instant photo", DrawInstantPhoto());
}
PackedEffect MakeVintageOval() {
    return FullFrameStill(kFrame, "Vintage oval", DrawVintageOval());
}
PackedEffect MakeFlowers() {
    return FullFrameStill(kFrame, "Flowers", DrawFlowerFrame());
}

struct Row {
    const char* category;
    const char* name;
    PackedEffect (*make)();
    uint32_t thumbnailTimeMs;
    QRect thumbnailArea;
};

// clang-format off
const Row kRows[] = {
    {"Animations",  "snow",          MakeSnow,          480,  kUpperLeft},
    {"Animations",  "hearts",        MakeHearts,        300,  kWholeFrame},
    {"Animations",  "bubbles",       MakeBubbles,       330,  kUpperLeft},
    {"Animations",  "fireworks",     MakeFireworks,     1100, kWholeFrame},
    {"Animations",  "confetti",      MakeConfetti,      720,  kUpperLeft},
    {"Animations",  "butterfly",     MakeButterfly,     70,   kLeftMiddle},
    {"Distortions", "kaleidoscope",  MakeKaleidoscope,  0,    kWholeFrame},
    {"Distortions", "quad_view",     MakeQuadView,      0,    kWholeFrame},
    {"Distortions", "nine_view",     MakeNineView,      0,    kWholeFrame},
    {"Distortions", "pinch",         MakePinch,         0,    kWholeFrame},
    {"Distortions", "bulge",         MakeBulge,         0,    kWholeFrame},
    {"Distortions", "swirl",         MakeSwirl,         0,    kWholeFrame},
    {"Distortions", "ripple",        MakeRipple,        0,    kWholeFrame},
    {"Distortions", "polar",         MakePolar,         0,    kWholeFrame},
    {"Distortions", "tilt",          MakeTilt,          0,    kWholeFrame},
    {"Distortions", "upside_down",   MakeUpsideDown,    0,    kWholeFrame},
    {"Distortions", "mirror",        MakeMirror,        0,    kWholeFrame},
    {"Filters",     "warm",          MakeWarm,          0,    kWholeFrame},
    {"Filters",     "cool",          MakeCool,          0,    kWholeFrame},
    {"Filters",     "vivid",         MakeVivid,         0,    kWholeFrame},
    {"Filters",     "faded",         MakeFaded,         0,    kWholeFrame},
    {"Filters",     "black_white",   MakeBlackWhite,    0,    kWholeFrame},
    {"Filters",     "emboss",        MakeEmboss,        0,    kWholeFrame},
    {"Filters",     "mosaic",        MakeMosaic,        0,    kCloseFace},
    {"Filters",     "film_grain",    MakeFilmGrain,     0,    kCloseFace},
    {"Filters",     "pencil",        MakePencil,        0,    kWholeFrame},
    {"Filters",     "sharpen",       MakeSharpen,       0,    kEyes},
    {"Filters",     "soft_focus",    MakeSoftFocus,     0,    kEyes},
    {"Filters",     "negative",      MakeNegative,      0,    kWholeFrame},
    {"Filters",     "sepia",         MakeSepia,         0,    kWholeFrame},
    {"Filters",     "old_photo",     MakeOldPhoto,      0,    kWholeFrame},
    {"Filters",     "ink",           MakeInk,           0,    kCloseFace},
    {"Scenes",      "tv_wall",       MakeTvWall,        0,    kWholeFrame},
    {"Scenes",      "billboard",     MakeBillboard,     0,    kWholeFrame},
    {"Scenes",      "gallery",       MakeGallery,       0,    kWholeFrame},
    {"Scenes",      "beach",         MakeBeach,         0,    kWholeFrame},
    {"Scenes",      "photo_table",   MakePhotoTable,    0,    kWholeFrame},
    {"Scenes",      "cinema",        MakeCinema,        0,    kWholeFrame},
    {"Faces",       "cat",           MakeCat,           0,    kHeadArea},
    {"Faces",       "clown",         MakeClown,         0,    kHeadArea},
    {"Faces",       "hero_mask",     MakeHeroMask,      0,    kHeadArea},
    {"Faces",       "moustache",     MakeMoustache,     0,    kHeadArea},
    {"Faces",       "pirate",        MakePirate,        0,    kHeadArea},
    {"Faces",       "tiger",         MakeTiger,         0,    kHeadArea},
    {"Accessories", "sunglasses",    MakeSunglasses,    0,    kHeadArea},
    {"Accessories", "party_hat",     MakePartyHat,      0,    kHatArea},
    {"Accessories", "crown",         MakeCrown,         0,    kHatArea},
    {"Accessories", "bow_tie",       MakeBowTie,        0,    kCollarArea},
    {"Accessories", "top_hat",       MakeTopHat,        0,    kHatArea},
    {"Accessories", "headphones",    MakeHeadphones,    0,    kHatArea},
    {"Accessories", "propeller_cap", MakePropellerCap,  60,   kHatArea},
    {"Accessories", "speech_bubble", MakeSpeechBubble,  0,    kHeadAndBubble},
    {"Frames",      "hearts_frame",  MakeHeartsFrame,   0,    kWholeFrame},
    {"Frames",      "gold_frame",    MakeGoldFrame,     0,    kWholeFrame},
    {"Frames",      "film_strip",    MakeFilmStrip,     0,    kWholeFrame},
    {"Frames",      "instant_photo", MakeInstantPhoto,  0,    kWholeFrame},
    {"Frames",      "vintage_oval",  MakeVintageOval,   0,    kWholeFrame},
    {"Frames",      "flowers",       MakeFlowers,       0,    kWholeFrame},
};
// clang-format on

}  // namespace

const std::vector<std::string>& Categories() {
    static const std::vector<std::string> categories = {
        "Animations", "Distortions", "Filters", "Scenes", "Faces", "Accessories", "Frames"};
    return categories;
}

std::vector<EffectEntry> EffectSet() {
    std::vector<EffectEntry> set;
    for (const Row& row : kRows) {
        set.push_back({row.category, row.name, row.make, row.thumbnailTimeMs, row.thumbnailArea});
    }
    return set;
}

}  // namespace fxgen

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

// Thumbnail areas: the whole frame, the head, the head with what sits on it, the collar, and
// a close look at the face for filters whose grain is finer than a thumbnail's pixel.
const QRect kWholeFrame(0, 0, kFrameWidth, kFrameHeight);
const QRect kHeadArea(96, 42, 288, 216);
const QRect kHatArea(90, 0, 320, 240);
const QRect kCollarArea(120, 170, 240, 180);
const QRect kCloseFace(160, 108, 160, 120);
const QRect kHeadAndBubble(176, 0, 304, 228);

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

}  // namespace

const std::vector<std::string>& Categories() {
    static const std::vector<std::string> categories = {
        "Animations", "Distortions", "Filters", "Scenes", "Faces", "Accessories", "Frames"};
    return categories;
}

std::vector<EffectEntry> EffectSet() {
    std::vector<EffectEntry> set;
    auto add = [&set](std::string category, std::string name, std::function<PackedEffect()> make,
                      uint32_t timeMs = 0, QRect area = kWholeFrame) {
        set.push_back({std::move(category), std::move(name), std::move(make), timeMs, area});
    };

    // Animations: strips over the whole frame (looping and playing once) and a small sprite
    // that lands at a random place.
    add(
        "Animations", "snow",
        [] { return FullFrameStrip(kAnimation, "Snow", DrawSnow(12), Delays(12, 120), false); },
        480);
    add(
        "Animations", "hearts",
        [] { return FullFrameStrip(kAnimation, "Hearts", DrawHearts(12), Delays(12, 100), false); },
        300);
    add(
        "Animations", "bubbles",
        [] {
            return FullFrameStrip(kAnimation, "Bubbles", DrawBubbles(12), Delays(12, 110), false);
        },
        330);
    add(
        "Animations", "fireworks",
        [] {
            return FullFrameStrip(kAnimation, "Fireworks", DrawFireworks(20), Delays(20, 90), true);
        },
        1100);
    add(
        "Animations", "confetti",
        [] {
            return FullFrameStrip(kAnimation, "Confetti", DrawConfetti(16), Delays(16, 90), true);
        },
        720);
    add(
        "Animations", "butterfly",
        [] {
            const std::vector<QImage> frames = DrawButterfly(6);
            Json descriptor = PictureDescriptor(kAnimation, "Butterfly", frames.front().size(),
                                                {0, 0}, Delays(6, 70), false);
            descriptor["randomPosition"] = 1;
            return PackedEffect{descriptor, StackFrames(frames)};
        },
        70);

    // Distortions: every geometric operation of the engine.
    add("Distortions", "kaleidoscope", [] {
        const std::vector<Quad> quads = KaleidoscopeQuads();
        Json settings;
        settings["quadCount"] = quads.size();
        settings["referenceSize"] = kReferenceSize;
        settings["quadsPixels"] = QuadsToJson(quads, 1, 1);
        settings["quadsScaled"] = QuadsToJson(quads, double{kReferenceSize} / kFrameWidth,
                                              double{kReferenceSize} / kFrameHeight);
        return Distortion("Kaleidoscope", 0, settings);
    });
    add("Distortions", "quad_view", [] {
        return Distortion("Quad view", 1, {{"gridColumns", 2}, {"gridRows", 2}});
    });
    add("Distortions", "nine_view", [] {
        return Distortion("Nine view", 1, {{"gridColumns", 3}, {"gridRows", 3}});
    });
    add("Distortions", "pinch", [] { return Distortion("Pinch", 2); });
    add("Distortions", "bulge", [] { return Distortion("Bulge", 3); });
    add("Distortions", "swirl", [] { return Distortion("Swirl", 4); });
    add("Distortions", "ripple", [] { return Distortion("Ripple", 5); });
    add("Distortions", "polar", [] { return Distortion("Polar", 6); });
    add("Distortions", "tilt", [] { return Distortion("Tilt", 7, {{"rotationDegrees", 15}}); });
    add("Distortions", "upside_down", [] {
        return Distortion("Upside down", 7, {{"rotationDegrees", 180}});
    });
    add("Distortions", "mirror", [] { return Distortion("Mirror", 8); });

    // Filters: every colour and texture operation.
    add("Filters", "warm", [] {
        return Filter("Warm", 0, {{"redShift", 36}, {"greenShift", 12}, {"blueShift", -28}});
    });
    add("Filters", "cool", [] {
        return Filter("Cool", 0, {{"redShift", -26}, {"greenShift", 6}, {"blueShift", 40}});
    });
    add("Filters", "vivid", [] {
        return Filter("Vivid", 1, {{"brightness", 6}, {"contrast", 25}, {"saturation", 70}});
    });
    add("Filters", "faded", [] {
        return Filter("Faded", 1, {{"brightness", 30}, {"contrast", -45}, {"saturation", -60}});
    });
    add("Filters", "black_white", [] { return Filter("Black and white", 2); });
    add("Filters", "emboss", [] { return Filter("Emboss", 3); });
    add(
        "Filters", "mosaic", [] { return Filter("Mosaic", 4); }, 0, kCloseFace);
    add(
        "Filters", "film_grain", [] { return Filter("Film grain", 5); }, 0, kCloseFace);
    add("Filters", "pencil", [] { return Filter("Pencil", 7); });
    add(
        "Filters", "sharpen",
        [] {
            return Filter("Sharpen", 8,
                          {{"kernel3", {0, -1, 0, -1, 5, -1, 0, -1, 0}}, {"kernelDivisor", 1}});
        },
        0, kCloseFace);
    add(
        "Filters", "soft_focus",
        [] {
            // A 5 x 5 binomial blur: the outer product of 1 4 6 4 1, which sums to 256.
            const int row[] = {1, 4, 6, 4, 1};
            Json kernel = Json::array();
            for (const int a : row) {
                for (const int b : row) kernel.push_back(a * b);
            }
            return Filter("Soft focus", 9, {{"kernel5", kernel}, {"kernelDivisor", 256}});
        },
        0, kCloseFace);
    add("Filters", "negative", [] { return Filter("Negative", 10); });
    add("Filters", "sepia", [] { return Filter("Sepia", 11); });
    add("Filters", "old_photo", [] { return Filter("Old photo", 12); });
    add(
        "Filters", "ink", [] { return Filter("Ink", 13); }, 0, kCloseFace);

    // Scenes: pictures with windows that show the camera.
    add("Scenes", "tv_wall", [] { return ScenePicture("TV wall", DrawTvWall(), {1000}, false); });
    add("Scenes", "billboard",
        [] { return ScenePicture("Billboard", DrawBillboard(4), Delays(4, 350), false); });
    add("Scenes", "gallery", [] { return ScenePicture("Gallery", DrawGallery(), {1000}, true); });
    add("Scenes", "beach", [] { return ScenePicture("Beach", DrawBeachBoard(), {1000}, false); });
    add("Scenes", "photo_table",
        [] { return ScenePicture("Photo table", DrawPhotoTable(), {1000}, true); });
    add("Scenes", "cinema", [] { return ScenePicture("Cinema", DrawCinema(), {1000}, false); });

    // Faces: masks and paint laid over the face.
    add(
        "Faces", "cat", [] { return Overlay(kFace, "Cat", DrawCatFace()); }, 0, kHeadArea);
    add(
        "Faces", "clown", [] { return Overlay(kFace, "Clown", DrawClownFace()); }, 0, kHeadArea);
    add(
        "Faces", "hero_mask", [] { return Overlay(kFace, "Hero mask", DrawHeroMask()); }, 0,
        kHeadArea);
    add(
        "Faces", "moustache", [] { return Overlay(kFace, "Moustache", DrawMoustache()); }, 0,
        kHeadArea);
    add(
        "Faces", "pirate", [] { return Overlay(kFace, "Pirate", DrawPirate()); }, 0, kHeadArea);
    add(
        "Faces", "tiger", [] { return Overlay(kFace, "Tiger", DrawTigerPaint()); }, 0, kHeadArea);

    // Accessories: things to wear, one of them turning.
    add(
        "Accessories", "sunglasses",
        [] { return Overlay(kAccessory, "Sunglasses", DrawSunglasses()); }, 0, kHeadArea);
    add(
        "Accessories", "party_hat", [] { return Overlay(kAccessory, "Party hat", DrawPartyHat()); },
        0, kHatArea);
    add(
        "Accessories", "crown", [] { return Overlay(kAccessory, "Crown", DrawCrown()); }, 0,
        kHatArea);
    add(
        "Accessories", "bow_tie", [] { return Overlay(kAccessory, "Bow tie", DrawBowTie()); }, 0,
        kCollarArea);
    add(
        "Accessories", "top_hat", [] { return Overlay(kAccessory, "Top hat", DrawTopHat()); }, 0,
        kHatArea);
    add(
        "Accessories", "headphones",
        [] { return Overlay(kAccessory, "Headphones", DrawHeadphones()); }, 0, kHatArea);
    add(
        "Accessories", "propeller_cap",
        [] {
            const PlacedFrames cap = DrawPropellerCap(4);
            std::vector<QImage> frames;
            for (const QImage& frame : cap.frames)
                frames.push_back(OnWholeFrame(frame, cap.position));
            return FullFrameStrip(kAccessory, "Propeller cap", frames, Delays(4, 60), false);
        },
        60, kHatArea);
    add(
        "Accessories", "speech_bubble",
        [] { return Overlay(kAccessory, "Speech bubble", DrawSpeechBubble()); }, 0, kHeadAndBubble);

    // Frames: full-frame pictures with a window.
    add("Frames", "hearts_frame",
        [] { return FullFrameStill(kFrame, "Hearts", DrawHeartFrame()); });
    add("Frames", "gold_frame", [] { return FullFrameStill(kFrame, "Gold", DrawGoldFrame()); });
    add("Frames", "film_strip",
        [] { return FullFrameStill(kFrame, "Film strip", DrawFilmStrip()); });
    add("Frames", "instant_photo",
        [] { return FullFrameStill(kFrame, "Instant photo", DrawInstantPhoto()); });
    add("Frames", "vintage_oval",
        [] { return FullFrameStill(kFrame, "Vintage oval", DrawVintageOval()); });
    add("Frames", "flowers", [] { return FullFrameStill(kFrame, "Flowers", DrawFlowerFrame()); });
    return set;
}

}  // namespace fxgen

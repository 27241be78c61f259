#include "effects/EffectLoader.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>

#include "effects/AnimationEffect.h"
#include "effects/FilterEffect.h"
#include "effects/OverlayEffect.h"
#include "effects/PngDecoder.h"
#include "effects/SceneEffect.h"

namespace effects {
namespace {

// What a distortion or filter code adds to the filterKind it selects.
enum class Setup {
    kNone,
    kQuadsFromFile,
    kGrid,
    kRotation,
    kColourShift,
    kLightAndSaturation,
    kKernel,
    kNoEffect,  // the code describes no effect at all
};

struct CodeEntry {
    int filterKind = FilterKind::kGrey;
    Setup setup = Setup::kNone;
};

// Type 2, by distortionCode.
constexpr std::array<CodeEntry, 9> kDistortionCodes = {{
    {FilterKind::kQuadrangles, Setup::kQuadsFromFile},
    {FilterKind::kQuadrangles, Setup::kGrid},
    {FilterKind::kPinch},
    {FilterKind::kBulge},
    {FilterKind::kSwirl},
    {FilterKind::kRipple},
    {FilterKind::kPolarUnwrap},
    {FilterKind::kRotation, Setup::kRotation},
    {FilterKind::kMirror},
}};

// Type 5, by filterCode.
constexpr std::array<CodeEntry, 14> kFilterCodes = {{
    {FilterKind::kColourShift, Setup::kColourShift},
    {FilterKind::kLightAndSaturation, Setup::kLightAndSaturation},
    {FilterKind::kGrey},
    {FilterKind::kEmboss},
    {FilterKind::kMosaic},
    {FilterKind::kNoise},
    {FilterKind::kGrey, Setup::kNoEffect},
    {FilterKind::kPencilSketch},
    {FilterKind::kKernel3, Setup::kKernel},
    {FilterKind::kKernel5, Setup::kKernel},
    {FilterKind::kNegative},
    {FilterKind::kSepia},
    {FilterKind::kTwoToneSepia},
    {FilterKind::kErosion},
}};

// A code outside its table keeps the default filter, grey.
template <size_t N>
CodeEntry LookUp(const std::array<CodeEntry, N>& table, int32_t code) {
    return code >= 0 && static_cast<size_t>(code) < N ? table[static_cast<size_t>(code)]
                                                      : CodeEntry{};
}

int ClampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Authored-frame pixels along an axis of `frameExtent` pixels (of `authoredExtent` in the
// authored frame); unchanged on the authored frame itself.
int AuthoredToFrame(long long units, int frameExtent, int authoredExtent) {
    if (frameExtent == authoredExtent || frameExtent <= 0) return ClampToInt(units);
    return ClampToInt(units * frameExtent / authoredExtent);
}

std::optional<cv::Size> EffectSize(const EffectDescriptor& d, cv::Size frameSize) {
    if (d.sizeMode == 1 && (frameSize.width != 0 || frameSize.height != 0)) {
        return cv::Size(
            ClampToInt(static_cast<long long>(d.widthPercent) * frameSize.width / 100),
            ClampToInt(static_cast<long long>(d.heightPercent) * frameSize.height / 100));
    }
    if (d.sizeMode == 0 || d.sizeMode == 1)
        return cv::Size(AuthoredToFrame(d.width, frameSize.width, kAuthoredFrameWidth),
                        AuthoredToFrame(d.height, frameSize.height, kAuthoredFrameHeight));
    return std::nullopt;
}

void PlaceEffect(EffectBase& effect, const EffectDescriptor& d, cv::Size frameSize) {
    int x = d.x;
    int y = d.y;
    if (d.randomPosition != 0) {
        // Two draws in this order; the second gives x.
        const int first = std::rand();
        const int second = std::rand();
        x = second % 200;
        y = first % 200;
    }
    effect.SetPosition(AuthoredToFrame(x, frameSize.width, kAuthoredFrameWidth),
                       AuthoredToFrame(y, frameSize.height, kAuthoredFrameHeight));
}

std::optional<int> ScaleToFrame(int32_t units, int frameExtent, int32_t referenceSize) {
    const long long scaled = static_cast<long long>(units) * frameExtent / referenceSize;
    if (scaled < INT_MIN || scaled > INT_MAX) return std::nullopt;
    return static_cast<int>(scaled);
}

bool ConfigureFilter(FilterEffect& filter, const CodeEntry& entry, const EffectDescriptor& d,
                     cv::Size frameSize) {
    FilterSettings& settings = filter.settings;
    settings.filterKind = entry.filterKind;
    switch (entry.setup) {
        case Setup::kNone:
            break;
        case Setup::kQuadsFromFile:
            if (!d.quadsPixels.empty()) {
                auto quads = QuadsFromDescriptor(d, frameSize);
                if (!quads) return false;
                filter.SetQuads(std::move(*quads));
            }
            break;
        case Setup::kGrid:
            // Every cell is warped on its own each frame: a grid past the limit would stall the
            // live picture, so it is refused.
            if (1LL * d.gridColumns * d.gridRows > kMaxGridCells) return false;
            filter.SetQuads(GridQuads(d.gridColumns, d.gridRows, frameSize));
            break;
        case Setup::kRotation:
            settings.rotationDegrees = d.rotationDegrees;
            break;
        case Setup::kColourShift:
            settings.redShift = d.redShift;
            settings.greenShift = d.greenShift;
            settings.blueShift = d.blueShift;
            break;
        case Setup::kLightAndSaturation:
            settings.brightness = d.brightness;
            settings.contrast = d.contrast;
            settings.saturation = d.saturation;
            break;
        case Setup::kKernel:
            if (entry.filterKind == FilterKind::kKernel5) {
                filter.SetKernel(d.kernel5, d.kernelDivisor, d.kernelOffset);
            } else {
                filter.SetKernel(d.kernel3, d.kernelDivisor, d.kernelOffset);
            }
            break;
        case Setup::kNoEffect:
            return false;
    }
    return true;
}

std::unique_ptr<EffectBase> BuildFilterOfTable(const CodeEntry& entry, const EffectDescriptor& d,
                                               cv::Size frameSize) {
    auto filter = std::make_unique<FilterEffect>();
    filter->SetSize(frameSize.width, frameSize.height);
    if (!ConfigureFilter(*filter, entry, d, frameSize)) return nullptr;
    return filter;
}

std::unique_ptr<EffectBase> BuildOverlay(const EffectDescriptor& d, cv::Size frameSize) {
    auto overlay = std::make_unique<OverlayEffect>();
    if (!LoadImageInto(*overlay, d, EffectKind::kOverlay, frameSize)) return nullptr;
    overlay->SetDelays(d.delays);
    overlay->SetLoop(d.playOnce == 0);
    if (d.placement >= 0 && d.placement <= 8) overlay->SetPlacement(d.placement);
    if (d.placement == 8) overlay->SetPlacementRect(d.placementRect);
    return overlay;
}

std::unique_ptr<EffectBase> BuildAnimation(const EffectDescriptor& d, cv::Size frameSize) {
    auto animation = std::make_unique<AnimationEffect>();
    if (!LoadImageInto(*animation, d, EffectKind::kAnimation, frameSize)) return nullptr;
    animation->SetDelays(d.delays);
    animation->SetLoop(d.playOnce == 0);
    return animation;
}

std::unique_ptr<EffectBase> BuildDistortion(const EffectDescriptor& d, cv::Size frameSize) {
    return BuildFilterOfTable(LookUp(kDistortionCodes, d.distortionCode), d, frameSize);
}

std::unique_ptr<EffectBase> BuildFilter(const EffectDescriptor& d, cv::Size frameSize) {
    return BuildFilterOfTable(LookUp(kFilterCodes, d.filterCode), d, frameSize);
}

std::unique_ptr<EffectBase> BuildScene(const EffectDescriptor& d, cv::Size frameSize) {
    auto scene = std::make_unique<SceneEffect>();
    if (!LoadImageInto(*scene, d, EffectKind::kScene, frameSize)) return nullptr;
    scene->SetDelays(d.delays);
    scene->SetLoop(d.playOnce == 0);
    if (!d.quadsPixels.empty()) {
        const auto quads = QuadsFromDescriptor(d, frameSize);
        if (!quads) return nullptr;
        scene->SetQuads(*quads);
        scene->SetHasQuads(true);
    }
    return scene;
}

using Builder = std::unique_ptr<EffectBase> (*)(const EffectDescriptor&, cv::Size);

// By the descriptor's type: 0, 3 and 4 are overlays, 1 an animation, 2 a distortion, 5 a
// filter, 6 a scene.
constexpr std::array<Builder, 7> kBuilders = {
    BuildOverlay, BuildAnimation, BuildDistortion, BuildOverlay,
    BuildOverlay, BuildFilter,    BuildScene,
};

}  // namespace

std::unique_ptr<EffectBase> BuildEffect(const EffectDescriptor& descriptor, cv::Size frameSize) {
    const auto type = static_cast<uint32_t>(descriptor.type);
    if (type >= kBuilders.size()) return nullptr;
    return kBuilders[type](descriptor, frameSize);
}

bool LoadImageInto(EffectBase& effect, const EffectDescriptor& descriptor, int kind,
                   cv::Size frameSize) {
    // Each frame takes picture height / frameCount rows, so the count must lie in
    // 1..height; the height is checked once the picture is decoded.
    if (descriptor.frameCount < 1) return false;
    const std::optional<cv::Size> size = EffectSize(descriptor, frameSize);
    if (!size) return false;
    const std::optional<DecodedPicture> picture = DecodePng(descriptor.image);
    if (!picture || picture->height < descriptor.frameCount) return false;
    if (!effect.Load(*picture, kind, descriptor.frameCount, size->width, size->height)) {
        return false;
    }
    PlaceEffect(effect, descriptor, frameSize);
    return true;
}

std::optional<std::vector<Quadrangle>> QuadsFromDescriptor(const EffectDescriptor& descriptor,
                                                           cv::Size frameSize) {
    const bool scaled = descriptor.sizeMode == 1;
    if (!scaled && descriptor.sizeMode != 0) return std::nullopt;
    if (scaled && descriptor.referenceSize == 0) return std::nullopt;
    // The file lists the corners as top-left, bottom-left, top-right, bottom-right.
    static constexpr std::array<size_t, 4> kFileCorner = {0, 1, 3, 2};
    const auto& stored = scaled ? descriptor.quadsScaled : descriptor.quadsPixels;
    std::vector<Quadrangle> quads;
    quads.reserve(stored.size());
    for (const EffectDescriptor::Quad& fileQuad : stored) {
        Quadrangle& quad = quads.emplace_back();
        for (size_t i = 0; i < quad.size(); ++i) {
            const EffectDescriptor::Point& point = fileQuad[kFileCorner[i]];
            if (!scaled) {
                quad[i] = {AuthoredToFrame(point.x, frameSize.width, kAuthoredFrameWidth),
                           AuthoredToFrame(point.y, frameSize.height, kAuthoredFrameHeight)};
                continue;
            }
            const auto x = ScaleToFrame(point.x, frameSize.width, descriptor.referenceSize);
            const auto y = ScaleToFrame(point.y, frameSize.height, descriptor.referenceSize);
            if (!x || !y) return std::nullopt;
            quad[i] = {*x, *y};
        }
    }
    return quads;
}

std::vector<Quadrangle> GridQuads(int columns, int rows, cv::Size frameSize) {
    if (columns < 1 || rows < 1) return {};
    const int cellWidth = frameSize.width / columns;
    const int cellHeight = frameSize.height / rows;
    if (cellWidth < 1 || cellHeight < 1) return {};
    std::vector<Quadrangle> quads;
    quads.reserve(static_cast<size_t>(columns) * static_cast<size_t>(rows));
    for (int column = 0; column < columns; ++column) {
        const int x0 = column * cellWidth;
        for (int row = 0; row < rows; ++row) {
            const int y0 = row * cellHeight;
            quads.push_back({cv::Point(x0, y0), cv::Point(x0, y0 + cellHeight),
                             cv::Point(x0 + cellWidth, y0 + cellHeight),
                             cv::Point(x0 + cellWidth, y0)});
        }
    }
    return quads;
}

}  // namespace effects

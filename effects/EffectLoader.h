#pragma once

#include <opencv2/core.hpp>

#include <memory>
#include <optional>
#include <vector>

#include "effects/EffectBase.h"
#include "effects/EffectDescriptor.h"
#include "effects/QuadMapping.h"

namespace effects {

// The frame that pixel units in effect files refer to. On frames of another size, pixel
// positions, sizes and corners are scaled by the frame's size over this one's, so an effect
// covers the same share of every frame; on this frame they are taken as they are.
inline constexpr int kAuthoredFrameWidth = 480;
inline constexpr int kAuthoredFrameHeight = 360;

// Builds the effect that a descriptor read from an effect file describes, for frames of
// `frameSize`: its class by type, its picture, size and position, its filter settings and its
// quadrangles. Nothing when the descriptor holds no usable effect (an unknown type, filter code
// 6, a picture that cannot be loaded, quadrangles that cannot be placed). The name is left to
// the caller.
std::unique_ptr<EffectBase> BuildEffect(const EffectDescriptor& descriptor, cv::Size frameSize);

// Decodes the descriptor's PNG picture into `effect` with `kind`, sized by sizeMode (0: width
// and height in authored-frame pixels; 1: percent of the frame, truncated), then places it at the
// descriptor's x and y, or at a random point of 0..199 on each axis drawn from rand() (both in
// authored-frame pixels). False
// when the picture does not decode, the frame count is below 1 or above the picture's height,
// sizeMode is neither 0 nor 1, or the effect's Load refuses; the effect is then unusable.
bool LoadImageInto(EffectBase& effect, const EffectDescriptor& descriptor, int kind,
                   cv::Size frameSize);

// The descriptor's quadrangles as the effects take them: each file quadrangle's third and
// fourth corners exchanged, in authored-frame pixels (sizeMode 0) or scaled from units of
// referenceSize to the frame size (sizeMode 1, product first, truncated). Nothing when the
// corners cannot be known: another sizeMode, a referenceSize of 0, or a scaled corner beyond
// the range of int.
std::optional<std::vector<Quadrangle>> QuadsFromDescriptor(const EffectDescriptor& descriptor,
                                                           cv::Size frameSize);

// Grid distortions with more cells than this are refused at load.
inline constexpr long long kMaxGridCells = 1024;

// The cells of a grid of `columns` x `rows` equal cells over the frame (sizes truncated, so
// the remainder at the right and bottom lies in no cell), column by column, each from its
// top-left corner down, across and up. Empty for fewer than one column or row, and for a grid
// so fine that its cells would be less than a pixel wide or high.
std::vector<Quadrangle> GridQuads(int columns, int rows, cv::Size frameSize);

}  // namespace effects

#pragma once

#include <opencv2/core.hpp>

#include <array>
#include <vector>

namespace effects {

// Four corners in frame pixels, in the order that receives the picture's top-left,
// bottom-left, bottom-right and top-right corners.
using Quadrangle = std::array<cv::Point, 4>;

// Draws the whole picture into each quadrangle in list order (later ones over earlier ones),
// with a perspective mapping and bilinear sampling; pixels outside every quadrangle keep the
// picture. When two neighbouring corners coincide (first and second, second and third, or
// third and fourth, the first such pair only) both corner pairs at that side are moved to
// midpoints, so the picture's far half fills the triangle left. A quadrangle that still has
// three corners on one line cannot hold the picture and is skipped. `scratch` keeps its
// buffer between calls.
void MapIntoQuadrangles(cv::Mat& image, const std::vector<Quadrangle>& quads, cv::Mat& scratch);

}  // namespace effects

#include "effects/QuadMapping.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace effects {
namespace {

cv::Point2d Midpoint(const cv::Point2d& a, const cv::Point2d& b) {
    return (a + b) * 0.5;
}

// The midpoint rule for coinciding neighbours, applied to the first such pair.
void SpreadCoincidingCorners(std::array<cv::Point2d, 4>& source,
                             std::array<cv::Point2d, 4>& target) {
    for (int j = 0; j < 3; ++j) {
        if (target[j] != target[j + 1]) continue;
        const int previous = (j + 3) % 4;
        const int next = (j + 2) % 4;
        source[j] = Midpoint(source[previous], source[j]);
        source[j + 1] = Midpoint(source[next], source[j + 1]);
        target[j] = Midpoint(target[previous], target[j]);
        target[j + 1] = Midpoint(target[next], target[j + 1]);
        return;
    }
}

bool HasThreeOnALine(const std::array<cv::Point2d, 4>& corners) {
    for (int skip = 0; skip < 4; ++skip) {
        std::array<cv::Point2d, 3> three;
        for (int i = 0, k = 0; i < 4; ++i) {
            if (i != skip) three[k++] = corners[i];
        }
        if ((three[1] - three[0]).cross(three[2] - three[0]) == 0.0) return true;
    }
    return false;
}

// The part of the frame a warp through `homography` can reach: the image of the picture
// widened by the reach of bilinear sampling. The whole frame when the mapping folds the picture
// through infinity, where its image is not bounded by the corners.
cv::Rect ReachableArea(const cv::Matx33d& homography, cv::Size size) {
    const cv::Rect frame({0, 0}, size);
    const double xs[2] = {-1.0, size.width + 1.0};
    const double ys[2] = {-1.0, size.height + 1.0};
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    int positive = 0;
    for (double x : xs) {
        for (double y : ys) {
            const cv::Vec3d p = homography * cv::Vec3d(x, y, 1.0);
            if (std::abs(p[2]) < 1e-9) return frame;
            positive += p[2] > 0;
            minX = std::min(minX, p[0] / p[2]);
            maxX = std::max(maxX, p[0] / p[2]);
            minY = std::min(minY, p[1] / p[2]);
            maxY = std::max(maxY, p[1] / p[2]);
        }
    }
    if (positive != 0 && positive != 4) return frame;
    const auto bound = [](double v, int limit) {
        return static_cast<int>(std::clamp(v, -1.0, limit + 1.0));
    };
    const int left = bound(std::floor(minX) - 1, size.width);
    const int top = bound(std::floor(minY) - 1, size.height);
    const int right = bound(std::ceil(maxX) + 2, size.width);
    const int bottom = bound(std::ceil(maxY) + 2, size.height);
    return cv::Rect(left, top, std::max(right - left, 0), std::max(bottom - top, 0)) & frame;
}

}  // namespace

void MapIntoQuadrangles(cv::Mat& image, const std::vector<Quadrangle>& quads, cv::Mat& scratch) {
    if (image.empty() || quads.empty()) return;
    const double width = image.cols;
    const double height = image.rows;
    image.copyTo(scratch);  // the output; the picture itself stays unchanged until the end
    for (const Quadrangle& quad : quads) {
        std::array<cv::Point2d, 4> source = {cv::Point2d(0, 0), cv::Point2d(0, height),
                                             cv::Point2d(width, height), cv::Point2d(width, 0)};
        std::array<cv::Point2d, 4> target;
        for (int i = 0; i < 4; ++i) target[i] = cv::Point2d(quad[i]);
        SpreadCoincidingCorners(source, target);
        if (HasThreeOnALine(target)) continue;

        cv::Point2f from[4], to[4];
        for (int i = 0; i < 4; ++i) {
            from[i] = cv::Point2f(source[i]);
            to[i] = cv::Point2f(target[i]);
        }
        const cv::Matx33d homography = cv::getPerspectiveTransform(from, to);
        const cv::Rect area = ReachableArea(homography, image.size());
        if (area.empty()) continue;
        // Warp only the reachable area: shift the mapping so that the area starts at (0, 0).
        const cv::Matx33d shift(1, 0, -area.x, 0, 1, -area.y, 0, 0, 1);
        cv::Mat window = scratch(area);
        cv::warpPerspective(image, window, shift * homography, area.size(), cv::INTER_LINEAR,
                            cv::BORDER_TRANSPARENT);
    }
    scratch.copyTo(image);
}

}  // namespace effects

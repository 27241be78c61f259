#include "capture/StudioGeometry.h"

#include <cmath>

namespace capture {

cv::Rect CropToFill(cv::Size source, cv::Size target) {
    if (source.area() <= 0 || target.area() <= 0) return {0, 0, source.width, source.height};
    // Compared in whole numbers, so that equal shapes never lose a column to rounding.
    const long long sourceWide = 1LL * source.width * target.height;
    const long long targetWide = 1LL * target.width * source.height;
    if (sourceWide > targetWide) {
        const int width = static_cast<int>(targetWide / target.height);
        return {(source.width - width) / 2, 0, width, source.height};
    }
    if (sourceWide < targetWide) {
        const int height = static_cast<int>(sourceWide / target.width);
        return {0, (source.height - height) / 2, source.width, height};
    }
    return {0, 0, source.width, source.height};
}

cv::Rect FitInto(cv::Size inner, cv::Size outer) {
    if (inner.area() <= 0 || outer.area() <= 0) return {0, 0, outer.width, outer.height};
    const long long innerWide = 1LL * inner.width * outer.height;
    const long long outerWide = 1LL * outer.width * inner.height;
    if (innerWide > outerWide) {
        const int height = static_cast<int>(std::lround(double(outer.width) * inner.height / inner.width));
        return {0, (outer.height - height) / 2, outer.width, height};
    }
    if (innerWide < outerWide) {
        const int width = static_cast<int>(std::lround(double(outer.height) * inner.width / inner.height));
        return {(outer.width - width) / 2, 0, width, outer.height};
    }
    return {0, 0, outer.width, outer.height};
}

cv::Point DisplayToPicture(cv::Point point, cv::Size picture, cv::Size display) {
    const cv::Rect shown = FitInto(picture, display);
    if (shown.area() <= 0) return point;
    return {static_cast<int>(std::floor(double(point.x - shown.x) * picture.width / shown.width)),
            static_cast<int>(std::floor(double(point.y - shown.y) * picture.height / shown.height))};
}

}  // namespace capture

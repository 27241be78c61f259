#include "effects/Warps.h"

#include <opencv2/imgproc.hpp>

#include <climits>
#include <cmath>
#include <numbers>

namespace effects {

std::vector<int32_t> BuildCircularWarpMap(cv::Size size, CircularWarp warp, int factor) {
    const int width = size.width;
    const int height = size.height;
    // Byte offsets must fit the map's 32-bit entries.
    if (width < 1 || height < 1 || static_cast<long long>(width) * height * 3 > INT32_MAX)
        return {};
    std::vector<int32_t> map(static_cast<size_t>(width) * height);
    const int xmid = width / 2;
    const int ymid = height / 2;
    const int rmax = static_cast<int>(
        std::sqrt(static_cast<double>(xmid) * xmid + static_cast<double>(ymid) * ymid));
    const double turn = factor == 0 ? 1.0 : factor;
    // Working point (x, y) lies in frame row H - 1 - y.
    const auto frameOffset = [&](int x, int y) { return ((height - 1 - y) * width + x) * 3; };
    const int32_t outside = frameOffset(0, 0);

    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double nx = xmid - x;
            const double ny = ymid - y;
            const double radius = std::sqrt(nx * nx + ny * ny);
            int sx = -1;
            int sy = -1;
            if (radius < rmax) {
                double angle = std::atan2(ny, nx);
                double scaled = radius;
                switch (warp) {
                    case CircularWarp::kBulge:
                        scaled = radius * radius / rmax;
                        break;
                    case CircularWarp::kPinch:
                        scaled = std::sqrt(radius * rmax);
                        break;
                    case CircularWarp::kSwirl:
                        angle += radius / turn;
                        break;
                    case CircularWarp::kPolarUnwrap:
                    case CircularWarp::kRipple:
                        break;
                }
                if (warp == CircularWarp::kPolarUnwrap) {
                    sx = static_cast<int>(std::abs(angle * width / (2 * std::numbers::pi)));
                    sy = static_cast<int>(std::abs(height * radius / rmax));
                } else if (warp == CircularWarp::kRipple) {
                    sx = x + (x % 32) - 16;
                    sy = y;
                } else {
                    sx = xmid + static_cast<int>(scaled * std::cos(angle));
                    sy = ymid - static_cast<int>(scaled * std::sin(angle));
                }
            }
            const bool inside = sx >= 0 && sx < width && sy >= 0 && sy < height;
            map[(height - 1 - y) * static_cast<size_t>(width) + x] =
                inside ? frameOffset(sx, sy) : outside;
        }
    }
    return map;
}

void ApplySamplingMap(const cv::Mat& input, cv::Mat& output, const std::vector<int32_t>& map) {
    // The offsets count packed rows.
    const cv::Mat packed = input.isContinuous() ? input : input.clone();
    output.create(input.size(), CV_8UC3);
    const uint8_t* base = packed.ptr<uint8_t>(0);
    const int32_t* source = map.data();
    for (int row = 0; row < packed.rows; ++row) {
        uint8_t* out = output.ptr<uint8_t>(row);
        for (int column = 0; column < packed.cols; ++column, out += 3, ++source) {
            const uint8_t* in = base + *source;
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
        }
    }
}

void MirrorLeftRight(cv::Mat& image, cv::Mat& scratch) {
    cv::flip(image, scratch, 1);
    scratch.copyTo(image);
}

void RotateAboutCentre(cv::Mat& image, int degrees, cv::Mat& scratch) {
    // The turn is computed in single precision, as the angle is given in whole degrees.
    const float angle = static_cast<float>(degrees) * -0.017453292519943295f;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double cx = (image.cols - 1) * 0.5;
    const double cy = (image.rows - 1) * 0.5;
    // Output pixel p samples the input at A (p - centre) + centre, A = (c s; -s c).
    const cv::Matx23d toSource(c, s, cx - c * cx - s * cy,  //
                               -s, c, cy + s * cx - c * cy);
    cv::warpAffine(image, scratch, toSource, image.size(), cv::INTER_LINEAR | cv::WARP_INVERSE_MAP,
                   cv::BORDER_REPLICATE);
    scratch.copyTo(image);
}

}  // namespace effects

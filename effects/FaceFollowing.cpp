#include "effects/FaceFollowing.h"

namespace effects {
namespace {

cv::Point2d Centre(const cv::Rect2d& rect) {
    return {rect.x + rect.width / 2, rect.y + rect.height / 2};
}

}  // namespace

cv::Rect2d ReferenceFace(cv::Size frameSize) {
    const double sx = frameSize.width / 480.0;
    const double sy = frameSize.height / 360.0;
    return {kReferenceFace.x * sx, kReferenceFace.y * sy, kReferenceFace.width * sx,
            kReferenceFace.height * sy};
}

cv::Rect2d PlaceOnFace(const cv::Rect2d& authored, const cv::Rect2d& reference,
                       const cv::Rect2d& face) {
    const double scale = face.width / reference.width;
    const cv::Point2d from = Centre(reference);
    const cv::Point2d to = Centre(face);
    return {to.x + (authored.x - from.x) * scale, to.y + (authored.y - from.y) * scale,
            authored.width * scale, authored.height * scale};
}

cv::Rect2d AuthoredFromPlaced(const cv::Rect2d& placed, const cv::Rect2d& reference,
                              const cv::Rect2d& face) {
    // Placing on a face and back are the same mapping, from one face to the other.
    return PlaceOnFace(placed, face, reference);
}

}  // namespace effects

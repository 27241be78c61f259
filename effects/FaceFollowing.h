#pragma once

#include <opencv2/core.hpp>

namespace effects {

// A face as the tracker follows it: an identity that stays with the face from frame to frame,
// and its rectangle in frame pixels, smoothed.
struct TrackedFace {
    int id = 0;
    cv::Rect2d rect;
};

// Effects that follow the face are authored around a reference face: the 480 x 360 frame is
// taken to show a face centred at (240, 170), 150 pixels wide and 190 high. At other frame sizes
// the reference scales with the frame.
inline const cv::Rect2d kReferenceFace{165, 75, 150, 190};
cv::Rect2d ReferenceFace(cv::Size frameSize);

// Where an effect authored at `authored` stands when the reference face is seen as `face` (a
// detected face in the same frame): its offset from the face's centre and its size scale by
// the face's width over the reference's, so it keeps its place on the face.
cv::Rect2d PlaceOnFace(const cv::Rect2d& authored, const cv::Rect2d& reference,
                       const cv::Rect2d& face);
// The inverse: the authored rectangle that PlaceOnFace puts at `placed` on `face`. A user who
// moves a following effect changes where it stands on the face.
cv::Rect2d AuthoredFromPlaced(const cv::Rect2d& placed, const cv::Rect2d& reference,
                              const cv::Rect2d& face);

}  // namespace effects

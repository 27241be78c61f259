#pragma once

#include <opencv2/core.hpp>

namespace capture {

// The centred part of a `source` picture that has the shape of `target`: the whole picture when
// the shapes agree, else the picture cut at two opposite sides, so that scaling the part to
// `target` fills it without stretching.
cv::Rect CropToFill(cv::Size source, cv::Size target);

// Where a picture of `inner`'s shape lies when it is fitted whole into `outer`, centred: bars
// above and below a wider picture, left and right of a narrower one.
cv::Rect FitInto(cv::Size inner, cv::Size outer);

// A point of a `display` area that shows a `picture` fitted into it (see FitInto), in the
// picture's pixels. Points on the bars map outside the picture.
cv::Point DisplayToPicture(cv::Point point, cv::Size picture, cv::Size display);

}  // namespace capture

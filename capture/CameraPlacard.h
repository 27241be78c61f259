#pragma once

#include <opencv2/core.hpp>

namespace capture {

// What the frame road shows while no camera delivers pictures.
enum class Placard {
    None,     // nothing: the last picture stays, as after a single failed grab
    Opening,  // a camera is being opened: "Opening camera..."
    NoCamera, // there is no camera, or it was lost: a crossed-out camera and "No camera"
};

// Draws `placard` over the whole of `frame` (8-bit BGR, any size): a dark picture with a camera
// symbol in the middle (crossed out for NoCamera) and the placard's text below it. Nothing is
// drawn for Placard::None.
void DrawPlacard(Placard placard, cv::Mat& frame);

}  // namespace capture

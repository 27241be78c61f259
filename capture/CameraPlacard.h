#pragma once

#include <opencv2/core.hpp>

#include <string>

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
// The text is in the user's language (platform::UserText): the English text is drawn with
// OpenCV's own font, any other with the renderer installed below, where there is one.
void DrawPlacard(Placard placard, cv::Mat& frame);

// Draws `text` in one line as white coverage on black (8-bit, one channel), `pixelHeight`
// pixels high and at most `maxWidth` wide (smaller type where it must); an empty picture when it
// cannot. The window installs one that draws with the desktop's fonts, for the scripts OpenCV's
// font lacks.
using PlacardTextRenderer = cv::Mat (*)(const std::string& text, int pixelHeight, int maxWidth);
// Installs the renderer (null: none). Set it before any road is made; read on the road's thread.
void SetPlacardTextRenderer(PlacardTextRenderer renderer);

}  // namespace capture

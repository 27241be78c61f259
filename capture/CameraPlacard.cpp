#include "capture/CameraPlacard.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>

namespace capture {

void DrawPlacard(Placard placard, cv::Mat& frame) {
    if (placard == Placard::None || frame.empty()) return;
    const cv::Scalar background(38, 34, 32);
    const cv::Scalar symbol(200, 200, 200);
    const cv::Scalar cross(60, 60, 230);
    frame.setTo(background);

    // Every measure follows the frame's height, so the picture looks the same at any size.
    const double unit = frame.rows / 360.0;
    auto scaled = [unit](double value) { return static_cast<int>(value * unit + 0.5); };
    const cv::Point centre(frame.cols / 2, frame.rows * 2 / 5);
    const int thickness = std::max(1, scaled(6));

    // The camera: a body with a lens, and the viewfinder bump on top.
    const cv::Rect body(centre.x - scaled(70), centre.y - scaled(40), scaled(140), scaled(90));
    cv::rectangle(frame, body, symbol, thickness, cv::LINE_AA);
    cv::rectangle(frame,
                  cv::Rect(centre.x - scaled(25), body.y - scaled(18), scaled(50), scaled(18)),
                  symbol, cv::FILLED, cv::LINE_AA);
    cv::circle(frame, {centre.x, centre.y + scaled(5)}, scaled(26), symbol, thickness, cv::LINE_AA);
    if (placard == Placard::NoCamera)
        cv::line(frame, {body.x - scaled(20), body.br().y + scaled(20)},
                 {body.br().x + scaled(20), body.y - scaled(30)}, cross, thickness + scaled(3),
                 cv::LINE_AA);

    const char* text = placard == Placard::NoCamera ? "No camera" : "Opening camera...";
    const double fontScale = 1.0 * unit;
    const int textThickness = std::max(1, scaled(2));
    int baseline = 0;
    const cv::Size textSize =
        cv::getTextSize(text, cv::FONT_HERSHEY_SIMPLEX, fontScale, textThickness, &baseline);
    cv::putText(frame, text, {(frame.cols - textSize.width) / 2, body.br().y + scaled(70)},
                cv::FONT_HERSHEY_SIMPLEX, fontScale, symbol, textThickness, cv::LINE_AA);
}

}  // namespace capture

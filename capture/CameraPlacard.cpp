#include "capture/CameraPlacard.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <atomic>

#include "platform/UserText.h"

namespace capture {
namespace {
std::atomic<PlacardTextRenderer> textRenderer{nullptr};
}  // namespace

void SetPlacardTextRenderer(PlacardTextRenderer renderer) { textRenderer = renderer; }

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

    const char* source = placard == Placard::NoCamera
                             ? QT_TRANSLATE_NOOP("Placard", "No camera")
                             : QT_TRANSLATE_NOOP("Placard", "Opening camera...");
    const std::string text = platform::UserText("Placard", source);
    const int baselineY = body.br().y + scaled(70);
    if (const PlacardTextRenderer render = textRenderer.load(); render && text != source) {
        // A translated text: its coverage, laid centred on the baseline in the symbol's colour.
        const cv::Mat coverage = render(text, scaled(30), frame.cols - scaled(24));
        if (!coverage.empty() && coverage.type() == CV_8UC1 && coverage.cols <= frame.cols &&
            coverage.rows <= frame.rows) {
            const int top = std::clamp(baselineY - coverage.rows * 3 / 4, 0, frame.rows - coverage.rows);
            const cv::Rect place((frame.cols - coverage.cols) / 2, top, coverage.cols, coverage.rows);
            cv::Mat area = frame(place);
            for (int y = 0; y < coverage.rows; ++y)
                for (int x = 0; x < coverage.cols; ++x) {
                    const int alpha = coverage.at<uchar>(y, x);
                    cv::Vec3b& pixel = area.at<cv::Vec3b>(y, x);
                    for (int c = 0; c < 3; ++c)
                        pixel[c] = static_cast<uchar>(
                            (pixel[c] * (255 - alpha) + symbol[c] * alpha + 127) / 255);
                }
            return;
        }
    }
    const double fontScale = 1.0 * unit;
    const int textThickness = std::max(1, scaled(2));
    int baseline = 0;
    const cv::Size textSize =
        cv::getTextSize(text, cv::FONT_HERSHEY_SIMPLEX, fontScale, textThickness, &baseline);
    cv::putText(frame, text, {(frame.cols - textSize.width) / 2, baselineY},
                cv::FONT_HERSHEY_SIMPLEX, fontScale, symbol, textThickness, cv::LINE_AA);
}

}  // namespace capture

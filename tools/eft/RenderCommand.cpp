#include <unistd.h>

#include <nlohmann/json.hpp>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <limits>
#include <optional>
#include <sstream>

#include "effects/EffectEngine.h"
#include "effects/FaceTracker.h"
#include "effects/PaintCanvas.h"
#include "platform/Clock.h"
#include "segmentation/Background.h"
#include "segmentation/PersonMask.h"
#include "tools/eft/Commands.h"

namespace eft {
namespace {

constexpr int kFrameWidth = 480;
constexpr int kFrameHeight = 360;

struct MouseStep {
    enum Kind { kDown, kMove, kUp } kind = kUp;
    int x = 0;
    int y = 0;
};

struct RenderOptions {
    std::string input;
    std::string output;
    std::vector<std::string> effects;
    uint32_t timeMs = 0;
    std::optional<int> select;
    bool paintMode = false;  // as the program starts: painting off
    std::optional<int> brushWidth;
    std::optional<std::array<int, 3>> brushColour;
    std::optional<bool> eraser;
    std::vector<MouseStep> mouse;
    bool followFace = false;
    std::optional<segmentation::BackgroundChoice> background;
    std::string model;  // empty: the model of the program's data folder
};

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && !text.empty();
}

bool ParseInRange(std::string_view text, int low, int high, int& value) {
    return ParseNumber(text, value) && value >= low && value <= high;
}

// "X,Y" of two integers.
bool ParsePoint(std::string_view text, int& x, int& y) {
    const size_t comma = text.find(',');
    return comma != std::string_view::npos && ParseNumber(text.substr(0, comma), x) &&
           ParseNumber(text.substr(comma + 1), y);
}

bool ParseColour(std::string_view text, std::array<int, 3>& colour) {
    for (size_t i = 0; i < colour.size(); ++i) {
        const size_t comma = i + 1 < colour.size() ? text.find(',') : text.size();
        if (comma == std::string_view::npos) return false;
        if (!ParseInRange(text.substr(0, comma), 0, 255, colour[i])) return false;
        text.remove_prefix(std::min(comma + 1, text.size()));
    }
    return true;
}

// Space-separated steps: down:X,Y, move:X,Y and up.
bool ParseMouse(const std::string& text, std::vector<MouseStep>& steps) {
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        MouseStep step;
        const std::string_view view = word;
        if (view == "up") {
            step.kind = MouseStep::kUp;
        } else if (view.starts_with("down:")) {
            step.kind = MouseStep::kDown;
            if (!ParsePoint(view.substr(5), step.x, step.y)) return false;
        } else if (view.starts_with("move:")) {
            step.kind = MouseStep::kMove;
            if (!ParsePoint(view.substr(5), step.x, step.y)) return false;
        } else {
            return false;
        }
        steps.push_back(step);
    }
    return true;
}

// "blur", "blur:STRENGTH" (1 to 100) or "replace:FILE".
bool ParseBackground(const std::string& text, segmentation::BackgroundChoice& choice) {
    if (text == "blur") {
        choice.mode = segmentation::BackgroundMode::Blur;
        return true;
    }
    if (text.starts_with("blur:")) {
        choice.mode = segmentation::BackgroundMode::Blur;
        return ParseInRange(std::string_view(text).substr(5),
                            segmentation::BackgroundChoice::kMinBlur,
                            segmentation::BackgroundChoice::kMaxBlur, choice.blur);
    }
    if (text.starts_with("replace:") && text.size() > 8) {
        choice.mode = segmentation::BackgroundMode::Replace;
        choice.picture = text.substr(8);
        return true;
    }
    return false;
}

// The person segmentation model of the program's data folder: beside this executable (the build
// folder) or in ../share/quenvalor from it (an installed program).
std::string DefaultModel() {
    std::error_code error;
    const std::filesystem::path folder =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const std::string beside = segmentation::ModelPathIn(folder.string());
    if (std::filesystem::exists(beside, error)) return beside;
    return segmentation::ModelPathIn(
        (folder / ".." / "share" / "quenvalor").lexically_normal().string());
}

// Reads the options; on a bad one, says why in `error`.
bool ParseOptions(const std::vector<std::string>& arguments, RenderOptions& options,
                  std::string& error) {
    for (size_t i = 0; i < arguments.size(); i += 2) {
        const std::string& name = arguments[i];
        if (name == "--follow-face") {
            // A switch without a value: the next argument is the next option's name.
            options.followFace = true;
            i -= 1;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            error = name + " needs a value";
            return false;
        }
        const std::string& value = arguments[i + 1];
        int number = 0;
        bool valid = true;
        if (name == "--input") {
            options.input = value;
        } else if (name == "--output") {
            options.output = value;
        } else if (name == "--effect") {
            options.effects.push_back(value);
        } else if (name == "--time-ms") {
            valid = ParseNumber(value, options.timeMs);
        } else if (name == "--select") {
            valid = ParseNumber(value, number);
            options.select = number;
        } else if (name == "--paint-mode") {
            valid = ParseInRange(value, 0, 1, number);
            options.paintMode = number == 1;
        } else if (name == "--brush-width") {
            valid = ParseInRange(value, 1, effects::PaintCanvas::kMaxBrushWidth, number);
            options.brushWidth = number;
        } else if (name == "--brush-colour") {
            std::array<int, 3> colour{};
            valid = ParseColour(value, colour);
            options.brushColour = colour;
        } else if (name == "--eraser") {
            valid = ParseInRange(value, 0, 1, number);
            options.eraser = number == 1;
        } else if (name == "--mouse") {
            valid = ParseMouse(value, options.mouse);
        } else if (name == "--background") {
            valid = ParseBackground(value, options.background.emplace());
        } else if (name == "--model") {
            options.model = value;
        } else {
            error = "unknown option " + name;
            return false;
        }
        if (!valid) {
            error = "bad value for " + name + ": " + value;
            return false;
        }
    }
    if (options.input.empty() || options.output.empty()) {
        error = "--input and --output are required";
        return false;
    }
    return true;
}

// The effect file reader reports refused files on standard output, which carries this
// command's JSON; while effects load, its messages go to standard error instead.
class StandardOutputToError {
public:
    StandardOutputToError() {
        std::fflush(stdout);
        saved_ = dup(STDOUT_FILENO);
        if (saved_ >= 0) dup2(STDERR_FILENO, STDOUT_FILENO);
    }
    ~StandardOutputToError() {
        std::fflush(stdout);
        if (saved_ < 0) return;
        dup2(saved_, STDOUT_FILENO);
        close(saved_);
    }
    StandardOutputToError(const StandardOutputToError&) = delete;
    StandardOutputToError& operator=(const StandardOutputToError&) = delete;

private:
    int saved_ = -1;
};

std::optional<cv::Mat> ReadFrame(const std::string& path) {
    cv::Mat picture;
    try {
        picture = cv::imread(path, cv::IMREAD_COLOR);
    } catch (const cv::Exception&) {
        return std::nullopt;
    }
    if (picture.empty()) return std::nullopt;
    if (picture.size() == cv::Size(kFrameWidth, kFrameHeight)) return picture;
    cv::Mat frame;
    cv::resize(picture, frame, {kFrameWidth, kFrameHeight}, 0, 0, cv::INTER_LINEAR);
    return frame;
}

bool WriteFrame(const std::string& path, const cv::Mat& frame) {
    try {
        return cv::imwrite(path, frame);
    } catch (const cv::Exception&) {
        return false;
    }
}

void ApplySettings(effects::EffectEngine& engine, const RenderOptions& options) {
    engine.SetPaintMode(options.paintMode);
    if (options.brushWidth) engine.SetBrushWidth(*options.brushWidth);
    if (options.brushColour) {
        const auto [red, green, blue] = *options.brushColour;
        engine.SetBrushColour(red, green, blue);
    }
    if (options.eraser) engine.SetEraser(*options.eraser);
    if (options.select) engine.Select(*options.select);
}

// A frame drawn only to advance the engine, as the preview would between mouse events.
void RenderScratch(effects::EffectEngine& engine, const cv::Mat& frame) {
    cv::Mat scratch = frame.clone();
    engine.Render(scratch, true);
}

nlohmann::ordered_json EngineToJson(const effects::EffectEngine& engine) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (int i = 0; i < engine.EffectCount(); ++i) {
        const auto info = engine.Describe(i);
        if (!info) continue;
        nlohmann::ordered_json item;
        item["kind"] = info->kind;
        item["x"] = info->rect.left;
        item["y"] = info->rect.top;
        item["width"] = static_cast<long long>(info->rect.right) - info->rect.left;
        item["height"] = static_cast<long long>(info->rect.bottom) - info->rect.top;
        item["active"] = info->active;
        item["selected"] = info->selected;
        if (info->filterKind) item["filterKind"] = *info->filterKind;
        list.push_back(item);
    }
    nlohmann::ordered_json result;
    result["effects"] = list;
    result["manipulationMode"] = engine.ManipulationMode();
    result["selected"] = engine.SelectedIndex();
    return result;
}

}  // namespace

int RunRender(const std::vector<std::string>& arguments) {
    RenderOptions options;
    std::string error;
    if (!ParseOptions(arguments, options, error)) {
        std::fprintf(stderr, "quenvalor-eft render: %s\n", error.c_str());
        return kExitFailure;
    }
    std::optional<cv::Mat> frame = ReadFrame(options.input);
    if (!frame) {
        std::fprintf(stderr, "quenvalor-eft render: cannot read the picture %s\n",
                     options.input.c_str());
        return kExitFailure;
    }

    // The background goes behind the person first, as on the program's road.
    if (options.background) {
        const std::string model = options.model.empty() ? DefaultModel() : options.model;
        cv::Mat replaced;
        if (!segmentation::BackgroundStage::ApplyToStill(model, *options.background, *frame,
                                                         replaced, error)) {
            std::fprintf(stderr, "quenvalor-eft render: the background cannot be drawn: %s\n",
                         error.c_str());
            return kExitFailure;
        }
        *frame = replaced;
    }

    effects::EffectEngine engine(kFrameWidth, kFrameHeight);
    {
        StandardOutputToError redirect;
        for (const std::string& path : options.effects) {
            if (!engine.LoadEffectFile(path, -1)) {
                std::fprintf(stderr, "quenvalor-eft render: %s adds no effect\n", path.c_str());
            }
        }
    }
    ApplySettings(engine, options);
    std::vector<effects::TrackedFace> faces;
    if (options.followFace) {
        effects::FaceTracker tracker(effects::FaceTracker::FindCascade(), frame->size());
        if (!tracker.Available()) {
            std::fprintf(stderr,
                         "quenvalor-eft render: face following is not available: the "
                         "frontal-face cascade (package opencv-data) is not installed\n");
            return kExitFailure;
        }
        for (const cv::Rect& found : tracker.DetectNow(*frame))
            faces.push_back({static_cast<int>(faces.size()) + 1, cv::Rect2d(found)});
        if (faces.empty()) std::fprintf(stderr, "quenvalor-eft render: no face in %s\n", options.input.c_str());
        for (const std::string& path : options.effects) engine.SetFollowsFace(path, true);
        engine.FollowFaces(faces);
    }

    // The first render starts the animation clocks at time 0.
    platform::Clock::SetFixedTime(0);
    RenderScratch(engine, *frame);
    for (const MouseStep& step : options.mouse) {
        switch (step.kind) {
            case MouseStep::kDown:
                engine.MouseDown(step.x, step.y);
                break;
            case MouseStep::kMove:
                engine.MouseMove(step.x, step.y);
                break;
            case MouseStep::kUp:
                engine.MouseUp();
                break;
        }
        RenderScratch(engine, *frame);
    }
    platform::Clock::SetFixedTime(options.timeMs);
    engine.Render(*frame, true);

    if (!WriteFrame(options.output, *frame)) {
        std::fprintf(stderr, "quenvalor-eft render: cannot write %s\n", options.output.c_str());
        return kExitFailure;
    }
    nlohmann::ordered_json result = EngineToJson(engine);
    if (options.followFace) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const effects::TrackedFace& face : faces) {
            list.push_back({{"x", cvRound(face.rect.x)},
                            {"y", cvRound(face.rect.y)},
                            {"width", cvRound(face.rect.width)},
                            {"height", cvRound(face.rect.height)}});
        }
        result["faces"] = list;
    }
    std::cout << result.dump(2) << '\n';
    return kExitSuccess;
}

}  // namespace eft

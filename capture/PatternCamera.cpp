#include "capture/PatternCamera.h"

#include <gst/base/gstpushsrc.h>
#include <gst/gst.h>
#include <gst/video/colorbalance.h>
#include <unistd.h>

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <optional>

#include "capture/HandOff.h"
#include "capture/PatternMicrophone.h"
#include "capture/PatternPicture.h"
#include "capture/PictureAdjustment.h"
#include "capture/SourceWake.h"

namespace capture {
namespace {

constexpr int kFramesPerSecond = 30;
constexpr int kScrollPixelsPerFrame = 4;
constexpr const char* kRawMedia = "video/x-raw";
constexpr const char* kJpegMedia = "image/jpeg";

// Eight vertical bars at 75 %, as B, G, R: white, yellow, cyan, green, magenta, red, blue, black.
constexpr std::array<std::array<uint8_t, 3>, 8> kBars{{{191, 191, 191},
                                                       {0, 191, 191},
                                                       {191, 191, 0},
                                                       {0, 191, 0},
                                                       {191, 0, 191},
                                                       {0, 0, 191},
                                                       {191, 0, 0},
                                                       {0, 0, 0}}};

bool FileExists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

// Whether the text of the file at `path` begins with `word`.
bool FileSays(const std::string& path, const char* word) {
    std::ifstream file(path);
    std::string first;
    file >> first;
    return first.rfind(word, 0) == 0;
}

// The colour balance of the pattern camera: brightness from -100 to 100 (1.27 times the value is
// added to every channel), contrast and saturation from 0 to 200 (100 leaves the picture as it
// is), hue from -180 to 180 degrees; the neutral values are the defaults.
struct BalanceChannel {
    const char* name;
    int minimum;
    int maximum;
    int neutral;
};
constexpr BalanceChannel kBalanceChannels[] = {{"BRIGHTNESS", -100, 100, 0},
                                               {"CONTRAST", 0, 200, 100},
                                               {"SATURATION", 0, 200, 100},
                                               {"HUE", -180, 180, 0}};
constexpr int kBalanceCount = 4;

// What one source instance holds besides its GObject part.
struct PatternState {
    // The channels offered (QUENVALOR_PATTERN_CAMERA_CONTROLS), owned here and never changed
    // after the source is made; `fixed` ones keep their neutral value whatever they are set to.
    GList* channels = nullptr;
    std::array<bool, kBalanceCount> fixed{};
    std::array<std::atomic<int>, kBalanceCount> balance{};

    std::vector<CameraMode> modes;
    std::string presenceFile;
    // A picture shown instead of the bars, when one was asked for.
    std::optional<PatternPicture> picture = PatternPicture::FromEnvironment();

    // The negotiated mode. Every row of the picture is the same, so one row twice the frame's
    // width is drawn once per mode, and each frame copies the window of it at the scroll offset.
    bool jpeg = false;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rowYuy2;
    cv::Mat rowBgr;
    cv::Mat frameBgr;
    std::vector<uint8_t> encoded;
    uint64_t frameNumber = 0;
    std::chrono::steady_clock::time_point nextFrame;

    // Wakes a frame wait when the pipeline flushes or stops.
    capture::SourceWake wake;

    PatternState() {
        for (int index = 0; index < kBalanceCount; ++index)
            balance[index] = kBalanceChannels[index].neutral;
        // Unset: all four channels; "none": no colour balance at all; else the channels named,
        // separated by commas, each followed by "=fixed" when it must refuse every change.
        const char* wanted = std::getenv("QUENVALOR_PATTERN_CAMERA_CONTROLS");
        const std::string list = wanted ? wanted : "";
        for (int index = 0; index < kBalanceCount; ++index) {
            const BalanceChannel& known = kBalanceChannels[index];
            std::string name = known.name;
            for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            bool offered = list.empty();
            size_t start = 0;
            while (!list.empty() && start <= list.size()) {
                const size_t end = std::min(list.find(',', start), list.size());
                std::string entry = list.substr(start, end - start);
                for (char& c : entry) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                entry.erase(0, entry.find_first_not_of(' '));
                entry.erase(entry.find_last_not_of(' ') + 1);
                if (entry == name || entry == name + "=fixed") {
                    offered = true;
                    fixed[index] = entry != name;
                }
                start = end + 1;
            }
            if (!offered) continue;
            auto* channel = GST_COLOR_BALANCE_CHANNEL(g_object_new(GST_TYPE_COLOR_BALANCE_CHANNEL, nullptr));
            channel->label = g_strdup(known.name);
            channel->min_value = known.minimum;
            channel->max_value = known.maximum;
            channels = g_list_append(channels, channel);
        }
    }
    ~PatternState() { g_list_free_full(channels, g_object_unref); }

    bool BalanceIsNeutral() const {
        for (int index = 0; index < kBalanceCount; ++index)
            if (balance[index] != kBalanceChannels[index].neutral) return false;
        return true;
    }

    // Applies the colour balance of the moment to `bgr`.
    void ApplyBalance(cv::Mat& bgr) const {
        ApplyColourBalance(bgr, balance[0], balance[1], balance[2], balance[3]);
    }

    void DrawRows() {
        rowBgr.create(1, 2 * width, CV_8UC3);
        rowYuy2.assign(static_cast<size_t>(4 * width), 0);
        for (int x = 0; x < 2 * width; ++x) {
            const auto& bar = kBars[static_cast<size_t>((x % width) * 8 / width)];
            rowBgr.at<cv::Vec3b>(0, x) = cv::Vec3b(bar[0], bar[1], bar[2]);
        }
        BgrToYuy2(rowBgr, rowYuy2.data());
    }
};

}  // namespace
}  // namespace capture

using capture::PatternState;

struct QuenvalorPatternSrc {
    GstPushSrc parent;
    PatternState* state;
};
struct QuenvalorPatternSrcClass {
    GstPushSrcClass parent_class;
};

static void quenvalor_pattern_src_balance_init(GstColorBalanceInterface* balance);

G_DEFINE_TYPE_WITH_CODE(QuenvalorPatternSrc, quenvalor_pattern_src, GST_TYPE_PUSH_SRC,
                        G_IMPLEMENT_INTERFACE(GST_TYPE_COLOR_BALANCE,
                                              quenvalor_pattern_src_balance_init))

namespace {

PatternState& State(gpointer source) {
    return *reinterpret_cast<QuenvalorPatternSrc*>(source)->state;
}

void Finalize(GObject* object) {
    capture::MarkTakenOver(object);
    delete reinterpret_cast<QuenvalorPatternSrc*>(object)->state;
    G_OBJECT_CLASS(quenvalor_pattern_src_parent_class)->finalize(object);
}

GstCaps* GetCaps(GstBaseSrc* source, GstCaps* filter) {
    const capture::HandedOverCall call(source);
    GstCaps* caps = capture::CameraModeCaps(State(source).modes);
    if (!filter) return caps;
    GstCaps* wanted = gst_caps_intersect_full(filter, caps, GST_CAPS_INTERSECT_FIRST);
    gst_caps_unref(caps);
    return wanted;
}

gboolean SetCaps(GstBaseSrc* source, GstCaps* caps) {
    const capture::HandedOverCall call(source);
    PatternState& state = State(source);
    if (!state.presenceFile.empty() && capture::FileSays(state.presenceFile, "busy")) {
        GST_ELEMENT_ERROR(source, RESOURCE, BUSY, ("Device is busy."),
                          ("The pattern camera is held by another program."));
        return FALSE;
    }
    const GstStructure* structure = gst_caps_get_structure(caps, 0);
    if (!gst_structure_get_int(structure, "width", &state.width) ||
        !gst_structure_get_int(structure, "height", &state.height) || state.width < 2 ||
        state.height < 1)
        return FALSE;
    state.width &= ~1;
    state.jpeg = gst_structure_has_name(structure, capture::kJpegMedia);
    state.DrawRows();
    state.frameBgr.create(state.height, state.width, CV_8UC3);
    if (state.picture) state.picture->Prepare(state.width, state.height);
    return TRUE;
}

gboolean Start(GstBaseSrc* source) {
    const capture::HandedOverCall call(source);
    PatternState& state = State(source);
    if (!state.presenceFile.empty() && !capture::FileExists(state.presenceFile)) {
        GST_ELEMENT_ERROR(source, RESOURCE, OPEN_READ, ("Could not open device."),
                          ("The pattern camera is not plugged in."));
        return FALSE;
    }
    state.frameNumber = 0;
    state.nextFrame = std::chrono::steady_clock::now();
    return TRUE;
}

gboolean Unlock(GstBaseSrc* source) {
    const capture::HandedOverCall call(source);
    State(source).wake.Unlock();
    return TRUE;
}

gboolean UnlockStop(GstBaseSrc* source) {
    const capture::HandedOverCall call(source);
    State(source).wake.UnlockStop();
    return TRUE;
}

GstFlowReturn Create(GstPushSrc* source, GstBuffer** buffer) {
    const capture::HandedOverCall call(source);
    PatternState& state = State(source);
    const auto period = std::chrono::nanoseconds(1'000'000'000 / capture::kFramesPerSecond);
    while (true) {
        if (!state.wake.WaitUntil(state.nextFrame)) return GST_FLOW_FLUSHING;
        if (state.presenceFile.empty()) break;
        if (!capture::FileExists(state.presenceFile)) {
            GST_ELEMENT_ERROR(source, RESOURCE, READ, ("Could not read from resource."),
                              ("The pattern camera was unplugged."));
            return GST_FLOW_ERROR;
        }
        // A frozen camera stays plugged in and sends nothing, as a stuck camera does.
        if (!capture::FileSays(state.presenceFile, "frozen")) break;
        state.nextFrame = std::chrono::steady_clock::now() + period;
    }
    // The frame is captured now: in a beep of the pattern microphone it shows the white square.
    const bool square = capture::InPatternBeep(std::chrono::steady_clock::now());
    const int squareWidth = std::min(capture::kPatternSquareSize, state.width) & ~1;
    const int squareHeight = std::min(capture::kPatternSquareSize, state.height);
    const int offset = static_cast<int>((state.frameNumber * capture::kScrollPixelsPerFrame) %
                                        static_cast<uint64_t>(state.width)) & ~1;
    GstBuffer* out = nullptr;
    const bool balanced = !state.BalanceIsNeutral();
    if (state.picture || state.jpeg || balanced) {
        // The frame is drawn whole in BGR, changed by the colour balance, then encoded as the
        // mode asks.
        if (state.picture) {
            state.picture->Draw(state.frameNumber, state.frameBgr);
        } else {
            for (int row = 0; row < state.height; ++row)
                std::memcpy(state.frameBgr.ptr(row), state.rowBgr.ptr(0) + 3 * offset,
                            static_cast<size_t>(3 * state.width));
        }
        if (balanced) state.ApplyBalance(state.frameBgr);
        if (square)
            state.frameBgr(cv::Rect(0, 0, squareWidth, squareHeight)).setTo(cv::Scalar::all(255));
        if (state.jpeg) {
            cv::imencode(".jpg", state.frameBgr, state.encoded);
            out = gst_buffer_new_memdup(state.encoded.data(), state.encoded.size());
        } else {
            out = gst_buffer_new_allocate(nullptr, state.frameBgr.total() * 2, nullptr);
            GstMapInfo map;
            gst_buffer_map(out, &map, GST_MAP_WRITE);
            capture::BgrToYuy2(state.frameBgr, map.data);
            gst_buffer_unmap(out, &map);
        }
    } else {
        const size_t rowBytes = static_cast<size_t>(2 * state.width);
        out = gst_buffer_new_allocate(nullptr, rowBytes * static_cast<size_t>(state.height), nullptr);
        GstMapInfo map;
        gst_buffer_map(out, &map, GST_MAP_WRITE);
        for (int row = 0; row < state.height; ++row)
            std::memcpy(map.data + rowBytes * static_cast<size_t>(row),
                        state.rowYuy2.data() + 2 * offset, rowBytes);
        if (square) {
            // White in limited-range YUY2: Y 235 for both pixels of a pair, U and V 128.
            for (int row = 0; row < squareHeight; ++row) {
                uint8_t* pixels = map.data + rowBytes * static_cast<size_t>(row);
                for (int x = 0; x < squareWidth; x += 2) {
                    pixels[2 * x] = 235;
                    pixels[2 * x + 1] = 128;
                    pixels[2 * x + 2] = 235;
                    pixels[2 * x + 3] = 128;
                }
            }
        }
        gst_buffer_unmap(out, &map);
    }
    GST_BUFFER_DURATION(out) = GST_SECOND / capture::kFramesPerSecond;
    ++state.frameNumber;
    // Frames keep the camera's pace; a source that fell behind drops the frames it missed.
    state.nextFrame = std::max(state.nextFrame + period, std::chrono::steady_clock::now());
    *buffer = out;
    return GST_FLOW_OK;
}

const GList* ListChannels(GstColorBalance* balance) {
    const capture::HandedOverCall call(balance);
    return State(balance).channels;
}

int ChannelIndex(GstColorBalanceChannel* channel) {
    for (int index = 0; index < capture::kBalanceCount; ++index)
        if (channel && channel->label && std::strcmp(channel->label, capture::kBalanceChannels[index].name) == 0)
            return index;
    return -1;
}

void SetBalanceValue(GstColorBalance* balance, GstColorBalanceChannel* channel, gint value) {
    const capture::HandedOverCall call(balance);
    PatternState& state = State(balance);
    const int index = ChannelIndex(channel);
    if (index < 0 || state.fixed[index]) return;
    state.balance[index] = std::clamp(value, channel->min_value, channel->max_value);
}

gint GetBalanceValue(GstColorBalance* balance, GstColorBalanceChannel* channel) {
    const capture::HandedOverCall call(balance);
    const int index = ChannelIndex(channel);
    return index < 0 ? 0 : State(balance).balance[index].load();
}

GstColorBalanceType GetBalanceType(GstColorBalance*) { return GST_COLOR_BALANCE_HARDWARE; }

}  // namespace

static void quenvalor_pattern_src_balance_init(GstColorBalanceInterface* balance) {
    balance->list_channels = ListChannels;
    balance->set_value = SetBalanceValue;
    balance->get_value = GetBalanceValue;
    balance->get_balance_type = GetBalanceType;
}

static void quenvalor_pattern_src_init(QuenvalorPatternSrc* source) {
    source->state = new PatternState;
    gst_base_src_set_live(GST_BASE_SRC(source), TRUE);
    gst_base_src_set_format(GST_BASE_SRC(source), GST_FORMAT_TIME);
    // Each buffer carries the clock's running time when it was made, as a camera's does.
    gst_base_src_set_do_timestamp(GST_BASE_SRC(source), TRUE);
}

static void quenvalor_pattern_src_class_init(QuenvalorPatternSrcClass* klass) {
    G_OBJECT_CLASS(klass)->finalize = Finalize;
    GstElementClass* elementClass = GST_ELEMENT_CLASS(klass);
    gst_element_class_set_static_metadata(elementClass, "Pattern camera", "Source/Video",
                                          "Moving colour bars that behave like a webcam",
                                          "Quenvalor");
    static GstStaticPadTemplate sourceTemplate = GST_STATIC_PAD_TEMPLATE(
        "src", GST_PAD_SRC, GST_PAD_ALWAYS, GST_STATIC_CAPS("video/x-raw,format=YUY2;image/jpeg"));
    gst_element_class_add_static_pad_template(elementClass, &sourceTemplate);
    GstBaseSrcClass* baseClass = GST_BASE_SRC_CLASS(klass);
    baseClass->get_caps = GetCaps;
    baseClass->set_caps = SetCaps;
    baseClass->start = Start;
    baseClass->unlock = Unlock;
    baseClass->unlock_stop = UnlockStop;
    GST_PUSH_SRC_CLASS(klass)->create = Create;
}

namespace capture {

const std::vector<CameraMode>& DefaultPatternCameraModes() {
    static const std::vector<CameraMode> modes = [] {
        std::vector<CameraMode> list;
        for (const char* media : {kRawMedia, kJpegMedia})
            for (auto [width, height] : {std::pair{320, 240}, {640, 480}, {800, 600}, {1280, 720},
                                         {1920, 1080}})
                list.push_back({media, width, height});
        return list;
    }();
    return modes;
}

std::vector<CameraMode> ParseCameraModes(std::string_view text) {
    std::vector<CameraMode> modes;
    while (!text.empty()) {
        const size_t end = text.find(';');
        const std::string entry(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        char media[32] = {};
        int width = 0;
        int height = 0;
        char rest = 0;
        if (std::sscanf(entry.c_str(), " %31s %dx%d %c", media, &width, &height, &rest) != 3)
            continue;
        if ((std::strcmp(media, kRawMedia) != 0 && std::strcmp(media, kJpegMedia) != 0) ||
            width < 2 || height < 1 || width > 8192 || height > 8192)
            continue;
        modes.push_back({media, width, height});
    }
    return modes;
}

std::vector<CameraMode> PatternCameraModes() {
    const char* text = std::getenv("QUENVALOR_PATTERN_CAMERA_MODES");
    std::vector<CameraMode> modes = text ? ParseCameraModes(text) : std::vector<CameraMode>();
    return modes.empty() ? DefaultPatternCameraModes() : modes;
}

GstCaps* CameraModeCaps(const std::vector<CameraMode>& modes) {
    GstCaps* caps = gst_caps_new_empty();
    for (const CameraMode& mode : modes) {
        GstStructure* structure = gst_structure_new(
            mode.media.c_str(), "width", G_TYPE_INT, mode.width, "height", G_TYPE_INT, mode.height,
            "framerate", GST_TYPE_FRACTION, kFramesPerSecond, 1, "pixel-aspect-ratio",
            GST_TYPE_FRACTION, 1, 1, nullptr);
        if (mode.media == kRawMedia) gst_structure_set(structure, "format", G_TYPE_STRING, "YUY2", nullptr);
        gst_caps_append_structure(caps, structure);
    }
    return caps;
}

GstElement* CreatePatternCameraSource(const std::vector<CameraMode>& modes,
                                      const std::string& presenceFile) {
    auto* source = static_cast<QuenvalorPatternSrc*>(
        g_object_new(quenvalor_pattern_src_get_type(), nullptr));
    source->state->modes = modes;
    source->state->presenceFile = presenceFile;
    MarkHandedOver(source);
    return GST_ELEMENT(source);
}

}  // namespace capture

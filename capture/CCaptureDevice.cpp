#include "capture/CCaptureDevice.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace capture {
namespace {

struct GstObjectUnref {
    void operator()(gpointer object) const { gst_object_unref(object); }
};
struct GstSampleUnref {
    void operator()(GstSample* sample) const { gst_sample_unref(sample); }
};
struct GstCapsUnref {
    void operator()(GstCaps* caps) const { gst_caps_unref(caps); }
};
struct GstMessageUnref {
    void operator()(GstMessage* message) const { gst_message_unref(message); }
};
struct GErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};
template <typename T>
using GstRef = std::unique_ptr<T, GstObjectUnref>;

void EnsureGstreamerInitialised() {
    static std::once_flag once;
    std::call_once(once, [] { gst_init(nullptr, nullptr); });
}

// One listed video source: a device of the monitor, or the pattern camera (no device).
struct VideoSource {
    std::string name;
    std::string sortKey;
    GstRef<GstDevice> device;
};

std::string DeviceProperty(GstDevice* device, const char* key) {
    std::unique_ptr<GstStructure, decltype(&gst_structure_free)> properties(
        gst_device_get_properties(device), &gst_structure_free);
    if (!properties) return {};
    const gchar* value = gst_structure_get_string(properties.get(), key);
    return value ? value : "";
}

// Lists the video sources in a stable order: real cameras sorted by their device node (so a
// camera keeps its position across runs), then the pattern camera when it is switched on.
std::vector<VideoSource> EnumerateVideoSources() {
    EnsureGstreamerInitialised();
    std::vector<VideoSource> sources;
    GstRef<GstDeviceMonitor> monitor(gst_device_monitor_new());
    gst_device_monitor_add_filter(monitor.get(), "Video/Source", nullptr);
    GList* devices = gst_device_monitor_get_devices(monitor.get());
    for (GList* item = devices; item; item = item->next) {
        GstDevice* device = GST_DEVICE(item->data);  // the list's reference moves to the entry
        VideoSource source;
        gchar* name = gst_device_get_display_name(device);
        source.name = name ? name : "";
        g_free(name);
        for (const char* key : {"api.v4l2.path", "device.path", "object.path"}) {
            source.sortKey = DeviceProperty(device, key);
            if (!source.sortKey.empty()) break;
        }
        source.sortKey += "\x1f" + source.name;
        source.device.reset(device);
        sources.push_back(std::move(source));
    }
    g_list_free(devices);
    std::stable_sort(sources.begin(), sources.end(),
                     [](const VideoSource& a, const VideoSource& b) { return a.sortKey < b.sortKey; });
    if (PatternCameraEnabled()) sources.push_back({kPatternCameraName, {}, nullptr});
    return sources;
}

// The pattern camera: live colour bars that scroll four pixels every frame, at 30 frames per
// second, so that consecutive frames always differ.
constexpr const char* kPatternSource =
    "videotestsrc is-live=true pattern=smpte horizontal-speed=4 ! video/x-raw,framerate=30/1";

}  // namespace

bool PatternCameraEnabled() {
    const char* value = std::getenv("QUENVALOR_PATTERN_CAMERA");
    return value && std::strcmp(value, "1") == 0;
}

struct CCaptureDevice::Pipeline {
    GstRef<GstElement> pipeline;
    GstElement* appsink = nullptr;  // owned by the pipeline

    ~Pipeline() {
        if (pipeline) gst_element_set_state(pipeline.get(), GST_STATE_NULL);
    }

    // An error posted on the bus since the last look, if any.
    bool HasError() {
        GstRef<GstBus> bus(gst_element_get_bus(pipeline.get()));
        std::unique_ptr<GstMessage, GstMessageUnref> message(
            gst_bus_pop_filtered(bus.get(), GST_MESSAGE_ERROR));
        return message != nullptr;
    }
};

CCaptureDevice::CCaptureDevice() { EnsureGstreamerInitialised(); }

CCaptureDevice::~CCaptureDevice() { CloseDevice(); }

int CCaptureDevice::GetDeviceCount() { return static_cast<int>(EnumerateVideoSources().size()); }

std::vector<std::string> CCaptureDevice::ListDeviceNames() {
    std::vector<std::string> names;
    for (const VideoSource& source : EnumerateVideoSources()) names.push_back(source.name);
    return names;
}

int CCaptureDevice::GetDeviceName(int position, char* buffer, int capacity) {
    const std::vector<VideoSource> sources = EnumerateVideoSources();
    if (position < 0 || position >= static_cast<int>(sources.size()) || !buffer || capacity <= 0)
        return 1;
    const std::string& name = sources[position].name;
    const size_t length = std::min(name.size(), static_cast<size_t>(capacity - 1));
    std::memcpy(buffer, name.data(), length);
    buffer[length] = '\0';
    return 1;
}

bool CCaptureDevice::OpenDevice(int position, int requestedWidth, int requestedHeight) {
    if (position < 0 || graphReady) return false;
    std::vector<VideoSource> sources = EnumerateVideoSources();
    if (position >= static_cast<int>(sources.size())) return false;
    VideoSource& source = sources[position];
    if (!source.device) return OpenSourceDescription(kPatternSource, requestedWidth, requestedHeight);

    auto pipeline = std::make_unique<Pipeline>();
    GstElement* camera = gst_device_create_element(source.device.get(), nullptr);
    if (!camera) return false;
    // The size request: raw or JPEG frames of exactly the asked size. A camera that offers
    // neither fails to negotiate, and the open fails.
    const std::string tail =
        "capsfilter caps=\"video/x-raw,width=" + std::to_string(requestedWidth) +
        ",height=" + std::to_string(requestedHeight) + ";image/jpeg,width=" +
        std::to_string(requestedWidth) + ",height=" + std::to_string(requestedHeight) +
        "\" ! decodebin ! videoconvert ! video/x-raw,format=BGR ! "
        "appsink name=grabber max-buffers=1 drop=true sync=false";
    GError* parseError = nullptr;
    GstElement* convert = gst_parse_bin_from_description(tail.c_str(), TRUE, &parseError);
    std::unique_ptr<GError, GErrorFree> parseErrorOwner(parseError);
    if (convert && parseError) gst_object_unref(gst_object_ref_sink(convert));
    if (!convert || parseError) {
        gst_object_unref(camera);
        return false;
    }
    pipeline->pipeline.reset(GST_ELEMENT(gst_object_ref_sink(gst_pipeline_new("camera"))));
    gst_bin_add_many(GST_BIN(pipeline->pipeline.get()), camera, convert, nullptr);
    if (!gst_element_link(camera, convert)) return false;
    GstRef<GstElement> appsink(gst_bin_get_by_name(GST_BIN(convert), "grabber"));
    pipeline->appsink = appsink.get();
    return StartPipeline(std::move(pipeline), requestedWidth, requestedHeight);
}

bool CCaptureDevice::OpenSourceDescription(const std::string& sourceDescription,
                                           int requestedWidth, int requestedHeight) {
    if (graphReady) return false;
    const std::string description =
        sourceDescription + " ! capsfilter caps=\"video/x-raw,width=" +
        std::to_string(requestedWidth) + ",height=" + std::to_string(requestedHeight) +
        "\" ! videoconvert ! video/x-raw,format=BGR ! "
        "appsink name=grabber max-buffers=1 drop=true sync=false";
    GError* parseError = nullptr;
    GstElement* element = gst_parse_launch(description.c_str(), &parseError);
    std::unique_ptr<GError, GErrorFree> parseErrorOwner(parseError);
    // A description that names a missing element parses "successfully" with an error set.
    if (element && parseError) gst_object_unref(gst_object_ref_sink(element));
    if (!element || parseError) return false;
    auto pipeline = std::make_unique<Pipeline>();
    pipeline->pipeline.reset(GST_ELEMENT(gst_object_ref_sink(element)));
    GstRef<GstElement> appsink(gst_bin_get_by_name(GST_BIN(element), "grabber"));
    if (!appsink) return false;
    pipeline->appsink = appsink.get();
    return StartPipeline(std::move(pipeline), requestedWidth, requestedHeight);
}

bool CCaptureDevice::StartPipeline(std::unique_ptr<Pipeline> pipeline, int requestedWidth,
                                   int requestedHeight) {
    if (gst_element_set_state(pipeline->pipeline.get(), GST_STATE_PLAYING) ==
        GST_STATE_CHANGE_FAILURE)
        return false;
    // Wait until the camera has agreed on a format (its caps reach the grabber), or has failed.
    // A camera that starts but never sends a frame keeps the requested size; its grabs then
    // come back empty, which the caller reports as a busy camera.
    width = requestedWidth;
    height = requestedHeight;
    GstRef<GstPad> grabberPad(gst_element_get_static_pad(pipeline->appsink, "sink"));
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (pipeline->HasError()) return false;
        std::unique_ptr<GstCaps, GstCapsUnref> caps(gst_pad_get_current_caps(grabberPad.get()));
        GstVideoInfo info;
        if (caps && gst_video_info_from_caps(&info, caps.get())) {
            width = GST_VIDEO_INFO_WIDTH(&info);
            height = GST_VIDEO_INFO_HEIGHT(&info);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    pipeline_ = std::move(pipeline);
    graphReady = true;
    return true;
}

const cv::Mat* CCaptureDevice::QueryFrame() {
    if (!graphReady || !pipeline_) return nullptr;
    std::unique_ptr<GstSample, GstSampleUnref> sample(gst_app_sink_try_pull_sample(
        GST_APP_SINK(pipeline_->appsink),
        std::chrono::duration_cast<std::chrono::nanoseconds>(kGrabTimeout).count()));
    if (!sample) return nullptr;
    GstVideoInfo info;
    if (!gst_video_info_from_caps(&info, gst_sample_get_caps(sample.get()))) return nullptr;
    GstVideoFrame videoFrame;
    if (!gst_video_frame_map(&videoFrame, &info, gst_sample_get_buffer(sample.get()), GST_MAP_READ))
        return nullptr;
    // The camera may change its frame size while running; the image follows it.
    const int sampleWidth = GST_VIDEO_FRAME_WIDTH(&videoFrame);
    const int sampleHeight = GST_VIDEO_FRAME_HEIGHT(&videoFrame);
    const int sampleSize = sampleWidth * sampleHeight * 3;
    if (sampleSize != lastBufferSize || frame.cols != sampleWidth || frame.rows != sampleHeight) {
        lastBufferSize = sampleSize;
        width = sampleWidth;
        height = sampleHeight;
        frame.create(height, width, CV_8UC3);
    }
    const auto* source = static_cast<const uint8_t*>(GST_VIDEO_FRAME_PLANE_DATA(&videoFrame, 0));
    const int stride = GST_VIDEO_FRAME_PLANE_STRIDE(&videoFrame, 0);
    for (int row = 0; row < height; ++row)
        std::memcpy(frame.ptr(row), source + static_cast<ptrdiff_t>(row) * stride, width * 3);
    gst_video_frame_unmap(&videoFrame);
    return &frame;
}

void CCaptureDevice::CloseDevice() {
    pipeline_.reset();
    frame.release();
    graphReady = false;
    width = 0;
    height = 0;
    lastBufferSize = 0;
}

}  // namespace capture

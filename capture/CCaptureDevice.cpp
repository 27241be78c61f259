#include "capture/CCaptureDevice.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <optional>
#include <thread>

#include <unistd.h>

#include "capture/DeviceWatch.h"
#include "capture/GstSupport.h"
#include "capture/HandOff.h"
#include "capture/ModeNegotiation.h"
#include "capture/VideoSources.h"

namespace capture {
namespace {

std::vector<VideoSource> EnumerateVideoSources() {
    const DeviceWatch watch;
    return ListVideoSources(watch);
}

// Everything after the camera: the mode request (a capsfilter whose caps StartDevice sets),
// decoding, conversion to BGR and the grabber.
constexpr const char* kGrabberDescription =
    "capsfilter name=request ! decodebin ! videoconvert ! video/x-raw,format=BGR ! "
    "appsink name=grabber max-buffers=1 drop=true sync=false";
// The caps that ask `device` for the mode negotiated for the road's need; null when the camera
// names no raw or JPEG mode (it is then taken in whatever mode it offers).
//
// A PipeWire source does not pick a pixel format by itself: asked for raw frames without one, or
// for anything at all, it fails to negotiate or waits for ever. It is asked for every format the
// conversion takes, and, when its camera names no mode (as one just published may not yet), for
// raw frames in those formats or JPEG frames of any size.
CapsRef NegotiatedRequest(GstDevice* device, const CameraNeed& need) {
    CapsRef offered(gst_device_get_caps(device));
    const std::optional<OfferedMode> mode =
        ChooseCameraMode(OfferedModesOf(offered.get(), need), need);
    const bool pipeWire = ProviderOf(device) == CameraProvider::PipeWire;
    if (!mode) {
        return pipeWire ? CapsRef(gst_caps_from_string(
                              "video/x-raw, format=(string)" GST_VIDEO_FORMATS_ALL "; image/jpeg"))
                        : nullptr;
    }
    CapsRef request(gst_caps_from_string(ModeRequestCaps(*mode).c_str()));
    if (request && pipeWire && mode->media == "video/x-raw") {
        CapsRef formats(gst_caps_from_string("video/x-raw, format=(string)" GST_VIDEO_FORMATS_ALL));
        CapsRef named(gst_caps_intersect(request.get(), formats.get()));
        if (named && !gst_caps_is_empty(named.get())) request = std::move(named);
    }
    return request;
}

// A pipeline made from `description`, or null when it cannot be made. A description that names a
// missing element parses "successfully" with an error set; that counts as a failure.
GstElement* ParsePipeline(const std::string& description) {
    GError* parseError = nullptr;
    GstElement* element = gst_parse_launch(description.c_str(), &parseError);
    std::unique_ptr<GError, GErrorFree> parseErrorOwner(parseError);
    if (element && parseError) gst_object_unref(gst_object_ref_sink(element));
    return parseError ? nullptr : element;
}

int64_t SteadyNanoseconds(std::chrono::steady_clock::time_point time) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
}

}  // namespace

struct CCaptureDevice::Pipeline {
    GstRef<GstElement> pipeline;
    GstElement* appsink = nullptr;  // owned by the pipeline
    GstElement* source = nullptr;   // the camera, owned by the pipeline; null for a description
    std::atomic<CameraFailure> failure{CameraFailure::None};
    std::atomic<long> frames{0};
    std::atomic<int64_t> lastFrameNanoseconds{0};
    int pipeWireConnection = -1;  // the PipeWire camera's own connection (see StartDevice)

    ~Pipeline() {
        if (pipeline) gst_element_set_state(pipeline.get(), GST_STATE_NULL);
        if (pipeWireConnection >= 0) close(pipeWireConnection);
        MarkTakenOver(this);
    }

    // Keeps the first error the pipeline posts and counts the frames that reach the grabber.
    // Both run on GStreamer's threads; nothing else reads the bus, so every message is dropped.
    void Watch() {
        GstRef<GstBus> bus(gst_element_get_bus(pipeline.get()));
        gst_bus_set_sync_handler(bus.get(), &Pipeline::OnMessage, this, nullptr);
        GstRef<GstPad> pad(gst_element_get_static_pad(appsink, "sink"));
        gst_pad_add_probe(pad.get(), GST_PAD_PROBE_TYPE_BUFFER, &Pipeline::OnBuffer, this, nullptr);
    }

    static GstBusSyncReply OnMessage(GstBus*, GstMessage* message, gpointer data) {
        const HandedOverCall call(data);
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
            GError* error = nullptr;
            gchar* details = nullptr;
            gst_message_parse_error(message, &error, &details);
            std::unique_ptr<GError, GErrorFree> owner(error);
            std::unique_ptr<gchar, decltype(&g_free)> detailsOwner(details, &g_free);
            // A camera held by another program says so with a "busy" resource error, or, where
            // the driver refuses the open itself, with the system's EBUSY text in the details.
            const bool busy = error && error->domain == GST_RESOURCE_ERROR &&
                              (error->code == GST_RESOURCE_ERROR_BUSY ||
                               (details && std::strstr(details, "Device or resource busy")));
            CameraFailure none = CameraFailure::None;
            static_cast<Pipeline*>(data)->failure.compare_exchange_strong(
                none, busy ? CameraFailure::Busy : CameraFailure::Failed);
        }
        gst_message_unref(message);
        return GST_BUS_DROP;
    }

    // Also hands each frame over to the thread that pulls it from the grabber.
    static GstPadProbeReturn OnBuffer(GstPad*, GstPadProbeInfo* info, gpointer data) {
        const HandedOverCall call(data);
        MarkHandedOver(GST_PAD_PROBE_INFO_BUFFER(info));
        auto* self = static_cast<Pipeline*>(data);
        self->lastFrameNanoseconds = SteadyNanoseconds(std::chrono::steady_clock::now());
        ++self->frames;
        return GST_PAD_PROBE_OK;
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

bool CCaptureDevice::OpenDevice(int position, int requestedWidth, int requestedHeight,
                                int framesPerSecond) {
    if (position < 0 || graphReady) return false;
    std::vector<VideoSource> sources = EnumerateVideoSources();
    if (position >= static_cast<int>(sources.size())) return false;
    return StartDevice(sources[position].device.get(), requestedWidth, requestedHeight,
                       framesPerSecond) &&
           WaitForFirstFrame();
}

bool CCaptureDevice::StartDevice(GstDevice* device, int requestedWidth, int requestedHeight,
                                 int framesPerSecond) {
    if (graphReady || !device) return false;
    // A camera that cannot join the pipeline fails like one whose pipeline reports an error.
    startFailure = CameraFailure::Failed;
    GstElement* camera = gst_device_create_element(device, nullptr);
    if (!camera) return false;
    // The pipeline is made from the description of everything after the camera; the camera joins
    // it in front of the size request.
    const CapsRef requestCaps =
        NegotiatedRequest(device, {requestedWidth, requestedHeight, framesPerSecond});
    GstElement* element = ParsePipeline(kGrabberDescription);
    if (!element) {
        gst_object_unref(gst_object_ref_sink(camera));
        return false;
    }
    auto pipeline = std::make_unique<Pipeline>();
    pipeline->pipeline.reset(GST_ELEMENT(gst_object_ref_sink(element)));
    // A PipeWire source reads the camera over a connection of its own. Left to itself it shares
    // one connection with the PipeWire device provider, and whichever of the two lets go of it
    // last tears down the other's objects too: a camera closed after the provider stopped (at
    // quit, or after a hot-plug) removed the provider's devices again after they were freed.
    if (ProviderOf(device) == CameraProvider::PipeWire &&
        g_object_class_find_property(G_OBJECT_GET_CLASS(camera), "fd")) {
        pipeline->pipeWireConnection = ConnectToPipeWire();
        if (pipeline->pipeWireConnection >= 0)
            g_object_set(camera, "fd", pipeline->pipeWireConnection, nullptr);
    }
    gst_bin_add(GST_BIN(element), camera);
    GstRef<GstElement> request(gst_bin_get_by_name(GST_BIN(element), "request"));
    GstRef<GstElement> appsink(gst_bin_get_by_name(GST_BIN(element), "grabber"));
    if (!request || !appsink || !gst_element_link(camera, request.get())) return false;
    if (requestCaps) g_object_set(request.get(), "caps", requestCaps.get(), nullptr);
    pipeline->appsink = appsink.get();
    pipeline->source = camera;
    // A camera served through another provider (a sound-and-video server) still names the
    // node of its driver, where its controls are.
    deviceNode.clear();
    for (const char* key : {"api.v4l2.path", "device.path"}) {
        const std::string path = DeviceProperty(device, key);
        if (path.rfind("/dev/", 0) == 0) {
            deviceNode = path;
            break;
        }
    }
    startFailure = CameraFailure::None;
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
    GstElement* element = ParsePipeline(description);
    if (!element) return false;
    auto pipeline = std::make_unique<Pipeline>();
    pipeline->pipeline.reset(GST_ELEMENT(gst_object_ref_sink(element)));
    GstRef<GstElement> appsink(gst_bin_get_by_name(GST_BIN(element), "grabber"));
    if (!appsink) return false;
    pipeline->appsink = appsink.get();
    return StartPipeline(std::move(pipeline), requestedWidth, requestedHeight) &&
           WaitForFirstFrame();
}

bool CCaptureDevice::StartPipeline(std::unique_ptr<Pipeline> pipeline, int requestedWidth,
                                   int requestedHeight) {
    pipeline->Watch();
    MarkHandedOver(pipeline.get());
    // Frames are timed on the monotonic clock, the one sound capture times are on too.
    GstClock* system = gst_system_clock_obtain();
    gst_pipeline_use_clock(GST_PIPELINE(pipeline->pipeline.get()), system);
    gst_object_unref(system);
    if (gst_element_set_state(pipeline->pipeline.get(), GST_STATE_PLAYING) ==
        GST_STATE_CHANGE_FAILURE) {
        startFailure = pipeline->failure == CameraFailure::None ? CameraFailure::Failed
                                                                 : pipeline->failure.load();
        return false;
    }
    // Until the first frame says otherwise, the frame size is the one asked for.
    width = requestedWidth;
    height = requestedHeight;
    pipeline_ = std::move(pipeline);
    graphReady = true;
    return true;
}

bool CCaptureDevice::WaitForFirstFrame() {
    // A camera that is slow to send its first frame is not a failed one: only an error on the bus
    // fails the open. The frame size becomes the one the camera agreed on.
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (FramesDelivered() == 0 && Failure() == CameraFailure::None &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (Failure() != CameraFailure::None) return false;
    GstRef<GstPad> grabberPad(gst_element_get_static_pad(pipeline_->appsink, "sink"));
    CapsRef caps(gst_pad_get_current_caps(grabberPad.get()));
    GstVideoInfo info;
    if (caps && gst_video_info_from_caps(&info, caps.get())) {
        width = GST_VIDEO_INFO_WIDTH(&info);
        height = GST_VIDEO_INFO_HEIGHT(&info);
    }
    return true;
}

GstElement* CCaptureDevice::SourceElement() const {
    return pipeline_ ? pipeline_->source : nullptr;
}

CameraFailure CCaptureDevice::Failure() const {
    return pipeline_ ? pipeline_->failure.load() : startFailure;
}

long CCaptureDevice::FramesDelivered() const { return pipeline_ ? pipeline_->frames.load() : 0; }

std::chrono::steady_clock::time_point CCaptureDevice::LastFrameTime() const {
    return std::chrono::steady_clock::time_point(
        std::chrono::nanoseconds(pipeline_ ? pipeline_->lastFrameNanoseconds.load() : 0));
}

const cv::Mat* CCaptureDevice::QueryFrame() {
    if (!graphReady || !pipeline_ || Failure() != CameraFailure::None) return nullptr;
    std::unique_ptr<GstSample, GstSampleUnref> sample(gst_app_sink_try_pull_sample(
        GST_APP_SINK(pipeline_->appsink),
        std::chrono::duration_cast<std::chrono::nanoseconds>(kGrabTimeout).count()));
    if (!sample) return nullptr;
    MarkTakenOver(gst_sample_get_buffer(sample.get()));
    const GstClockTime pts = GST_BUFFER_PTS(gst_sample_get_buffer(sample.get()));
    frameCaptureTime =
        GST_CLOCK_TIME_IS_VALID(pts)
            ? std::chrono::steady_clock::time_point(std::chrono::nanoseconds(
                  gst_element_get_base_time(pipeline_->pipeline.get()) + pts))
            : std::chrono::steady_clock::now();
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
    startFailure = CameraFailure::None;
    deviceNode.clear();
    frame.release();
    graphReady = false;
    width = 0;
    height = 0;
    lastBufferSize = 0;
}

}  // namespace capture

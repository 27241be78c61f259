#include "capture/VirtualCamera.h"

#include <gst/app/gstappsrc.h>
#include <gst/gst.h>
#include <opencv2/imgproc.hpp>

#include "capture/GstSupport.h"
#include "capture/NodeReaders.h"
#include "capture/VideoSources.h"

namespace capture {
namespace {

// The node takes what it is given: a live source of I420 frames, timed as they are pushed. At
// most two frames wait for the node; an older one is dropped when a third comes. The sink shows
// each frame as it arrives (the road already keeps the time).
constexpr const char* kPipeline =
    "appsrc name=feed is-live=true format=time do-timestamp=true block=false max-buffers=2 "
    "leaky-type=downstream ! pipewiresink name=node mode=provide sync=false client-name=Quenvalor";

// How long a wait for a frame lasts before the feeder looks at the node's messages again.
constexpr std::chrono::milliseconds kFeedWait{100};

}  // namespace

VirtualCamera::VirtualCamera(FrameHub& frames, VirtualCameraEvents& events)
    : frames_(frames), events_(events) {}

VirtualCamera::~VirtualCamera() { Close(); }

void VirtualCamera::Start(FrameSize size, int framesPerSecond) {
    Close();
    if (!PipeWireRunning()) {
        Tell({VirtualCameraStatus::State::NeedsPipeWire, 0});
        return;
    }
    EnsureGstreamerInitialised();
    GError* error = nullptr;
    pipeline_ = gst_parse_launch(kPipeline, &error);
    if (error) g_error_free(error);
    if (!pipeline_) {
        Tell({VirtualCameraStatus::State::NeedsPipeWire, 0});
        return;
    }
    size_ = size;
    feed_ = gst_bin_get_by_name(GST_BIN(pipeline_), "feed");
    CapsRef caps(gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "I420", "width", G_TYPE_INT,
                                     size.width, "height", G_TYPE_INT, size.height, "framerate",
                                     GST_TYPE_FRACTION, framesPerSecond, 1, "pixel-aspect-ratio",
                                     GST_TYPE_FRACTION, 1, 1, "colorimetry", G_TYPE_STRING, "bt601",
                                     nullptr));
    gst_app_src_set_caps(GST_APP_SRC(feed_), caps.get());
    GstRef<GstElement> node(gst_bin_get_by_name(GST_BIN(pipeline_), "node"));
    GstStructure* properties = gst_structure_new(
        "properties", "media.class", G_TYPE_STRING, "Video/Source", "media.role", G_TYPE_STRING,
        "Camera", "node.name", G_TYPE_STRING, kNodeName, "node.description", G_TYPE_STRING,
        kDescription, nullptr);
    g_object_set(node.get(), "stream-properties", properties, nullptr);
    gst_structure_free(properties);
    if (gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        Close();
        Tell({VirtualCameraStatus::State::NeedsPipeWire, 0});
        return;
    }
    Tell({VirtualCameraStatus::State::On, 0});
    readers_ = std::make_unique<NodeReaders>(
        kNodeName, [this](int readers) { SetReaders(readers); }, [this] { LoseDaemon(); });
    if (!readers_->Start()) {
        Close();
        Tell({VirtualCameraStatus::State::NeedsPipeWire, 0});
        return;
    }
    slot_ = frames_.Attach();
    stopFeeding_ = false;
    feeder_ = std::thread(&VirtualCamera::Feed, this);
}

void VirtualCamera::Stop() {
    Close();
    Tell({});
}

VirtualCameraStatus VirtualCamera::Status() const {
    std::lock_guard lock(statusMutex_);
    return status_;
}

void VirtualCamera::Close() {
    stopFeeding_ = true;
    if (slot_) slot_->Wake();
    if (feeder_.joinable()) feeder_.join();
    if (slot_) {
        frames_.Detach(slot_);
        slot_.reset();
    }
    // The watcher's thread ends here, so it tells nothing afterwards.
    readers_.reset();
    if (feed_) {
        gst_object_unref(feed_);
        feed_ = nullptr;
    }
    if (pipeline_) {
        gst_element_set_state(pipeline_, GST_STATE_NULL);
        gst_object_unref(pipeline_);
        pipeline_ = nullptr;
    }
}

void VirtualCamera::Feed() {
    GstRef<GstBus> bus(gst_element_get_bus(pipeline_));
    const cv::Size size(size_.width, size_.height);
    while (!stopFeeding_) {
        PublishedFrame frame;
        // A frame of another size is one the road made before it was switched; the camera is
        // started again for the new size.
        if (slot_->Take(frame, kFeedWait) && frame.picture.size() == size) PushFrame(frame.picture);
        MessageRef error(gst_bus_pop_filtered(bus.get(), GST_MESSAGE_ERROR));
        if (error) {
            LoseDaemon();
            return;
        }
    }
}

void VirtualCamera::PushFrame(const cv::Mat& picture) {
    const gsize bytes = static_cast<gsize>(size_.width) * size_.height * 3 / 2;
    GstBuffer* buffer = gst_buffer_new_allocate(nullptr, bytes, nullptr);
    GstMapInfo map;
    if (!gst_buffer_map(buffer, &map, GST_MAP_WRITE)) {
        gst_buffer_unref(buffer);
        return;
    }
    // The planes lie one after the other with no padding, as GStreamer lays out I420 of even
    // sizes whose half width is a multiple of four (every recording size).
    cv::Mat i420(size_.height * 3 / 2, size_.width, CV_8UC1, map.data);
    cv::cvtColor(picture, i420, cv::COLOR_BGR2YUV_I420);
    gst_buffer_unmap(buffer, &map);
    // The source takes the buffer over; when the node is gone it is dropped there.
    gst_app_src_push_buffer(GST_APP_SRC(feed_), buffer);
}

void VirtualCamera::Tell(VirtualCameraStatus status) {
    {
        std::lock_guard lock(statusMutex_);
        if (status_ == status) return;
        status_ = status;
    }
    events_.VirtualCameraChanged(status);
}

void VirtualCamera::SetReaders(int readers) {
    VirtualCameraStatus told;
    {
        std::lock_guard lock(statusMutex_);
        if (status_.state != VirtualCameraStatus::State::On || status_.readers == readers) return;
        status_.readers = readers;
        told = status_;
    }
    events_.VirtualCameraChanged(told);
}

void VirtualCamera::LoseDaemon() {
    {
        std::lock_guard lock(statusMutex_);
        if (status_.state != VirtualCameraStatus::State::On) return;
        status_ = {VirtualCameraStatus::State::NeedsPipeWire, 0};
    }
    events_.VirtualCameraChanged({VirtualCameraStatus::State::NeedsPipeWire, 0});
}

}  // namespace capture

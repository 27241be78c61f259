#include "capture/VirtualCamera.h"

#include <pipewire/pipewire.h>
#include <spa/param/video/format-utils.h>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cstring>

#include "capture/NodeReaders.h"
#include "capture/PipeWireConnection.h"
#include "capture/VideoSources.h"

namespace capture {

struct VirtualCamera::Hooks {
    spa_hook stream{};
};

namespace {

// How long a wait for a frame lasts before the feeder looks whether it should stop.
constexpr std::chrono::milliseconds kFeedWait{100};

void OnStateChanged(void* data, pw_stream_state, pw_stream_state state, const char*) {
    static_cast<VirtualCamera*>(data)->StreamStateChanged(state == PW_STREAM_STATE_STREAMING,
                                                          state == PW_STREAM_STATE_ERROR);
}

void OnParamChanged(void* data, uint32_t id, const spa_pod* param) {
    if (id == SPA_PARAM_Format && param) static_cast<VirtualCamera*>(data)->FormatChosen();
}

void OnProcess(void* data) { static_cast<VirtualCamera*>(data)->Process(); }

int StartCycle(spa_loop*, bool, uint32_t, const void*, size_t, void* data) {
    static_cast<VirtualCamera*>(data)->TriggerCycle();
    return 0;
}

const pw_stream_events kStreamEvents = {
    .version = PW_VERSION_STREAM_EVENTS,
    .destroy = nullptr,
    .state_changed = OnStateChanged,
    .control_info = nullptr,
    .io_changed = nullptr,
    .param_changed = OnParamChanged,
    .add_buffer = nullptr,
    .remove_buffer = nullptr,
    .process = OnProcess,
    .drained = nullptr,
    .command = nullptr,
    .trigger_done = nullptr,
};

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
    size_ = size;
    hooks_ = std::make_unique<Hooks>();
    connection_ = std::make_unique<PipeWireConnection>([this] { LoseDaemon(); });
    int connected = -1;
    if (connection_->Connect("quenvalor-vcam")) {
        pw_properties* properties = pw_properties_new(
            PW_KEY_MEDIA_TYPE, "Video", PW_KEY_MEDIA_CATEGORY, "Capture", PW_KEY_MEDIA_ROLE, "Camera",
            PW_KEY_MEDIA_CLASS, "Video/Source", PW_KEY_NODE_NAME, kNodeName, PW_KEY_NODE_DESCRIPTION,
            kDescription, nullptr);
        stream_ = pw_stream_new(connection_->Core(), kDescription, properties);
        if (stream_) {
            pw_stream_add_listener(stream_, &hooks_->stream, &kStreamEvents, this);
            // The one format offered: I420 of the road's studio size at its rate.
            uint8_t storage[512];
            spa_pod_builder builder = SPA_POD_BUILDER_INIT(storage, sizeof(storage));
            spa_video_info_raw format{};
            format.format = SPA_VIDEO_FORMAT_I420;
            format.size = SPA_RECTANGLE(static_cast<uint32_t>(size.width), static_cast<uint32_t>(size.height));
            format.framerate = SPA_FRACTION(static_cast<uint32_t>(framesPerSecond), 1);
            const spa_pod* params[] = {spa_format_video_raw_build(&builder, SPA_PARAM_EnumFormat, &format)};
            // The node drives its readers: a cycle runs whenever a frame is ready.
            connected = pw_stream_connect(
                stream_, PW_DIRECTION_OUTPUT, PW_ID_ANY,
                static_cast<pw_stream_flags>(PW_STREAM_FLAG_DRIVER | PW_STREAM_FLAG_MAP_BUFFERS), params, 1);
        }
    }
    if (connected >= 0 && !connection_->Run()) connected = -1;
    if (connected < 0) {
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
    if (connection_) connection_->Stop();
    // The loop's thread has ended: nothing else touches the stream now.
    if (stream_) {
        spa_hook_remove(&hooks_->stream);
        pw_stream_destroy(stream_);
        stream_ = nullptr;
    }
    connection_.reset();
    hooks_.reset();
    streaming_ = false;
}

void VirtualCamera::Feed() {
    const cv::Size size(size_.width, size_.height);
    std::vector<uint8_t> converted(static_cast<std::size_t>(size_.width) * size_.height * 3 / 2);
    while (!stopFeeding_) {
        PublishedFrame frame;
        // A frame of another size is one the road made before it was switched; the camera is
        // started again for the new size.
        if (!slot_->Take(frame, kFeedWait) || frame.picture.size() != size || !streaming_) continue;
        // The planes lie one after the other with no padding, as readers expect I420 of a
        // single block whose stride is the width.
        cv::Mat i420(size_.height * 3 / 2, size_.width, CV_8UC1, converted.data());
        cv::cvtColor(frame.picture, i420, cv::COLOR_BGR2YUV_I420);
        {
            std::lock_guard lock(frameMutex_);
            converted_.swap(converted);
        }
        if (converted.size() != converted_.size()) converted.resize(converted_.size());
        // The cycle is started on the loop's thread, which owns the stream.
        pw_loop_invoke(connection_->Loop(), StartCycle, 0, nullptr, 0, false, this);
    }
}

void VirtualCamera::TriggerCycle() {
    if (stream_) pw_stream_trigger_process(stream_);
}

void VirtualCamera::FormatChosen() {
    // Buffers of one I420 frame each, in memory the readers can map.
    const int32_t bytes = size_.width * size_.height * 3 / 2;
    uint8_t storage[512];
    spa_pod_builder builder = SPA_POD_BUILDER_INIT(storage, sizeof(storage));
    const spa_pod* params[] = {static_cast<const spa_pod*>(spa_pod_builder_add_object(
        &builder, SPA_TYPE_OBJECT_ParamBuffers, SPA_PARAM_Buffers, SPA_PARAM_BUFFERS_buffers,
        SPA_POD_CHOICE_RANGE_Int(4, 2, 8), SPA_PARAM_BUFFERS_blocks, SPA_POD_Int(1),
        SPA_PARAM_BUFFERS_size, SPA_POD_Int(bytes), SPA_PARAM_BUFFERS_stride, SPA_POD_Int(size_.width),
        SPA_PARAM_BUFFERS_dataType, SPA_POD_CHOICE_FLAGS_Int((1 << SPA_DATA_MemPtr) | (1 << SPA_DATA_MemFd))))};
    pw_stream_update_params(stream_, params, 1);
}

void VirtualCamera::Process() {
    pw_buffer* buffer = pw_stream_dequeue_buffer(stream_);
    if (!buffer) return;
    spa_data& data = buffer->buffer->datas[0];
    uint32_t written = 0;
    if (data.data) {
        std::lock_guard lock(frameMutex_);
        written = static_cast<uint32_t>(std::min<std::size_t>(data.maxsize, converted_.size()));
        std::memcpy(data.data, converted_.data(), written);
    }
    data.chunk->offset = 0;
    data.chunk->size = written;
    data.chunk->stride = size_.width;
    pw_stream_queue_buffer(stream_, buffer);
}

void VirtualCamera::StreamStateChanged(bool streaming, bool failed) {
    streaming_ = streaming;
    if (failed) LoseDaemon();
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

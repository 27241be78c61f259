#include "capture/AudioCapture.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>

#include <algorithm>
#include <cstdlib>

#include "capture/DeviceWatch.h"
#include "capture/HandOff.h"
#include "capture/VideoSources.h"

namespace capture {
namespace {

using Clock = std::chrono::steady_clock;

// Everything after the microphone: conversion to the recording's sound format and the grabber,
// which never makes the microphone wait (it keeps at most a few seconds and drops the oldest).
constexpr const char* kGrabberDescription =
    "audioconvert name=convert ! audioresample ! "
    "audio/x-raw,format=S16LE,rate=48000,channels=2,layout=interleaved ! "
    "appsink name=grabber sync=false max-buffers=300 drop=true";

bool IsPattern(GstDevice* device) { return DeviceProperty(device, "device.api") == "pattern"; }

// The sound server's default source says so in an "is-default" property, of the device
// (PulseAudio) or among its properties.
bool IsDefaultSource(GstDevice* device) {
    gboolean isDefault = FALSE;
    if (g_object_class_find_property(G_OBJECT_GET_CLASS(device), "is-default")) {
        g_object_get(device, "is-default", &isDefault, nullptr);
        if (isDefault) return true;
    }
    std::unique_ptr<GstStructure, decltype(&gst_structure_free)> properties(
        gst_device_get_properties(device), &gst_structure_free);
    return properties && gst_structure_get_boolean(properties.get(), "is-default", &isDefault) &&
           isDefault;
}

// The sound server's own name of the source where it gives one (PulseAudio's "internal-name"),
// else the device path as for cameras; with the display name.
std::string MicrophoneIdentity(GstDevice* device) {
    if (!g_object_class_find_property(G_OBJECT_GET_CLASS(device), "internal-name"))
        return CameraIdentity(device);
    gchar* internal = nullptr;
    g_object_get(device, "internal-name", &internal, nullptr);
    std::unique_ptr<gchar, decltype(&g_free)> owner(internal, &g_free);
    if (!internal || !*internal) return CameraIdentity(device);
    gchar* name = gst_device_get_display_name(device);
    std::string identity = std::string(internal) + "|" + (name ? name : "");
    g_free(name);
    return identity;
}

}  // namespace

std::vector<MicrophoneSource> ListMicrophones() {
    // The process's started monitor, as the sound server's provider marks its default source
    // only then; it lists cameras too.
    const DeviceWatch watch;
    std::vector<MicrophoneSource> sources;
    GList* devices = watch.Devices();
    for (GList* item = devices; item; item = item->next) {
        GstDevice* device = GST_DEVICE(item->data);  // the list's reference moves to the entry
        if (!gst_device_has_classes(device, "Audio/Source")) {
            gst_object_unref(device);
            continue;
        }
        MicrophoneSource source;
        gchar* name = gst_device_get_display_name(device);
        source.name = name ? name : "";
        g_free(name);
        source.id = MicrophoneIdentity(device);
        source.isDefault = IsDefaultSource(device);
        source.device.reset(device);
        sources.push_back(std::move(source));
    }
    g_list_free(devices);
    std::stable_sort(sources.begin(), sources.end(),
                     [](const MicrophoneSource& a, const MicrophoneSource& b) {
                         const bool aPattern = IsPattern(a.device.get());
                         const bool bPattern = IsPattern(b.device.get());
                         return aPattern != bPattern ? bPattern : a.id < b.id;
                     });
    return sources;
}

int ChooseMicrophone(const std::vector<MicrophoneSource>& sources, const std::string& setting) {
    if (setting == kNoMicrophone || sources.empty()) return -1;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (setting.empty() ? sources[i].isDefault : sources[i].id == setting) {
            return static_cast<int>(i);
        }
    }
    return setting.empty() ? 0 : -1;
}

// One opened microphone.
struct AudioCapture::Pipeline {
    GstRef<GstElement> pipeline;
    GstElement* appsink = nullptr;  // owned by the pipeline
    std::atomic<bool> failed{false};

    ~Pipeline() {
        if (pipeline) gst_element_set_state(pipeline.get(), GST_STATE_NULL);
        MarkTakenOver(this);
    }

    static GstBusSyncReply OnMessage(GstBus*, GstMessage* message, gpointer data) {
        const HandedOverCall call(data);
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR ||
            GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS) {
            static_cast<Pipeline*>(data)->failed = true;
        }
        gst_message_unref(message);
        return GST_BUS_DROP;
    }

    // Null when the microphone cannot be started.
    static std::unique_ptr<Pipeline> Open(GstDevice* device) {
        GstElement* microphone = gst_device_create_element(device, nullptr);
        if (!microphone) return nullptr;
        GError* parseError = nullptr;
        GstElement* bin = gst_parse_launch(kGrabberDescription, &parseError);
        std::unique_ptr<GError, GErrorFree> parseErrorOwner(parseError);
        if (!bin || parseError) {
            if (bin) gst_object_unref(gst_object_ref_sink(bin));
            gst_object_unref(gst_object_ref_sink(microphone));
            return nullptr;
        }
        auto opened = std::make_unique<Pipeline>();
        opened->pipeline.reset(GST_ELEMENT(gst_object_ref_sink(bin)));
        gst_bin_add(GST_BIN(bin), microphone);
        GstRef<GstElement> convert(gst_bin_get_by_name(GST_BIN(bin), "convert"));
        GstRef<GstElement> appsink(gst_bin_get_by_name(GST_BIN(bin), "grabber"));
        if (!convert || !appsink || !gst_element_link(microphone, convert.get())) return nullptr;
        opened->appsink = appsink.get();
        // Capture times on the monotonic clock, the one the camera frames are timed by, rather
        // than on a clock the sound device might offer.
        GstClock* system = gst_system_clock_obtain();
        gst_pipeline_use_clock(GST_PIPELINE(bin), system);
        gst_object_unref(system);
        GstRef<GstBus> bus(gst_element_get_bus(bin));
        gst_bus_set_sync_handler(bus.get(), &Pipeline::OnMessage, opened.get(), nullptr);
        MarkHandedOver(opened.get());
        if (gst_element_set_state(bin, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
            return nullptr;
        }
        return opened;
    }
};

AudioCapture::AudioCapture() { EnsureGstreamerInitialised(); }

AudioCapture::~AudioCapture() { Stop(); }

void AudioCapture::Start(const std::string& setting, StateCallback onState) {
    Stop();
    onState_ = std::move(onState);
    {
        std::lock_guard lock(stopMutex_);
        stopRequested_ = false;
    }
    thread_ = std::thread(&AudioCapture::Run, this, setting);
}

void AudioCapture::Stop() {
    {
        std::lock_guard lock(stopMutex_);
        stopRequested_ = true;
    }
    stopWake_.notify_all();
    if (thread_.joinable()) thread_.join();
    state_ = MicrophoneState::None;
    level_ = 0;
}

double AudioCapture::Level() const {
    const int64_t now = Clock::now().time_since_epoch().count();
    if (now - levelAtNs_.load() > std::chrono::nanoseconds(3 * kPull).count()) return 0;
    return level_ / 32768.0;
}

void AudioCapture::AddListener(SoundListener* listener) {
    std::lock_guard lock(listenersMutex_);
    listeners_.push_back(listener);
}

void AudioCapture::RemoveListener(SoundListener* listener) {
    std::lock_guard lock(listenersMutex_);
    std::erase(listeners_, listener);
}

void AudioCapture::SetState(MicrophoneState state) {
    if (state_.exchange(state) != state && onState_) onState_(state);
}

void AudioCapture::Deliver(Clock::time_point captured, std::span<const int16_t> samples) {
    int peak = 0;
    for (const int16_t sample : samples) peak = std::max(peak, std::abs(int{sample}));
    level_ = peak;
    levelAtNs_ = Clock::now().time_since_epoch().count();
    std::lock_guard lock(listenersMutex_);
    for (SoundListener* listener : listeners_) listener->OnSound(captured, samples);
}

void AudioCapture::Run(std::string setting) {
    std::unique_ptr<Pipeline> pipeline;
    auto stopped = [this](std::chrono::milliseconds wait) {
        std::unique_lock lock(stopMutex_);
        return stopWake_.wait_for(lock, wait, [this] { return stopRequested_; });
    };
    while (!stopped(std::chrono::milliseconds(0))) {
        if (!pipeline) {
            if (setting == kNoMicrophone) {
                SetState(MicrophoneState::None);
                stopped(std::chrono::hours(1));
                continue;
            }
            std::vector<MicrophoneSource> sources = ListMicrophones();
            const int chosen = ChooseMicrophone(sources, setting);
            if (chosen >= 0) {
                // An empty setting follows the microphone first chosen, not whichever becomes
                // the default later.
                if (setting.empty()) setting = sources[chosen].id;
                pipeline = Pipeline::Open(sources[chosen].device.get());
            }
            if (pipeline) {
                SetState(MicrophoneState::Live);
            } else {
                if (state_ != MicrophoneState::Lost) SetState(MicrophoneState::None);
                stopped(kRetry);
                continue;
            }
        }
        std::unique_ptr<GstSample, GstSampleUnref> sample(gst_app_sink_try_pull_sample(
            GST_APP_SINK(pipeline->appsink),
            std::chrono::duration_cast<std::chrono::nanoseconds>(kPull).count()));
        if (sample) {
            GstBuffer* buffer = gst_sample_get_buffer(sample.get());
            MarkTakenOver(buffer);
            GstMapInfo map;
            if (buffer && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
                // The running time of the first sample plus the pipeline's base time is the
                // moment on the pipeline's clock, the monotonic one, when it was captured.
                const GstClockTime pts = GST_BUFFER_PTS(buffer);
                const GstClockTime base = gst_element_get_base_time(pipeline->pipeline.get());
                const std::size_t count = map.size / sizeof(int16_t);
                const Clock::time_point captured =
                    GST_CLOCK_TIME_IS_VALID(pts)
                        ? Clock::time_point(std::chrono::nanoseconds(base + pts))
                        : Clock::now() - std::chrono::nanoseconds(
                                             int64_t(count / kChannels) * 1'000'000'000 /
                                             kSampleRate);
                Deliver(captured, {reinterpret_cast<const int16_t*>(map.data), count});
                gst_buffer_unmap(buffer, &map);
            }
        }
        if (pipeline->failed || (!sample && gst_app_sink_is_eos(GST_APP_SINK(pipeline->appsink)))) {
            pipeline.reset();
            level_ = 0;
            SetState(MicrophoneState::Lost);
        }
    }
    pipeline.reset();
}

}  // namespace capture

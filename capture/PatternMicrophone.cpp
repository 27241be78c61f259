#include "capture/PatternMicrophone.h"

#include <gst/base/gstpushsrc.h>
#include <gst/gst.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "capture/HandOff.h"
#include "capture/SourceWake.h"

namespace capture {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRate = 48000;
constexpr int kChannels = 2;
constexpr int kBufferFrames = kRate / 100;  // 10 ms
// What the source keeps of the sound it has not delivered yet, as a sound card's buffer does.
constexpr int kDeviceBufferFrames = kRate / 2;  // 500 ms
constexpr int16_t kToneAmplitude = 16000;

struct MicrophoneState {
    std::string presenceFile;
    int64_t nextSample = 0;  // the next sample to make, counted on the monotonic clock
    capture::SourceWake wake;
};

int64_t SampleAt(Clock::time_point time) {
    return time.time_since_epoch().count() * kRate / 1'000'000'000;
}

Clock::time_point TimeOfSample(int64_t sample) {
    return Clock::time_point(std::chrono::nanoseconds(sample * 1'000'000'000 / kRate));
}

}  // namespace

bool InPatternBeep(Clock::time_point time) {
    const int64_t ns = time.time_since_epoch().count();
    return ns % 1'000'000'000 < std::chrono::nanoseconds(kPatternBeep).count();
}

GstCaps* PatternMicrophoneCaps() {
    return gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, "S16LE", "rate",
                               G_TYPE_INT, kRate, "channels", G_TYPE_INT, kChannels, "layout",
                               G_TYPE_STRING, "interleaved", nullptr);
}

}  // namespace capture

using capture::MicrophoneState;

struct QuenvalorPatternMic {
    GstPushSrc parent;
    MicrophoneState* state;
};
struct QuenvalorPatternMicClass {
    GstPushSrcClass parent_class;
};

G_DEFINE_TYPE(QuenvalorPatternMic, quenvalor_pattern_mic, GST_TYPE_PUSH_SRC)

namespace {

MicrophoneState& MicState(gpointer source) {
    return *reinterpret_cast<QuenvalorPatternMic*>(source)->state;
}

bool Present(const std::string& presenceFile) {
    return presenceFile.empty() || access(presenceFile.c_str(), F_OK) == 0;
}

void MicFinalize(GObject* object) {
    capture::MarkTakenOver(object);
    delete reinterpret_cast<QuenvalorPatternMic*>(object)->state;
    G_OBJECT_CLASS(quenvalor_pattern_mic_parent_class)->finalize(object);
}

GstCaps* MicGetCaps(GstBaseSrc*, GstCaps* filter) {
    GstCaps* caps = capture::PatternMicrophoneCaps();
    if (!filter) return caps;
    GstCaps* wanted = gst_caps_intersect_full(filter, caps, GST_CAPS_INTERSECT_FIRST);
    gst_caps_unref(caps);
    return wanted;
}

gboolean MicStart(GstBaseSrc* source) {
    const capture::HandedOverCall call(source);
    MicrophoneState& state = MicState(source);
    if (!Present(state.presenceFile)) {
        GST_ELEMENT_ERROR(source, RESOURCE, OPEN_READ, ("Could not open device."),
                          ("The pattern microphone is not plugged in."));
        return FALSE;
    }
    state.nextSample = capture::SampleAt(capture::Clock::now());
    return TRUE;
}

gboolean MicUnlock(GstBaseSrc* source) {
    const capture::HandedOverCall call(source);
    MicState(source).wake.Unlock();
    return TRUE;
}

gboolean MicUnlockStop(GstBaseSrc* source) {
    const capture::HandedOverCall call(source);
    MicState(source).wake.UnlockStop();
    return TRUE;
}

GstFlowReturn MicCreate(GstPushSrc* source, GstBuffer** buffer) {
    const capture::HandedOverCall call(source);
    MicrophoneState& state = MicState(source);
    const int64_t first = state.nextSample;
    // A buffer is delivered once its last sample has been captured, as a microphone's is.
    if (!state.wake.WaitUntil(capture::TimeOfSample(first + capture::kBufferFrames)))
        return GST_FLOW_FLUSHING;
    if (!Present(state.presenceFile)) {
        GST_ELEMENT_ERROR(source, RESOURCE, READ, ("Could not read from resource."),
                          ("The pattern microphone was unplugged."));
        return GST_FLOW_ERROR;
    }
    GstBuffer* out = gst_buffer_new_allocate(
        nullptr, sizeof(int16_t) * capture::kChannels * capture::kBufferFrames, nullptr);
    GstMapInfo map;
    gst_buffer_map(out, &map, GST_MAP_WRITE);
    auto* samples = reinterpret_cast<int16_t*>(map.data);
    for (int i = 0; i < capture::kBufferFrames; ++i) {
        const int64_t sample = first + i;
        int16_t value = 0;
        if (capture::InPatternBeep(capture::TimeOfSample(sample))) {
            // The tone's phase follows the sample count, so every beep starts at a zero crossing
            // of the same sine.
            const double phase = 2 * std::numbers::pi * capture::kPatternToneHz *
                                 static_cast<double>(sample % capture::kRate) / capture::kRate;
            value = static_cast<int16_t>(std::lround(capture::kToneAmplitude * std::sin(phase)));
        }
        for (int channel = 0; channel < capture::kChannels; ++channel)
            samples[i * capture::kChannels + channel] = value;
    }
    gst_buffer_unmap(out, &map);
    // The buffer's time is when its first sample was captured, as a running time of the
    // pipeline's clock, which is the monotonic clock.
    const int64_t captured = capture::TimeOfSample(first).time_since_epoch().count();
    const GstClockTime base = gst_element_get_base_time(GST_ELEMENT(source));
    GST_BUFFER_PTS(out) = captured > static_cast<int64_t>(base) ? captured - base : 0;
    GST_BUFFER_DURATION(out) = GST_SECOND * capture::kBufferFrames / capture::kRate;
    // A source that fell behind (the machine was busy) delivers what its device buffer still
    // holds at once, so a short delay loses nothing; one that fell behind by more goes on from
    // there, leaving a gap, as a microphone that overran its buffer does.
    state.nextSample =
        std::max(first + capture::kBufferFrames,
                 capture::SampleAt(capture::Clock::now()) - capture::kDeviceBufferFrames);
    capture::MarkHandedOver(out);
    *buffer = out;
    return GST_FLOW_OK;
}

}  // namespace

static void quenvalor_pattern_mic_init(QuenvalorPatternMic* source) {
    source->state = new MicrophoneState;
    gst_base_src_set_live(GST_BASE_SRC(source), TRUE);
    gst_base_src_set_format(GST_BASE_SRC(source), GST_FORMAT_TIME);
}

static void quenvalor_pattern_mic_class_init(QuenvalorPatternMicClass* klass) {
    G_OBJECT_CLASS(klass)->finalize = MicFinalize;
    GstElementClass* elementClass = GST_ELEMENT_CLASS(klass);
    gst_element_class_set_static_metadata(elementClass, "Pattern microphone", "Source/Audio",
                                          "Beeps at the start of every second", "Quenvalor");
    static GstStaticPadTemplate sourceTemplate = GST_STATIC_PAD_TEMPLATE(
        "src", GST_PAD_SRC, GST_PAD_ALWAYS,
        GST_STATIC_CAPS("audio/x-raw,format=S16LE,rate=48000,channels=2,layout=interleaved"));
    gst_element_class_add_static_pad_template(elementClass, &sourceTemplate);
    GstBaseSrcClass* baseClass = GST_BASE_SRC_CLASS(klass);
    baseClass->get_caps = MicGetCaps;
    baseClass->start = MicStart;
    baseClass->unlock = MicUnlock;
    baseClass->unlock_stop = MicUnlockStop;
    GST_PUSH_SRC_CLASS(klass)->create = MicCreate;
}

namespace capture {

GstElement* CreatePatternMicrophoneSource(const std::string& presenceFile) {
    auto* source =
        static_cast<QuenvalorPatternMic*>(g_object_new(quenvalor_pattern_mic_get_type(), nullptr));
    source->state->presenceFile = presenceFile;
    return GST_ELEMENT(source);
}

}  // namespace capture

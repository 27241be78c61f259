#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "capture/GstSupport.h"
#include "capture/MicrophoneState.h"

namespace capture {

// Receives captured sound. Called on the capture's thread; an implementation copies what it
// needs and returns quickly.
class SoundListener {
public:
    virtual ~SoundListener() = default;
    // `interleaved` holds 16-bit stereo samples at 48 kHz whose first sample was captured at
    // `captured`, on the same clock as the camera frames' capture times.
    virtual void OnSound(std::chrono::steady_clock::time_point captured,
                         std::span<const int16_t> interleaved) = 0;
};

// Hands captured sound to listeners. Once RemoveListener returns, the listener is not called
// again.
class SoundFeed {
public:
    virtual ~SoundFeed() = default;
    virtual void AddListener(SoundListener* listener) = 0;
    virtual void RemoveListener(SoundListener* listener) = 0;
};

// One microphone as the device monitor lists it.
struct MicrophoneSource {
    // Stays the same across plugging and restarts: the sound server's name of the source, or the
    // device path (see CameraIdentity), with the display name.
    std::string id;
    std::string name;  // the device's display name
    bool isDefault = false;  // the sound server's default source
    GstRef<GstDevice> device;
};

// The microphones ("Audio/Source") a device monitor lists now: real ones sorted by identity, then
// the program's pattern devices.
std::vector<MicrophoneSource> ListMicrophones();


// Which of `sources` a `setting` asks for: the one of that identity; with an empty setting, the
// sound server's default source, or the first one listed where no source is marked default; none
// (-1) for kNoMicrophone, for an identity that is not listed, and for an empty list.
int ChooseMicrophone(const std::vector<MicrophoneSource>& sources, const std::string& setting);


// Captures one microphone, chosen by its setting, on a thread of its own: 48 kHz stereo 16-bit
// through an appsink, each buffer handed to the listeners with its capture time on the monotonic
// clock (the pipeline runs on GStreamer's system clock, which is that clock). When the device
// fails or goes away, the state becomes Lost and the capture looks for it again every
// kRetry; the listeners hear nothing meanwhile, which a recording turns into silence.
class AudioCapture final : public SoundFeed {
public:
    static constexpr int kSampleRate = 48000;
    static constexpr int kChannels = 2;
    static constexpr std::chrono::milliseconds kPull{100};
    static constexpr std::chrono::milliseconds kRetry{500};

    using StateCallback = std::function<void(MicrophoneState state)>;

    AudioCapture();
    ~AudioCapture() override;
    AudioCapture(const AudioCapture&) = delete;
    AudioCapture& operator=(const AudioCapture&) = delete;

    // Starts capturing the microphone `setting` asks for (see ChooseMicrophone), replacing the
    // one captured before; returns at once. `onState` hears every change of state, on the
    // capture's thread.
    void Start(const std::string& setting, StateCallback onState = {});
    void Stop();

    MicrophoneState State() const { return state_; }
    // The loudest sample of the last kPull or so, from 0 (silence) to 1 (full scale); falls back
    // to 0 when nothing is captured.
    double Level() const;

    void AddListener(SoundListener* listener) override;
    void RemoveListener(SoundListener* listener) override;

private:
    struct Pipeline;
    void Run(std::string setting);
    void SetState(MicrophoneState state);
    void Deliver(std::chrono::steady_clock::time_point captured, std::span<const int16_t> samples);

    std::thread thread_;
    std::mutex stopMutex_;
    std::condition_variable stopWake_;
    bool stopRequested_ = false;
    StateCallback onState_;
    std::atomic<MicrophoneState> state_{MicrophoneState::None};
    std::atomic<int> level_{0};  // in 1/32768 of full scale
    std::atomic<int64_t> levelAtNs_{0};
    std::mutex listenersMutex_;
    std::vector<SoundListener*> listeners_;
};

}  // namespace capture

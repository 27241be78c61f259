#pragma once

// Encoders for tests: the real AVI encoder with single operations changed.

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <span>
#include <string>

#include "recording/MMBoxEncoder.h"

namespace recording::testing {

// The real encoder; tests change single operations of it.
class ForwardingEncoder : public MMBoxInstance {
public:
    ForwardingEncoder() : inner_(CreateMMBoxDLLInstance()) {}
    bool OpenFile(const EncoderSettings& s, const std::string& p) override {
        return inner_->OpenFile(s, p);
    }
    bool Begin(const EncoderSettings& s) override { return inner_->Begin(s); }
    int PutVideoFrame(std::span<const uint8_t> f) override { return inner_->PutVideoFrame(f); }
    bool PutAudio(std::span<const uint8_t> a) override { return inner_->PutAudio(a); }
    int GetVideoPacket(std::span<uint8_t> b, int* n) override {
        return inner_->GetVideoPacket(b, n);
    }
    int GetAudioPacket(std::span<uint8_t> b, int* n) override {
        return inner_->GetAudioPacket(b, n);
    }
    bool WriteVideoPacket(std::span<const uint8_t> p) override {
        return inner_->WriteVideoPacket(p);
    }
    bool WriteAudioPacket(std::span<const uint8_t> p) override {
        return inner_->WriteAudioPacket(p);
    }
    bool Finish() override { return inner_->Finish(); }
    std::string LastError() const override { return inner_->LastError(); }

protected:
    std::unique_ptr<MMBoxInstance> inner_;
};

// Holds whoever waits on it until the test opens it.
class StuckGate {
public:
    void Open() {
        {
            std::lock_guard lock(mutex_);
            open_ = true;
        }
        opened_.notify_all();
    }
    bool IsOpen() {
        std::lock_guard lock(mutex_);
        return open_;
    }
    void Wait() {
        std::unique_lock lock(mutex_);
        opened_.wait(lock, [&] { return open_; });
    }

private:
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = false;
};

// Finishing the file hangs until the test opens the gate, as a write on a hung network mount does.
class StuckFinishEncoder : public ForwardingEncoder {
public:
    explicit StuckFinishEncoder(std::shared_ptr<StuckGate> gate) : gate_(std::move(gate)) {}
    bool Finish() override {
        gate_->Wait();
        return inner_->Finish();
    }

private:
    std::shared_ptr<StuckGate> gate_;
};

// An encoder whose file cannot be made until the gate opens, as on a hung mount; it counts the
// files it made.
class StuckOpenEncoder : public ForwardingEncoder {
public:
    StuckOpenEncoder(std::shared_ptr<StuckGate> gate, std::shared_ptr<std::atomic<int>> made)
        : gate_(std::move(gate)), made_(std::move(made)) {}
    bool OpenFile(const EncoderSettings& settings, const std::string& path) override {
        gate_->Wait();
        const bool opened = ForwardingEncoder::OpenFile(settings, path);
        if (opened) ++*made_;
        return opened;
    }

private:
    std::shared_ptr<StuckGate> gate_;
    std::shared_ptr<std::atomic<int>> made_;
};

}  // namespace recording::testing

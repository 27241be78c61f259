#include "capture/PipeWireConnection.h"

#include <pipewire/pipewire.h>

#include <cerrno>
#include <mutex>

namespace capture {

struct PipeWireConnection::Hook {
    spa_hook core{};
};

namespace {

void OnCoreError(void* data, uint32_t id, int, int result, const char*) {
    if (id == PW_ID_CORE && result == -EPIPE) static_cast<PipeWireConnection*>(data)->HungUp();
}

const pw_core_events kCoreEvents = {
    .version = PW_VERSION_CORE_EVENTS,
    .info = nullptr,
    .done = nullptr,
    .ping = nullptr,
    .error = OnCoreError,
    .remove_id = nullptr,
    .bound_id = nullptr,
    .add_mem = nullptr,
    .remove_mem = nullptr,
};

}  // namespace

PipeWireConnection::PipeWireConnection(std::function<void()> lost) : lost_(std::move(lost)) {}

PipeWireConnection::~PipeWireConnection() {
    Stop();
    if (core_) {
        spa_hook_remove(&hook_->core);
        pw_core_disconnect(core_);
    }
    if (context_) pw_context_destroy(context_);
    if (loop_) pw_thread_loop_destroy(loop_);
}

bool PipeWireConnection::Connect(const char* threadName) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { pw_init(nullptr, nullptr); });
    loop_ = pw_thread_loop_new(threadName, nullptr);
    context_ = loop_ ? pw_context_new(pw_thread_loop_get_loop(loop_), nullptr, 0) : nullptr;
    core_ = context_ ? pw_context_connect(context_, nullptr, 0) : nullptr;
    if (!core_) return false;
    hook_ = std::make_unique<Hook>();
    pw_core_add_listener(core_, &hook_->core, &kCoreEvents, this);
    return true;
}

bool PipeWireConnection::Run() { return loop_ && pw_thread_loop_start(loop_) == 0; }

void PipeWireConnection::Stop() {
    if (loop_) pw_thread_loop_stop(loop_);
}

pw_loop* PipeWireConnection::Loop() const { return loop_ ? pw_thread_loop_get_loop(loop_) : nullptr; }

void PipeWireConnection::HungUp() {
    if (lostTold_) return;
    lostTold_ = true;
    if (lost_) lost_();
}

}  // namespace capture

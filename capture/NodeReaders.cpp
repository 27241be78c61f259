#include "capture/NodeReaders.h"

#include <pipewire/pipewire.h>

#include <cerrno>
#include <cstdlib>
#include <mutex>

namespace capture {

struct NodeReaders::Hooks {
    spa_hook core{};
    spa_hook registry{};
};

namespace {

void OnGlobal(void* data, uint32_t id, uint32_t, const char* type, uint32_t, const spa_dict* props) {
    static_cast<NodeReaders*>(data)->Added(id, type, props);
}

void OnGlobalRemove(void* data, uint32_t id) { static_cast<NodeReaders*>(data)->Removed(id); }

void OnCoreError(void* data, uint32_t id, int, int result, const char*) {
    // The daemon hung up (or refused the connection as a whole).
    if (id == PW_ID_CORE && result == -EPIPE) static_cast<NodeReaders*>(data)->ConnectionFailed();
}

const pw_registry_events kRegistryEvents = {
    .version = PW_VERSION_REGISTRY_EVENTS,
    .global = OnGlobal,
    .global_remove = OnGlobalRemove,
};

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

unsigned IdProperty(const spa_dict* props, const char* key) {
    const char* text = props ? spa_dict_lookup(props, key) : nullptr;
    return text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : 0;
}

}  // namespace

NodeReaders::NodeReaders(std::string nodeName, std::function<void(int)> changed,
                         std::function<void()> lost)
    : nodeName_(std::move(nodeName)), changed_(std::move(changed)), lost_(std::move(lost)) {}

NodeReaders::~NodeReaders() { Stop(); }

bool NodeReaders::Start() {
    static std::once_flag initialised;
    std::call_once(initialised, [] { pw_init(nullptr, nullptr); });
    // Everything is made before the loop's thread starts and taken down after it has ended, so
    // no call here needs the loop's lock.
    loop_ = pw_thread_loop_new("quenvalor-readers", nullptr);
    context_ = loop_ ? pw_context_new(pw_thread_loop_get_loop(loop_), nullptr, 0) : nullptr;
    core_ = context_ ? pw_context_connect(context_, nullptr, 0) : nullptr;
    hooks_ = new Hooks;
    if (core_) {
        pw_core_add_listener(core_, &hooks_->core, &kCoreEvents, this);
        registry_ = pw_core_get_registry(core_, PW_VERSION_REGISTRY, 0);
        if (registry_) pw_registry_add_listener(registry_, &hooks_->registry, &kRegistryEvents, this);
    }
    if (!registry_ || pw_thread_loop_start(loop_) != 0) {
        Stop();
        return false;
    }
    return true;
}

void NodeReaders::Stop() {
    if (loop_) pw_thread_loop_stop(loop_);
    // The loop's thread has ended: nothing else touches the objects now.
    if (registry_) {
        spa_hook_remove(&hooks_->registry);
        pw_proxy_destroy(reinterpret_cast<pw_proxy*>(registry_));
        registry_ = nullptr;
    }
    if (core_) {
        spa_hook_remove(&hooks_->core);
        pw_core_disconnect(core_);
        core_ = nullptr;
    }
    if (context_) {
        pw_context_destroy(context_);
        context_ = nullptr;
    }
    if (loop_) {
        pw_thread_loop_destroy(loop_);
        loop_ = nullptr;
    }
    delete hooks_;
    hooks_ = nullptr;
}

void NodeReaders::Added(unsigned id, const char* type, const spa_dict* props) {
    if (spa_streq(type, PW_TYPE_INTERFACE_Node)) {
        const char* name = props ? spa_dict_lookup(props, PW_KEY_NODE_NAME) : nullptr;
        if (name && nodeName_ == name) nodes_.insert(id);
    } else if (spa_streq(type, PW_TYPE_INTERFACE_Link)) {
        links_[id] = {IdProperty(props, PW_KEY_LINK_OUTPUT_NODE), IdProperty(props, PW_KEY_LINK_INPUT_NODE)};
    } else {
        return;
    }
    Recount();
}

void NodeReaders::Removed(unsigned id) {
    nodes_.erase(id);
    links_.erase(id);
    Recount();
}

void NodeReaders::ConnectionFailed() {
    if (lostTold_) return;
    lostTold_ = true;
    if (lost_) lost_();
}

void NodeReaders::Recount() {
    std::set<unsigned> readers;
    for (const auto& [id, link] : links_)
        if (nodes_.contains(link.from)) readers.insert(link.to);
    const int count = static_cast<int>(readers.size());
    if (count == readers_) return;
    readers_ = count;
    if (changed_) changed_(count);
}

}  // namespace capture

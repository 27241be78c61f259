#include "capture/NodeReaders.h"

#include <pipewire/pipewire.h>

#include <cstdlib>

#include "capture/PipeWireConnection.h"

namespace capture {

struct NodeReaders::Hook {
    spa_hook registry{};
};

namespace {

void OnGlobal(void* data, uint32_t id, uint32_t, const char* type, uint32_t, const spa_dict* props) {
    static_cast<NodeReaders*>(data)->Added(id, type, props);
}

void OnGlobalRemove(void* data, uint32_t id) { static_cast<NodeReaders*>(data)->Removed(id); }

const pw_registry_events kRegistryEvents = {
    .version = PW_VERSION_REGISTRY_EVENTS,
    .global = OnGlobal,
    .global_remove = OnGlobalRemove,
};

unsigned IdProperty(const spa_dict* props, const char* key) {
    const char* text = props ? spa_dict_lookup(props, key) : nullptr;
    return text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : 0;
}

}  // namespace

NodeReaders::NodeReaders(std::string nodeName, std::function<void(int)> changed,
                         std::function<void()> lost)
    : nodeName_(std::move(nodeName)),
      changed_(std::move(changed)),
      connection_(std::make_unique<PipeWireConnection>(std::move(lost))) {}

NodeReaders::~NodeReaders() { Stop(); }

bool NodeReaders::Start() {
    if (connection_->Connect("quenvalor-readers")) {
        registry_ = pw_core_get_registry(connection_->Core(), PW_VERSION_REGISTRY, 0);
        if (registry_) {
            hook_ = std::make_unique<Hook>();
            pw_registry_add_listener(registry_, &hook_->registry, &kRegistryEvents, this);
        }
    }
    return registry_ && connection_->Run();
}

void NodeReaders::Stop() {
    connection_->Stop();
    // The loop's thread has ended: nothing else touches the registry now.
    if (registry_) {
        spa_hook_remove(&hook_->registry);
        pw_proxy_destroy(reinterpret_cast<pw_proxy*>(registry_));
        registry_ = nullptr;
    }
    connection_.reset();
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

#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

struct pw_registry;
struct spa_dict;

namespace capture {

class PipeWireConnection;

// Counts the programs reading a PipeWire node: it watches the daemon's list of objects, on a
// connection and a thread of its own, and counts the distinct nodes that links from the node lead
// to (each reading program has a stream node of its own).
class NodeReaders {
public:
    // `changed` gets the new count whenever it changes; `lost` once when the daemon goes away.
    // Both are called on the watcher's thread.
    NodeReaders(std::string nodeName, std::function<void(int)> changed, std::function<void()> lost);
    ~NodeReaders();
    NodeReaders(const NodeReaders&) = delete;
    NodeReaders& operator=(const NodeReaders&) = delete;

    // Connects to the daemon and starts watching; false when no daemon answers.
    bool Start();

    // The daemon's registry events, on the watcher's thread.
    void Added(unsigned id, const char* type, const spa_dict* props);
    void Removed(unsigned id);

private:
    struct Link {
        unsigned from = 0;
        unsigned to = 0;
    };
    void Recount();
    void Stop();

    const std::string nodeName_;
    const std::function<void(int)> changed_;
    std::unique_ptr<PipeWireConnection> connection_;
    pw_registry* registry_ = nullptr;
    struct Hook;
    std::unique_ptr<Hook> hook_;
    // Written on the watcher's thread only.
    std::set<unsigned> nodes_;  // the ids of the node (one per publication of it)
    std::map<unsigned, Link> links_;
    int readers_ = 0;
};

}  // namespace capture

#pragma once

#include <string>

namespace effects {

// What an effect tells its owner. The engine implements it and passes the news on to the
// window; an effect never reaches a window itself. Called on the thread that renders.
class EffectEventSink {
public:
    virtual ~EffectEventSink() = default;
    // A play-once animation has passed its last frame. `effectPath` is the ended effect's
    // name, the path of its effect file.
    virtual void EffectEnded(const std::string& effectPath) = 0;
};

}  // namespace effects

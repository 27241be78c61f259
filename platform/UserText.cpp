#include "platform/UserText.h"

#include <atomic>
#include <vector>

namespace platform {
namespace {
std::atomic<TextLocalizer> localizer{nullptr};
}  // namespace

void SetTextLocalizer(TextLocalizer newLocalizer) {
    localizer = newLocalizer;
}

std::string UserText(const char* context, const char* source,
                     std::initializer_list<std::string_view> values) {
    const TextLocalizer localize = localizer.load();
    const std::string pattern = localize ? localize(context, source) : std::string(source);
    const std::vector<std::string_view> byNumber(values);
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        if (pattern[at] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < byNumber.size()) {
            text += byNumber[static_cast<std::size_t>(next - '1')];
            ++at;
            continue;
        }
        text += pattern[at];
    }
    return text;
}

}  // namespace platform

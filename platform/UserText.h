#pragma once

// Texts the core shows to the user (failure messages, the reasons a recording could not be
// repaired), in the user's language. The core writes each text whole, in English, with %1, %2...
// where its values go, marked with QT_TRANSLATE_NOOP so that the window's translation tools
// collect it; whoever drives the core may install a localizer that gives the text in the user's
// language (the window installs one over its translations). Without one, the English text is
// used. The marker is defined exactly as Qt defines it, so the two definitions agree where both
// are seen.

#include <initializer_list>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace platform {

// The text `source` of translation context `context` in the user's language; the result is
// valid text of the localizer's making (UTF-8). Must be safe to call from any thread.
using TextLocalizer = std::string (*)(const char* context, const char* source);

// Installs the localizer (null: English again). Set it before the threads that report failures
// start; it is read from any thread.
void SetTextLocalizer(TextLocalizer localizer);

// `source`, localized, with each %1...%9 replaced by the value of that number in `values`, in
// one pass (a value that holds "%2" is not replaced again). A number with no value is left as
// it stands.
std::string UserText(const char* context, const char* source,
                     std::initializer_list<std::string_view> values = {});

}  // namespace platform

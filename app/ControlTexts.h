#pragma once

#include <QString>

#include <string_view>

namespace app {

// What a screen reader says for each control of the main window (by its layout id): a name
// that says what the control does, in the user's language. A button whose skin carries a word
// is named by that word where the word says enough; the others have names of their own.
QString AccessibleNameOf(int id);

// The label the skin draws on the button whose pictures are named `skinBase`, in the user's
// language; empty for a button without a word.
QString SkinLabelOf(std::string_view skinBase);

}  // namespace app

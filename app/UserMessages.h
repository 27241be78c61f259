#pragma once

#include <QString>

#include <functional>

namespace app {

// Shows a modal message box with the caption "Quenvalor" and an OK button.
void ShowUserMessage(const QString& text);

// Replaces the message box, for tests that run without a person to press OK. Pass an empty
// function to restore the message box.
void SetUserMessageHandler(std::function<void(const QString&)> handler);

}  // namespace app

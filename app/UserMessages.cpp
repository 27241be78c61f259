#include "app/UserMessages.h"

#include <QMessageBox>

namespace app {
namespace {
std::function<void(const QString&)>& Handler() {
    static std::function<void(const QString&)> handler;
    return handler;
}
}  // namespace

void ShowUserMessage(const QString& text) {
    if (Handler()) {
        Handler()(text);
        return;
    }
    QMessageBox::warning(nullptr, QStringLiteral("Quenvalor"), text, QMessageBox::Ok);
}

void SetUserMessageHandler(std::function<void(const QString&)> handler) {
    Handler() = std::move(handler);
}

}  // namespace app

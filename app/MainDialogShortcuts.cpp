// The keyboard: one table of the window's shortcuts, each shown in its button's tooltip, and the
// full-screen preview that F11 opens and closes. The shortcuts work in the full-screen preview
// too. Enter and Escape stay without effect on the window (MainDialogMouse.cpp).

#include <QKeySequence>
#include <QScreen>
#include <QShortcut>

#include "app/CMainDialog.h"
#include "app/StringTable.h"
#include "app/FullScreenPreview.h"
#include "controls/CHoverButton.h"
#include "controls/ProgramResources.h"

namespace app {

void CMainDialog::ConnectShortcuts() {
    // A shortcut, the button it stands for (0 for none) and that button's name where the string
    // table has none.
    struct Binding {
        const char* keys;
        int buttonId;
        const char* name;
        void (CMainDialog::*handler)();
    };
    const Binding bindings[] = {
        {"Ctrl+R", kRecord, nullptr, &CMainDialog::StartRecording},
        {"Ctrl+Shift+R", kStopRecord, nullptr, &CMainDialog::StopRecording},
        {"Space", kSnap, nullptr, &CMainDialog::RequestSnapshot},
        {"Ctrl+E", kStudioToggle, nullptr, &CMainDialog::ToggleLayout},
        {"F11", 0, nullptr, &CMainDialog::ToggleFullScreenPreview},
        {"Ctrl+Q", kClose, "Quit", &CMainDialog::ShutdownSequence},
    };
    for (const Binding& binding : bindings) {
        const QKeySequence keys(QString::fromLatin1(binding.keys));
        auto* shortcut = new QShortcut(keys, this);
        // Application-wide, so the full-screen preview hears them too; a modal dialog still
        // keeps them from the window while it is open.
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, binding.handler);

        controls::CHoverButton* button = binding.buttonId ? Button(binding.buttonId) : nullptr;
        if (!button) continue;
        QString name = binding.name ? QString::fromLatin1(binding.name) : QString();
        if (const LayoutEntry* entry = FindLayoutEntry(binding.buttonId); name.isEmpty() && entry)
            name = LoadStringResource(entry->tooltipId);
        button->SetTooltipText(
            QStringLiteral("%1 (%2)").arg(name, keys.toString(QKeySequence::NativeText)), true);
    }
}

void CMainDialog::ToggleFullScreenPreview() {
    if (fullScreenPreview) {
        fullScreenPreview.reset();
        ShowWindowNormally();
        return;
    }
    if (shutdownStarted) return;
    fullScreenPreview = std::make_unique<FullScreenPreview>(preview);
    connect(fullScreenPreview.get(), &FullScreenPreview::LeaveRequested, this,
            &CMainDialog::ToggleFullScreenPreview, Qt::QueuedConnection);
    // On the screen the window is on.
    if (const QScreen* onScreen = screen()) fullScreenPreview->setGeometry(onScreen->geometry());
    fullScreenPreview->showFullScreen();
    fullScreenPreview->activateWindow();
}

}  // namespace app

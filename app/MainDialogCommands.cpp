// The main window's commands: its buttons, its keyboard shortcuts (each shown in its button's
// tooltip; they work in the full-screen preview too), the tray, minimise and close, the About
// box, the program's documentation, and the full-screen preview that F11 opens and closes.

#include <QContextMenuEvent>
#include <QCursor>
#include <QKeySequence>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QUrl>

#include <functional>

#include "app/CAboutDialog.h"
#include "app/CMainDialog.h"
#include "app/DesktopServices.h"
#include "app/FullScreenPreview.h"
#include "app/PreviewWidget.h"
#include "app/RecordingPanel.h"
#include "app/StringTable.h"
#include "studio/StudioSession.h"
#include "controls/CHoverButton.h"
#include "controls/ProgramResources.h"

namespace app {

namespace {

// The folder's address from its bytes, which need not be valid text in any encoding.
QUrl FolderUrl(const std::string& folder) {
    return QUrl::fromEncoded("file://" + QByteArray::fromStdString(folder).toPercentEncoding("/"));
}

}  // namespace

void CMainDialog::ConnectCommands() {
    const std::pair<int, std::function<void()>> commands[] = {
        {kTray, [this] { ShowInTray(); }},
        {kMinimize, [this] { showMinimized(); }},
        {kClose, [this] { ShutdownSequence(); }},
        // The program's own documentation, installed beside it; no network is used.
        {kHome, [this] { Desktop().openUrl(QUrl::fromLocalFile(programFolder + "/README.md")); }},
        {kBrowseFolder, [this] { BrowseFolder(); }},
        {kOpenFolder, [this] { Desktop().openUrl(FolderUrl(session->FileFolder())); }},
        {kRecord, [this] { recordingPanel->StartRecording(); }},
        {kStopRecord, [this] { recordingPanel->StopRecording(); }},
        {kSnap, [this] { recordingPanel->RequestSnapshot(); }},
        {kWebcamSource, [this] { SelectWebcamSource(); }},
        {kStudioToggle, [this] { ToggleLayout(); }},
        {kRecordingsTab, [this] { ShowEffectsPage(false); }},
        {kEffectsTab, [this] { ShowEffectsPage(true); }},
    };
    for (const auto& [id, command] : commands)
        connect(Button(id), &controls::CHoverButton::clicked, this, command);
}

void CMainDialog::ConnectShortcuts() {
    // A shortcut, the button it stands for (0 for none) and that button's name where the string
    // table has none.
    struct Binding {
        const char* keys;
        int buttonId;
        const char* name;
        std::function<void()> command;
    };
    const Binding bindings[] = {
        {"Ctrl+R", kRecord, nullptr, [this] { recordingPanel->StartRecording(); }},
        {"Ctrl+Shift+R", kStopRecord, nullptr, [this] { recordingPanel->StopRecording(); }},
        {"Space", kSnap, nullptr, [this] { recordingPanel->RequestSnapshot(); }},
        {"Ctrl+E", kStudioToggle, nullptr, [this] { ToggleLayout(); }},
        {"F11", 0, nullptr, [this] { ToggleFullScreenPreview(); }},
        {"Ctrl+P", 0, nullptr, [this] { ShowPictureDialog(); }},
        {"Ctrl+Q", kClose, QT_TR_NOOP("Quit"), [this] { ShutdownSequence(); }},
    };
    for (const Binding& binding : bindings) {
        const QKeySequence keys(QString::fromLatin1(binding.keys));
        auto* shortcut = new QShortcut(keys, this);
        // Application-wide, so the full-screen preview hears them too; a modal dialog still
        // keeps them from the window while it is open.
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, binding.command);

        controls::CHoverButton* button = binding.buttonId ? Button(binding.buttonId) : nullptr;
        if (!button) continue;
        QString name = binding.name ? tr(binding.name) : QString();
        if (const LayoutEntry* entry = FindLayoutEntry(binding.buttonId); name.isEmpty() && entry)
            name = LoadStringResource(entry->tooltipId);
        button->SetTooltipText(
            tr("%1 (%2)", "a button's name and its shortcut").arg(name, keys.toString(QKeySequence::NativeText)), true);
    }
}

void CMainDialog::ShowInTray() {
    // Without a notification area a hidden window could never be brought back: minimise it.
    if (!Desktop().trayAvailable()) {
        showMinimized();
        return;
    }
    if (!trayIcon) {
        trayMenu = std::make_unique<QMenu>();
        connect(trayMenu->addAction(tr("Quit")), &QAction::triggered, this,
                &CMainDialog::ShutdownSequence);
        connect(trayMenu->addAction(tr("Show Window")), &QAction::triggered, this,
                &CMainDialog::ShowWindowNormally);
        trayIcon = std::make_unique<QSystemTrayIcon>(controls::ApplicationIcon());
        trayIcon->setToolTip(QStringLiteral("Quenvalor"));
        // A left click opens the menu and a double click brings the window back; the right
        // button does nothing, so the menu is not the icon's context menu.
        connect(trayIcon.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Trigger)
                        trayMenu->popup(QCursor::pos());
                    else if (reason == QSystemTrayIcon::DoubleClick)
                        ShowWindowNormally();
                });
    }
    trayIcon->show();
    hide();
}

void CMainDialog::ShowWindowNormally() {
    showNormal();
    raise();
    activateWindow();
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

void CMainDialog::contextMenuEvent(QContextMenuEvent* event) {
    // The window has no system menu of the platform; its own menu, on the bands it is dragged
    // by and on the preview, offers the picture choices and the About box.
    if (!IsBareBand(event->pos()) && !preview->geometry().contains(event->pos())) return;
    MakeContextMenu()->exec(event->globalPos());
}

}  // namespace app

// The main window's own commands: the tray, minimise and close, the About box, the program's
// documentation, and the looks of the Effect and Paint mode buttons.

#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QUrl>

#include "app/CAboutDialog.h"
#include "app/CMainDialog.h"
#include "app/DesktopServices.h"
#include "controls/CHoverButton.h"
#include "controls/ProgramResources.h"

namespace app {

void CMainDialog::ConnectCommands() {
    struct Command {
        int id;
        void (CMainDialog::*handler)();
    };
    const Command commands[] = {
        {kTray, &CMainDialog::OnTray},
        {kMinimize, &CMainDialog::OnMinimize},
        {kClose, &CMainDialog::ShutdownSequence},
        {kHome, &CMainDialog::OnHome},
        {kEffectMode, &CMainDialog::OnEffectMode},
        {kPaintMode, &CMainDialog::OnPaintMode},
        {kBrowseFolder, &CMainDialog::OnBrowseFolder},
        {kOpenFolder, &CMainDialog::OnOpenFolder},
        {kRecord, &CMainDialog::StartRecording},
        {kStopRecord, &CMainDialog::StopRecording},
        {kSnap, &CMainDialog::TakeSnapshot},
        {kWebcamSource, &CMainDialog::SelectWebcamSource},
    };
    for (const Command& command : commands)
        connect(Button(command.id), &controls::CHoverButton::clicked, this, command.handler);
}

void CMainDialog::CreateTrayIcon() {
    trayMenu = std::make_unique<QMenu>();
    connect(trayMenu->addAction(QStringLiteral("Quit")), &QAction::triggered, this,
            &CMainDialog::ShutdownSequence);
    connect(trayMenu->addAction(QStringLiteral("Show Window")), &QAction::triggered, this,
            &CMainDialog::ShowWindowNormally);

    trayIcon = std::make_unique<QSystemTrayIcon>(controls::ApplicationIcon());
    trayIcon->setToolTip(QStringLiteral("Quenvalor"));
    // A left click opens the menu and a double click brings the window back; the right button
    // does nothing, so the menu is not the icon's context menu.
    connect(trayIcon.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    trayMenu->popup(QCursor::pos());
                else if (reason == QSystemTrayIcon::DoubleClick)
                    ShowWindowNormally();
            });
}

void CMainDialog::OnTray() {
    // Without a notification area a hidden window could never be brought back: minimise it.
    if (!Desktop().trayAvailable()) {
        showMinimized();
        return;
    }
    if (!trayIcon) CreateTrayIcon();
    trayIcon->show();
    hide();
}

void CMainDialog::OnMinimize() {
    showMinimized();
}

void CMainDialog::ShowWindowNormally() {
    showNormal();
    raise();
    activateWindow();
}

void CMainDialog::OnHome() {
    // The program's own documentation, installed beside it; no network is used.
    Desktop().openUrl(QUrl::fromLocalFile(programFolder + "/README.md"));
}

// The active mode's button shows its click picture in every state; the other button has its
// ordinary three pictures.
void CMainDialog::OnEffectMode() {
    SetButtonPictures(kEffectMode, "effect_click.bmp", "effect_click.bmp", "effect_click.bmp");
    SetButtonPictures(kPaintMode, "paint_normal.bmp", "paint_hover.bmp", "paint_click.bmp");
}

void CMainDialog::OnPaintMode() {
    SetButtonPictures(kEffectMode, "effect_normal.bmp", "effect_hover.bmp", "effect_click.bmp");
    SetButtonPictures(kPaintMode, "paint_click.bmp", "paint_click.bmp", "paint_click.bmp");
}

void CMainDialog::contextMenuEvent(QContextMenuEvent* event) {
    // The window has no system menu of the platform; its own menu, on the bands it is dragged
    // by, offers the About box.
    if (!IsDragBand(event->pos())) return;
    QMenu menu;
    connect(menu.addAction(controls::LoadStringResource(controls::kIdsAboutBox)),
            &QAction::triggered, this, &CMainDialog::ShowAboutBox);
    menu.exec(event->globalPos());
}

void CMainDialog::ShowAboutBox() {
    CAboutDialog about(this);
    about.exec();
}

}  // namespace app

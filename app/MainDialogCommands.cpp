// The main window's own commands: the tray, minimise and close, the About box, the program's
// documentation, the Effect and Paint modes with their buttons' looks, and the paint tools.

#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QUrl>

#include "app/CAboutDialog.h"
#include "app/CMainDialog.h"
#include "app/DesktopServices.h"
#include "app/StringTable.h"
#include "app/PreviewWidget.h"
#include "controls/CHoverButton.h"
#include "controls/ProgramResources.h"

namespace app {
namespace {

// The width each brush button sets; the first two buttons both give the finest brush.
struct BrushButton {
    int id;
    int width;
};
constexpr BrushButton kBrushButtons[] = {
    {kBrush1, 1}, {kBrush2, 1}, {kBrush3, 2}, {kBrush4, 5}, {kBrush5, 10}, {kBrush6, 20},
};

}  // namespace

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
        {kSnap, &CMainDialog::RequestSnapshot},
        {kWebcamSource, &CMainDialog::SelectWebcamSource},
        {kErase, &CMainDialog::OnErase},
        {kBrush, &CMainDialog::OnBrush},
        {kClearPaint, &CMainDialog::OnClearPaint},
        {kColour, &CMainDialog::OnChooseColour},
        {kDeleteEffect, &CMainDialog::OnDeleteEffect},
        {kRemoveAllEffects, &CMainDialog::OnRemoveAllEffects},
    };
    for (const Command& command : commands)
        connect(Button(command.id), &controls::CHoverButton::clicked, this, command.handler);
    for (const BrushButton& brush : kBrushButtons)
        connect(Button(brush.id), &controls::CHoverButton::clicked, this, [this, brush] {
            if (effectEngine)
                effectEngine->SetBrushWidth(capture::StudioPixels(frameRoad.Road(), brush.width));
        });
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
    if (effectEngine) effectEngine->SetPaintMode(false);
    SetButtonPictures(kEffectMode, "effect_click.bmp", "effect_click.bmp", "effect_click.bmp");
    SetButtonPictures(kPaintMode, "paint_normal.bmp", "paint_hover.bmp", "paint_click.bmp");
}

void CMainDialog::OnPaintMode() {
    if (effectEngine) effectEngine->SetPaintMode(true);
    SetButtonPictures(kEffectMode, "effect_normal.bmp", "effect_hover.bmp", "effect_click.bmp");
    SetButtonPictures(kPaintMode, "paint_click.bmp", "paint_click.bmp", "paint_click.bmp");
}

void CMainDialog::OnErase() {
    if (effectEngine) effectEngine->SetEraser(true);
}

void CMainDialog::OnBrush() {
    if (effectEngine) effectEngine->SetEraser(false);
}

void CMainDialog::OnClearPaint() {
    if (effectEngine) effectEngine->ClearPaint();
}

void CMainDialog::OnChooseColour() {
    if (!effectEngine) return;
    // The chooser opens on black every time, not on the brush's colour; cancelling keeps it.
    const QColor colour = Desktop().chooseColour(this, Qt::black);
    if (colour.isValid()) effectEngine->SetBrushColour(colour.red(), colour.green(), colour.blue());
}

void CMainDialog::contextMenuEvent(QContextMenuEvent* event) {
    // The window has no system menu of the platform; its own menu, on the bands it is dragged
    // by and on the preview, offers the picture choices and the About box.
    if (!IsBareBand(event->pos()) && !preview->geometry().contains(event->pos())) return;
    MakeContextMenu()->exec(event->globalPos());
}

void CMainDialog::ShowAboutBox() {
    CAboutDialog about(this);
    about.exec();
}

}  // namespace app

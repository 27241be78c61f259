// The user's picture choices: the preview mirror and the recordings-and-snapshots mirror, which
// the frame road applies, and the snapshot countdown with the flash that follows the snapshot.
// All three are kept in the settings file and offered in the window's right-click menu.

#include <QActionGroup>
#include <QMenu>

#include "app/CMainDialog.h"
#include "app/StringTable.h"
#include "app/PreviewWidget.h"
#include "app/SnapshotCountdown.h"
#include "controls/ProgramResources.h"

namespace app {

void CMainDialog::ConnectSnapshotCountdown() {
    snapshotCountdown = new SnapshotCountdown(this);
    connect(snapshotCountdown, &SnapshotCountdown::Changed, preview, &PreviewWidget::SetCountdown);
    connect(snapshotCountdown, &SnapshotCountdown::Finished, this, [this] {
        if (TakeSnapshot()) preview->Flash();
    });
}

void CMainDialog::ApplyPictureOptions(const PictureOptions& options) {
    pictureOptions = options;
    frameRoad.mirrorPreview = options.mirrorPreview;
    frameRoad.mirrorOutput = options.mirrorOutput;
}

void CMainDialog::SetPictureOptions(const PictureOptions& options) {
    ApplyPictureOptions(options);
    // A file that cannot be written keeps the choices for this run only.
    options.Write(settingsFile);
}

void CMainDialog::RequestSnapshot() {
    if (shutdownStarted || snapshotCountdown->IsRunning()) return;
    if (pictureOptions.countdownSeconds > 0) {
        snapshotCountdown->Start(pictureOptions.countdownSeconds);
        return;
    }
    if (TakeSnapshot()) preview->Flash();
}

std::unique_ptr<QMenu> CMainDialog::MakeContextMenu() {
    auto menu = std::make_unique<QMenu>();
    const auto addChoice = [this, &menu](const QString& text, bool PictureOptions::*flag) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(pictureOptions.*flag);
        connect(action, &QAction::toggled, this, [this, flag](bool on) {
            PictureOptions options = pictureOptions;
            options.*flag = on;
            SetPictureOptions(options);
        });
    };
    addChoice(QStringLiteral("Mirror preview"), &PictureOptions::mirrorPreview);
    addChoice(QStringLiteral("Mirror recordings and snapshots"), &PictureOptions::mirrorOutput);

    QMenu* countdown = menu->addMenu(QStringLiteral("Snapshot countdown"));
    auto* choices = new QActionGroup(countdown);
    for (const int seconds : PictureOptions::kCountdownChoices) {
        QAction* action = countdown->addAction(
            seconds == 0 ? QStringLiteral("Off") : QStringLiteral("%1 seconds").arg(seconds));
        action->setCheckable(true);
        action->setChecked(pictureOptions.countdownSeconds == seconds);
        choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, seconds] {
            PictureOptions options = pictureOptions;
            options.countdownSeconds = seconds;
            SetPictureOptions(options);
        });
    }
    QAction* fullScreen = menu->addAction(QStringLiteral("Full-screen preview"));
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    connect(fullScreen, &QAction::triggered, this, &CMainDialog::ToggleFullScreenPreview);

    menu->addSeparator();
    connect(menu->addAction(LoadStringResource(kIdsAboutBox)),
            &QAction::triggered, this, &CMainDialog::ShowAboutBox);
    return menu;
}

}  // namespace app

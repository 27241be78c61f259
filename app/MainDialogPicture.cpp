// The user's choices about the picture and the files: the preview mirror and the recordings-and-
// snapshots mirror, which the session's road applies, and the snapshot countdown, all offered in
// the window's right-click menu; and the output folder, chosen with the browse command. Every
// choice is kept in the settings file.

#include <QActionGroup>
#include <QFile>
#include <QLineEdit>
#include <QMenu>

#include "app/CAboutDialog.h"
#include "app/CMainDialog.h"
#include "app/DesktopServices.h"
#include "app/StringTable.h"
#include "app/VirtualCameraSwitch.h"
#include "controls/ProgramResources.h"
#include "studio/StudioSession.h"

namespace app {

void CMainDialog::SetPictureOptions(const PictureOptions& options) {
    session->SetMirrors(options.mirrorPreview, options.mirrorOutput);
    // A file that cannot be written keeps the choices for this run only.
    settings->SetPicture(options);
}

std::unique_ptr<QMenu> CMainDialog::MakeContextMenu() {
    auto menu = std::make_unique<QMenu>();
    const auto addChoice = [this, &menu](const QString& text, bool PictureOptions::*flag) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(Options().*flag);
        connect(action, &QAction::toggled, this, [this, flag](bool on) {
            PictureOptions options = Options();
            options.*flag = on;
            SetPictureOptions(options);
        });
    };
    addChoice(tr("Mirror preview"), &PictureOptions::mirrorPreview);
    addChoice(tr("Mirror recordings and snapshots"), &PictureOptions::mirrorOutput);

    QMenu* countdown = menu->addMenu(tr("Snapshot countdown"));
    auto* choices = new QActionGroup(countdown);
    for (const int seconds : PictureOptions::kCountdownChoices) {
        QAction* action = countdown->addAction(
            //: A snapshot countdown choice: no countdown
            seconds == 0 ? tr("Off") : tr("%n seconds", nullptr, seconds));
        action->setCheckable(true);
        action->setChecked(Options().countdownSeconds == seconds);
        choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, seconds] {
            PictureOptions options = Options();
            options.countdownSeconds = seconds;
            SetPictureOptions(options);
        });
    }
    if (virtualCamera) virtualCamera->AddTo(*menu);
    QAction* picture = menu->addAction(tr("Camera picture..."));
    picture->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    connect(picture, &QAction::triggered, this, &CMainDialog::ShowPictureDialog);
    QAction* fullScreen = menu->addAction(tr("Full-screen preview"));
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    connect(fullScreen, &QAction::triggered, this, &CMainDialog::ToggleFullScreenPreview);

    menu->addSeparator();
    connect(menu->addAction(LoadStringResource(kIdsAboutBox)), &QAction::triggered, this, [this] {
        CAboutDialog about(this);
        about.exec();
    });
    return menu;
}

QString CMainDialog::OutputFolder() const {
    return folderEdit->text();
}

QByteArray CMainDialog::OutputFolderBytes() const {
    // The folder the settings name keeps its bytes while the edit shows it, even where they are
    // not valid in the text's encoding; a folder typed or chosen is encoded as the file system's.
    const QByteArray kept = settings->OutputFolder();
    return folderEdit->text() == QFile::decodeName(kept) ? kept : QFile::encodeName(folderEdit->text());
}

void CMainDialog::BrowseFolder() {
    const QString chosen =
        Desktop().chooseFolder(this, tr("Output Folder"), OutputFolder());
    if (chosen.size() > 1) folderEdit->setText(chosen);
    // Written after a cancel too, so the file always names the folder in use. A file that
    // cannot be written keeps the choice for this run only.
    settings->SetOutputFolder(OutputFolderBytes());
}

}  // namespace app

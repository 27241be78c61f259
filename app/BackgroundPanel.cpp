#include "app/BackgroundPanel.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include "app/CMainDialog.h"
#include "app/Settings.h"
#include "studio/StudioSession.h"

namespace app {

using segmentation::BackgroundChoice;
using segmentation::BackgroundMode;

BackgroundPanel::BackgroundPanel(CMainDialog& window, studio::StudioSession& session)
    : QObject(&window), window(window), session(session) {
    box = new QWidget(&window);
    box->setObjectName(QStringLiteral("backgroundPanel"));
    box->setGeometry(kX, kY, kWidth, kHeight);
    box->setAccessibleName(tr("Background"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    title = new QLabel(tr("Background"), box);
    // The top band is dark: the label is written in the light grey of the buttons' captions.
    title->setStyleSheet(QStringLiteral("color: #d8dde6;"));
    mode = new QComboBox(box);
    mode->addItem(tr("None"));
    mode->addItem(tr("Blur"));
    mode->addItem(tr("Replace"));
    mode->setAccessibleName(tr("Background"));
    strength = new QSlider(Qt::Horizontal, box);
    strength->setRange(BackgroundChoice::kMinBlur, BackgroundChoice::kMaxBlur);
    strength->setAccessibleName(tr("Blur strength"));
    strength->setToolTip(tr("How strongly the room behind you is blurred"));
    picture = new QToolButton(box);
    picture->setText(tr("Picture..."));
    picture->setAccessibleName(tr("Background picture"));
    picture->setPopupMode(QToolButton::InstantPopup);
    picture->setMenu(new QMenu(picture));
    grid->addWidget(title, 0, 0);
    grid->addWidget(mode, 0, 1);
    grid->addWidget(strength, 1, 0, 1, 2);
    grid->addWidget(picture, 1, 0, 1, 2);
    box->hide();

    connect(mode, &QComboBox::activated, this, &BackgroundPanel::OnModeChosen);
    // The strength applies while the slider moves and is kept when it is let go.
    connect(strength, &QSlider::valueChanged, this, [this](int value) {
        BackgroundChoice choice = current;
        choice.blur = value;
        if (strength->isSliderDown()) {
            if (this->session.SetBackground(choice)) current = choice;
        } else {
            Choose(choice);
        }
    });
    connect(strength, &QSlider::sliderReleased, this, [this] { Choose(current); });
}

void BackgroundPanel::Start(ProgramSettings& programSettings, const QString& folder) {
    settings = &programSettings;
    programFolder = folder;
    current = session.Background();
    const QString unavailable = QString::fromStdString(session.BackgroundUnavailable());
    if (!unavailable.isEmpty()) {
        const QString why = tr("Background blur and replacement are not available: %1. The person "
                               "segmentation model is fetched by tools/install-deps.sh.")
                                .arg(unavailable);
        box->setToolTip(why);
        mode->setToolTip(why);
        box->setEnabled(false);
    } else {
        mode->setToolTip(tr("What is shown behind you: the room as it is, blurred, or a picture"));
    }
    FillPictureMenu();
    ShowChoice();
}

void BackgroundPanel::SetShown(bool shown) {
    box->setVisible(shown);
}

bool BackgroundPanel::Choose(const BackgroundChoice& choice) {
    std::string error;
    if (!session.SetBackground(choice, &error)) {
        window.SetStatusText(
            tr("The background cannot be changed: %1").arg(QString::fromStdString(error)));
        ShowChoice();
        return false;
    }
    current = choice;
    if (settings) settings->SetBackground(current);
    ShowChoice();
    return true;
}

void BackgroundPanel::ShowChoice() {
    const QSignalBlocker blockMode(mode);
    const QSignalBlocker blockStrength(strength);
    mode->setCurrentIndex(static_cast<int>(current.mode));
    strength->setValue(current.blur);
    strength->setVisible(current.mode == BackgroundMode::Blur);
    picture->setVisible(current.mode == BackgroundMode::Replace);
    const QString name = QFileInfo(QString::fromStdString(current.picture)).completeBaseName();
    picture->setText(name.isEmpty() ? tr("Picture...") : name);
    picture->setToolTip(
        tr("The picture shown behind you: %1").arg(QString::fromStdString(current.picture)));
}

void BackgroundPanel::FillPictureMenu() {
    QMenu* menu = picture->menu();
    menu->clear();
    // The Scenes category's pictures, by name, with their thumbnails.
    const QDir scenes(programFolder + QStringLiteral("/Effects/Scenes"));
    for (const QFileInfo& file :
         scenes.entryInfoList({QStringLiteral("*.eft")}, QDir::Files, QDir::Name)) {
        QString name = file.completeBaseName();
        name.replace(QLatin1Char('_'), QLatin1Char(' '));
        if (!name.isEmpty()) name[0] = name[0].toUpper();
        const QIcon icon(programFolder + QStringLiteral("/EffectsBmps/Scenes/") +
                         file.completeBaseName() + QStringLiteral(".bmp"));
        const std::string path = file.absoluteFilePath().toStdString();
        menu->addAction(icon, name, this, [this, path] {
            BackgroundChoice choice = current;
            choice.mode = BackgroundMode::Replace;
            choice.picture = path;
            Choose(choice);
        });
    }
    if (!menu->isEmpty()) menu->addSeparator();
    menu->addAction(tr("Other picture..."), this, &BackgroundPanel::AskForPicture);
}

void BackgroundPanel::OnModeChosen(int index) {
    BackgroundChoice choice = current;
    choice.mode = static_cast<BackgroundMode>(index);
    if (choice.mode == BackgroundMode::Replace && choice.picture.empty()) {
        const QList<QAction*> actions = picture->menu()->actions();
        if (actions.size() > 1) {
            actions.front()->trigger();  // the first Scene
        } else {
            AskForPicture();
        }
        ShowChoice();
        return;
    }
    Choose(choice);
}

void BackgroundPanel::AskForPicture() {
    const QString file = QFileDialog::getOpenFileName(
        &window, tr("Background picture"), QDir::homePath(),
        tr("Pictures (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;All files (*)"));
    if (file.isEmpty()) return;
    BackgroundChoice choice = current;
    choice.mode = BackgroundMode::Replace;
    choice.picture = QFile::encodeName(file).toStdString();
    Choose(choice);
}

}  // namespace app

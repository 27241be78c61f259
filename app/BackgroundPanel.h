#pragma once

#include <QObject>
#include <QString>

#include "segmentation/Background.h"

class QComboBox;
class QLabel;
class QSlider;
class QToolButton;
class QWidget;

namespace studio {
class StudioSession;
}

namespace app {

class CMainDialog;
class ProgramSettings;

// The background choices in the studio's top band: None, Blur with its strength, or Replace
// with a picture (a Scene's, or any picture file). Each choice goes to the session at once and
// is kept in the settings file. Without the person segmentation model the choices are disabled
// and their tooltip says why.
class BackgroundPanel : public QObject {
    Q_OBJECT

public:
    static constexpr int kX = 652, kY = 33, kWidth = 196, kHeight = 46;

    BackgroundPanel(CMainDialog& window, studio::StudioSession& session);

    // Once the session has started: takes the kept choice and whether the choices can be used.
    void Start(ProgramSettings& settings, const QString& programFolder);
    // Shown in the studio layout only.
    void SetShown(bool shown);

    QComboBox* ModeBox() const { return mode; }
    QSlider* StrengthSlider() const { return strength; }
    QToolButton* PictureButton() const { return picture; }
    QWidget* Box() const { return box; }

    // Chooses `choice` as the user would: on the session, kept in the settings, shown. False
    // (the status line says why) when the session refuses it.
    bool Choose(const segmentation::BackgroundChoice& choice);

private:
    void ShowChoice();
    void FillPictureMenu();
    // The mode box's new index: a replacement without a picture yet takes the first Scene, or
    // asks for a file.
    void OnModeChosen(int index);
    void AskForPicture();

    CMainDialog& window;
    studio::StudioSession& session;
    ProgramSettings* settings = nullptr;
    QString programFolder;
    segmentation::BackgroundChoice current;

    QWidget* box;
    QLabel* title;
    QComboBox* mode;
    QSlider* strength;
    QToolButton* picture;
};

}  // namespace app

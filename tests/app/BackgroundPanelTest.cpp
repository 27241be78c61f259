#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "ProgramFolder.h"
#include "app/BackgroundPanel.h"
#include "app/CIniFile.h"
#include "app/CMainDialog.h"
#include "studio/StudioSession.h"

using app::CMainDialog;
using app::LayoutMode;
using segmentation::BackgroundMode;

namespace {

QString Setting(const QString& file, const char* key) {
    return app::CIniFile(file).ReadString(QStringLiteral("General"), QString::fromLatin1(key),
                                          QString());
}

}  // namespace

TEST(App_Background, WithoutTheModelTheChoicesAreDisabledAndSayWhy) {
    app_test::ProgramFolder folder;
    CMainDialog dialog(nullptr, folder.Path());
    dialog.SetStartLayout(LayoutMode::Studio);
    dialog.Initialise();
    dialog.show();
    const app::BackgroundPanel& panel = dialog.Background();
    EXPECT_TRUE(panel.Box()->isVisibleTo(&dialog));
    EXPECT_FALSE(panel.ModeBox()->isEnabled());
    EXPECT_TRUE(panel.ModeBox()->toolTip().startsWith(
        "Background blur and replacement are not available: cannot open "))
        << panel.ModeBox()->toolTip().toStdString();
    EXPECT_EQ(panel.ModeBox()->currentText(), "None");
    // Classic has no place for them.
    dialog.ToggleLayout();
    EXPECT_FALSE(panel.Box()->isVisibleTo(&dialog));
    dialog.ShutdownSequence();
}

TEST(App_Background, AChoiceGoesToTheSessionAndIsKeptAcrossRestarts) {
    const QString models = QStringLiteral(QUENVALOR_BUILD_DIR "/models");
    if (!QFile::exists(models + "/selfie_segmentation_landscape.tflite")) {
        if (qEnvironmentVariableIsSet("CI")) FAIL() << "missing under CI: the segmentation model";
        GTEST_SKIP() << "no segmentation model (tools/install-deps.sh)";
    }
    app_test::ProgramFolder folder;
    QFile::link(models, folder.Path() + "/models");
    const QString picture = folder.Path() + "/scene.png";
    {
        QImage green(32, 18, QImage::Format_RGB32);
        green.fill(Qt::green);
        ASSERT_TRUE(green.save(picture));
    }
    {
        CMainDialog dialog(nullptr, folder.Path());
        dialog.SetStartLayout(LayoutMode::Studio);
        dialog.Initialise();
        app::BackgroundPanel& panel = dialog.Background();
        EXPECT_TRUE(panel.ModeBox()->isEnabled());
        EXPECT_EQ(dialog.Session().Background().mode, BackgroundMode::None);
        // Blur from the box: the slider shows with its strength, the session blurs.
        panel.ModeBox()->activated(1);
        EXPECT_EQ(dialog.Session().Background().mode, BackgroundMode::Blur);
        EXPECT_TRUE(panel.StrengthSlider()->isVisibleTo(panel.Box()));
        EXPECT_FALSE(panel.PictureButton()->isVisibleTo(panel.Box()));
        panel.StrengthSlider()->setValue(80);
        EXPECT_EQ(dialog.Session().Background().blur, 80);
        EXPECT_EQ(Setting(folder.SettingsFile(), "Background"), "blur");
        EXPECT_EQ(Setting(folder.SettingsFile(), "BackgroundBlur"), "80");
        // A picture that cannot be read is refused and the status line says so.
        EXPECT_FALSE(panel.Choose(
            {BackgroundMode::Replace, 80, (folder.Path() + "/missing.png").toStdString()}));
        EXPECT_EQ(dialog.Session().Background().mode, BackgroundMode::Blur);
        EXPECT_EQ(panel.ModeBox()->currentText(), "Blur");
        EXPECT_TRUE(panel.Choose({BackgroundMode::Replace, 80, picture.toStdString()}));
        EXPECT_EQ(panel.PictureButton()->text(), "scene");
        dialog.ShutdownSequence();
    }
    EXPECT_EQ(Setting(folder.SettingsFile(), "Background"), "replace");
    EXPECT_EQ(Setting(folder.SettingsFile(), "BackgroundPicture"), picture);
    CMainDialog again(nullptr, folder.Path());
    again.Initialise();
    EXPECT_EQ(again.Session().Background(),
              (segmentation::BackgroundChoice{BackgroundMode::Replace, 80, picture.toStdString()}));
    EXPECT_EQ(again.Background().ModeBox()->currentText(), "Replace");
    again.ShutdownSequence();
}

TEST(App_Background, HandWrittenSettingsAreReadLeniently) {
    app_test::ProgramFolder folder;
    const auto read = [&](const char* text) {
        QFile file(folder.SettingsFile());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        return app::ProgramSettings(folder.SettingsFile()).Background();
    };
    EXPECT_EQ(read("[General]\n"), segmentation::BackgroundChoice{});  // none, strength 50
    EXPECT_EQ(read("[General]\nBackground= Blur \nBackgroundBlur=500\n").mode,
              BackgroundMode::Blur);
    EXPECT_EQ(read("[General]\nBackground=blur\nBackgroundBlur=500\n").blur, 100);
    EXPECT_EQ(read("[General]\nBackgroundBlur=0\n").blur, 1);
    EXPECT_EQ(read("[General]\nBackground=sepia\nBackgroundBlur=strong\n"),
              segmentation::BackgroundChoice{});
    const auto replaced = read(
        "[General]\nBackground=REPLACE\nBackgroundPicture=/pictures/b\xe9"
        "ach.png\n");
    EXPECT_EQ(replaced.mode, BackgroundMode::Replace);
    EXPECT_EQ(replaced.picture,
              "/pictures/b\xe9"
              "ach.png");  // the file system's bytes, as written
}

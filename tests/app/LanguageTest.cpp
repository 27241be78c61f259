#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QTranslator>

#include "app/ControlTexts.h"
#include "app/EffectNames.h"
#include "app/MainLayout.h"
#include "app/SkinPictures.h"

namespace {

const QString kSkinFolder = QStringLiteral(QUENVALOR_BUILD_DIR "/skin/");

QImage FileImage(const QString& name) {
    return QImage(kSkinFolder + name).convertToFormat(QImage::Format_RGB32);
}

QImage Shown(const app::SkinPictures& skin, const QString& name) {
    return skin.Picture(name).toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(App_Language, GermanDrawsTheSkinsWordsAgainAndEnglishShowsTheGeneratorsFiles) {
    const app::SkinPictures english(kSkinFolder);
    EXPECT_FALSE(english.Drawn());
    EXPECT_EQ(Shown(english, "record_normal.bmp"), FileImage("record_normal.bmp"));

    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(QUENVALOR_BUILD_DIR "/translations/quenvalor_de.qm")));
    QCoreApplication::installTranslator(&german);
    const app::SkinPictures drawn(kSkinFolder);
    EXPECT_EQ(app::AccessibleNameOf(app::kPreview), QStringLiteral("Kameravorschau"));
    EXPECT_EQ(app::EffectDisplayName(QStringLiteral("gold_frame")), QStringLiteral("Goldrahmen"));
    QCoreApplication::removeTranslator(&german);

    ASSERT_TRUE(drawn.Drawn());
    // The same pictures at the same sizes; those with words show the German ones.
    for (const char* name : {"back_ui.bmp", "back_studio.bmp", "list_back.bmp", "record_normal.bmp",
                             "tab_recordings_click.bmp", "cancel_hover.bmp"}) {
        EXPECT_EQ(Shown(drawn, name).size(), FileImage(name).size()) << name;
        EXPECT_NE(Shown(drawn, name), FileImage(name)) << name;
    }
    // A button without a word comes out exactly as the generator drew it: the window draws
    // with the generator's own code.
    EXPECT_EQ(Shown(drawn, "tray_normal.bmp"), FileImage("tray_normal.bmp"));
    EXPECT_EQ(Shown(drawn, "brush4_hover.bmp"), FileImage("brush4_hover.bmp"));
    // "Aufnehmen" does not fit the Record button at the usual size, but at a smaller one.
    EXPECT_FALSE(drawn.LabelElided("record"));
}

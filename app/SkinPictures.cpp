#include "app/SkinPictures.h"

#include <QCoreApplication>

#include <memory>

#include "SkinDrawing.h"
#include "app/ControlTexts.h"
#include "app/SkinTexts.h"

namespace app {
namespace {

QString Translated(const SkinText& text) {
    return QCoreApplication::translate(kSkinContext, text.source, text.comment);
}

}  // namespace

const SkinPictures& SkinPictures::For(const QString& skinFolder) {
    // Pictures are kept as images, which may outlive the application object.
    static std::map<QString, std::unique_ptr<SkinPictures>> made;
    std::unique_ptr<SkinPictures>& pictures = made[skinFolder];
    if (!pictures) pictures = std::make_unique<SkinPictures>(skinFolder);
    return *pictures;
}

SkinPictures::SkinPictures(const QString& skinFolder) : folder_(skinFolder) {
    skingen::SkinWords words;
    words.buttonLabel = [](std::string_view base) { return SkinLabelOf(base); };
    words.backgrounds = {Translated(kRecordingsCaption), Translated(kElapsedCaption),
                         Translated(kBrushWidthCaption), Translated(kEmptyListHint)};
    const skingen::SkinWords english = skingen::EnglishSkinWords();
    bool translated =
        words.backgrounds.recordingsCaption != english.backgrounds.recordingsCaption ||
        words.backgrounds.elapsedCaption != english.backgrounds.elapsedCaption ||
        words.backgrounds.brushWidthCaption != english.backgrounds.brushWidthCaption ||
        words.backgrounds.emptyListHint != english.backgrounds.emptyListHint;
    for (const SkinButtonLabel& label : kSkinButtonLabels)
        translated |= words.buttonLabel(label.skinBase) != english.buttonLabel(label.skinBase);
    if (!translated) return;
    skingen::DrawnSkin skin = skingen::DrawSkin(words);
    drawn_ = std::move(skin.pictures);
    elided_.insert(skin.elidedLabels.begin(), skin.elidedLabels.end());
}

QPixmap SkinPictures::Picture(const QString& fileName) const {
    const auto drawn = drawn_.find(fileName);
    return drawn != drawn_.end() ? QPixmap::fromImage(drawn->second) : QPixmap(folder_ + fileName);
}

bool SkinPictures::LabelElided(std::string_view skinBase) const {
    return elided_.find(skinBase) != elided_.end();
}

}  // namespace app

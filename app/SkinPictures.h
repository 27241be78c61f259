#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include <map>
#include <set>
#include <string>
#include <string_view>

namespace app {

// The skin's pictures as the window shows them. Where every word of the skin reads in the
// user's language as in English, they are the files the skin generator drew, so the English
// window is exactly as drawn. Otherwise the whole skin is drawn again at start, by the same code,
// with the user's words: a longer word gets smaller type, and is shortened with an ellipsis
// where even that does not fit (its button's tooltip then says it whole).
class SkinPictures {
public:
    // The pictures for the skin in `skinFolder`, drawn at most once per folder in a run.
    static const SkinPictures& For(const QString& skinFolder);

    explicit SkinPictures(const QString& skinFolder);

    // The picture of the skin file `fileName` ("record_normal.bmp"); null when there is none.
    QPixmap Picture(const QString& fileName) const;
    // Whether the pictures were drawn in the user's language rather than read from the files.
    bool Drawn() const { return !drawn_.empty(); }
    // Whether the word of the button whose pictures are named `skinBase` had to be shortened.
    bool LabelElided(std::string_view skinBase) const;

private:
    QString folder_;
    std::map<QString, QImage> drawn_;
    std::set<std::string, std::less<>> elided_;
};

}  // namespace app

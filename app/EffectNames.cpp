#include "app/EffectNames.h"

#include <QCoreApplication>

#include <string_view>

namespace app {
namespace {

[[maybe_unused]] constexpr const char* kCategoryNames[] = {
    //: An effect category: moving pictures laid over the camera picture
    QT_TRANSLATE_NOOP("EffectCategories", "Animations"),
    //: An effect category: effects that bend or fold the camera picture
    QT_TRANSLATE_NOOP("EffectCategories", "Distortions"),
    //: An effect category: colour and picture filters
    QT_TRANSLATE_NOOP("EffectCategories", "Filters"),
    //: An effect category: the camera picture placed in a scene (a TV wall, a beach...)
    QT_TRANSLATE_NOOP("EffectCategories", "Scenes"),
    //: An effect category: masks and make-up that cover the face
    QT_TRANSLATE_NOOP("EffectCategories", "Faces"),
    //: An effect category: hats, glasses and other things worn on the face or head
    QT_TRANSLATE_NOOP("EffectCategories", "Accessories"),
    //: An effect category: picture frames around the camera picture
    QT_TRANSLATE_NOOP("EffectCategories", "Frames"),
};

// The effects the program ships, by file base name, with their display names.
struct ShippedEffect {
    std::string_view file;
    const char* name;
};
constexpr ShippedEffect kShippedEffects[] = {
    {"snow", QT_TRANSLATE_NOOP("EffectNames", "Snow")},
    {"hearts", QT_TRANSLATE_NOOP("EffectNames", "Hearts")},
    {"bubbles", QT_TRANSLATE_NOOP("EffectNames", "Bubbles")},
    {"fireworks", QT_TRANSLATE_NOOP("EffectNames", "Fireworks")},
    {"confetti", QT_TRANSLATE_NOOP("EffectNames", "Confetti")},
    {"butterfly", QT_TRANSLATE_NOOP("EffectNames", "Butterfly")},
    {"kaleidoscope", QT_TRANSLATE_NOOP("EffectNames", "Kaleidoscope")},
    //: The picture shown four times, in a 2 x 2 grid
    {"quad_view", QT_TRANSLATE_NOOP("EffectNames", "Quad view")},
    //: The picture shown nine times, in a 3 x 3 grid
    {"nine_view", QT_TRANSLATE_NOOP("EffectNames", "Nine view")},
    //: A distortion that squeezes the middle of the picture inwards
    {"pinch", QT_TRANSLATE_NOOP("EffectNames", "Pinch")},
    //: A distortion that swells the middle of the picture outwards
    {"bulge", QT_TRANSLATE_NOOP("EffectNames", "Bulge")},
    {"swirl", QT_TRANSLATE_NOOP("EffectNames", "Swirl")},
    //: Rings spreading over the picture as on water
    {"ripple", QT_TRANSLATE_NOOP("EffectNames", "Ripple")},
    //: The picture rolled round a centre (polar coordinates)
    {"polar", QT_TRANSLATE_NOOP("EffectNames", "Polar")},
    //: The picture turned slightly askew
    {"tilt", QT_TRANSLATE_NOOP("EffectNames", "Tilt")},
    {"upside_down", QT_TRANSLATE_NOOP("EffectNames", "Upside down")},
    //: A distortion: the picture's left half mirrored onto its right half
    {"mirror", QT_TRANSLATE_NOOP("EffectNames", "Mirror")},
    //: A colour filter with warmer (redder) colours
    {"warm", QT_TRANSLATE_NOOP("EffectNames", "Warm")},
    //: A colour filter with cooler (bluer) colours
    {"cool", QT_TRANSLATE_NOOP("EffectNames", "Cool")},
    //: A colour filter with strong colours
    {"vivid", QT_TRANSLATE_NOOP("EffectNames", "Vivid")},
    //: A colour filter with pale, washed-out colours
    {"faded", QT_TRANSLATE_NOOP("EffectNames", "Faded")},
    {"black_white", QT_TRANSLATE_NOOP("EffectNames", "Black and white")},
    {"emboss", QT_TRANSLATE_NOOP("EffectNames", "Emboss")},
    //: The picture made of large coloured squares (pixelated)
    {"mosaic", QT_TRANSLATE_NOOP("EffectNames", "Mosaic")},
    {"film_grain", QT_TRANSLATE_NOOP("EffectNames", "Film grain")},
    //: The picture drawn as a pencil sketch
    {"pencil", QT_TRANSLATE_NOOP("EffectNames", "Pencil")},
    //: A filter that makes the picture sharper
    {"sharpen", QT_TRANSLATE_NOOP("EffectNames", "Sharpen")},
    {"soft_focus", QT_TRANSLATE_NOOP("EffectNames", "Soft focus")},
    //: A filter that inverts the colours, as on a photographic negative
    {"negative", QT_TRANSLATE_NOOP("EffectNames", "Negative")},
    {"sepia", QT_TRANSLATE_NOOP("EffectNames", "Sepia")},
    {"old_photo", QT_TRANSLATE_NOOP("EffectNames", "Old photo")},
    //: The picture drawn as an ink drawing
    {"ink", QT_TRANSLATE_NOOP("EffectNames", "Ink")},
    //: A scene: the picture on a wall of television sets
    {"tv_wall", QT_TRANSLATE_NOOP("EffectNames", "TV wall")},
    {"billboard", QT_TRANSLATE_NOOP("EffectNames", "Billboard")},
    //: A scene: the picture hung in an art gallery
    {"gallery", QT_TRANSLATE_NOOP("EffectNames", "Gallery")},
    {"beach", QT_TRANSLATE_NOOP("EffectNames", "Beach")},
    //: A scene: the picture as a photograph lying on a table
    {"photo_table", QT_TRANSLATE_NOOP("EffectNames", "Photo table")},
    {"cinema", QT_TRANSLATE_NOOP("EffectNames", "Cinema")},
    //: A face mask: a cat's face
    {"cat", QT_TRANSLATE_NOOP("EffectNames", "Cat")},
    {"clown", QT_TRANSLATE_NOOP("EffectNames", "Clown")},
    //: A superhero's eye mask
    {"hero_mask", QT_TRANSLATE_NOOP("EffectNames", "Hero mask")},
    {"moustache", QT_TRANSLATE_NOOP("EffectNames", "Moustache")},
    {"pirate", QT_TRANSLATE_NOOP("EffectNames", "Pirate")},
    //: A face mask: a tiger's face
    {"tiger", QT_TRANSLATE_NOOP("EffectNames", "Tiger")},
    {"sunglasses", QT_TRANSLATE_NOOP("EffectNames", "Sunglasses")},
    {"party_hat", QT_TRANSLATE_NOOP("EffectNames", "Party hat")},
    {"crown", QT_TRANSLATE_NOOP("EffectNames", "Crown")},
    {"bow_tie", QT_TRANSLATE_NOOP("EffectNames", "Bow tie")},
    {"top_hat", QT_TRANSLATE_NOOP("EffectNames", "Top hat")},
    {"headphones", QT_TRANSLATE_NOOP("EffectNames", "Headphones")},
    //: A cap with a small propeller on top
    {"propeller_cap", QT_TRANSLATE_NOOP("EffectNames", "Propeller cap")},
    //: A comic-strip speech bubble beside the head
    {"speech_bubble", QT_TRANSLATE_NOOP("EffectNames", "Speech bubble")},
    {"hearts_frame", QT_TRANSLATE_NOOP("EffectNames", "Hearts frame")},
    {"gold_frame", QT_TRANSLATE_NOOP("EffectNames", "Gold frame")},
    {"film_strip", QT_TRANSLATE_NOOP("EffectNames", "Film strip")},
    //: A frame like that of an instant (self-developing) photograph
    {"instant_photo", QT_TRANSLATE_NOOP("EffectNames", "Instant photo")},
    {"vintage_oval", QT_TRANSLATE_NOOP("EffectNames", "Vintage oval")},
    {"flowers", QT_TRANSLATE_NOOP("EffectNames", "Flowers")},
};

}  // namespace

QString CategoryDisplayName(const QString& folderName) {
    return QCoreApplication::translate("EffectCategories", folderName.toUtf8().constData());
}

QString EffectDisplayName(const QString& fileBaseName) {
    const QByteArray file = fileBaseName.toUtf8();
    for (const ShippedEffect& effect : kShippedEffects)
        if (effect.file == std::string_view(file.constData(), file.size()))
            return QCoreApplication::translate("EffectNames", effect.name);
    QString name = fileBaseName;
    name.replace(u'_', u' ');
    if (!name.isEmpty()) name[0] = name[0].toUpper();
    return name;
}

}  // namespace app

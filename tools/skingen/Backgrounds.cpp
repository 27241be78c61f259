#include "Backgrounds.h"

#include <QLinearGradient>
#include <QPainter>

#include "ButtonFaces.h"
#include "Glyphs.h"
#include "SkinColours.h"
#include "app/MainLayout.h"

namespace skingen {
namespace {

using namespace colours;

QRect PlaceOf(int id) {
    const app::LayoutEntry* entry = app::FindLayoutEntry(id);
    return QRect(entry->x, entry->y, entry->width, entry->height);
}

void FillVertical(QPainter& painter, const QRect& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
}

// A two-pixel line running from the accent blue to teal.
void DrawAccentLine(QPainter& painter, int y, int width) {
    QLinearGradient gradient(0, y, width, y);
    gradient.setColorAt(0, kAccent);
    gradient.setColorAt(1, kAccentTeal);
    painter.fillRect(QRect(0, y, width, 2), gradient);
}

// A faint lens in the empty right part of the top band.
void DrawLensMark(QPainter& painter, QPointF centre) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const std::pair<double, int> rings[] = {{31, 9}, {23, 13}, {15, 18}};
    for (const auto& [radius, alpha] : rings) {
        painter.setPen(QPen(QColor(255, 255, 255, alpha), 2));
        painter.drawEllipse(centre, radius, radius);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 8));
    painter.drawEllipse(centre, 9, 9);
    painter.setBrush(QColor(255, 255, 255, 24));
    painter.drawEllipse(centre + QPointF(-4, -4), 2.6, 2.6);
    painter.restore();
}

// A dark, sunken well one pixel around `inside`, with a soft shadow below it.
void DrawWell(QPainter& painter, const QRect& inside, const QColor& fill) {
    const QRect frame = inside.adjusted(-1, -1, 1, 1);
    for (int step = 1; step <= 4; ++step)
        painter.fillRect(QRect(frame.left() + 1, frame.bottom() + step, frame.width() - 2, 1),
                         QColor(20, 30, 45, 36 - step * 8));
    painter.fillRect(frame, kPanelBorder);
    painter.fillRect(inside, fill);
}

// The small spaced capitals that name a part of the window.
QFont CaptionFont() {
    QFont caption(QStringLiteral("Liberation Sans"));
    caption.setPixelSize(10);
    caption.setBold(true);
    caption.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    return caption;
}

constexpr int kHeight = 680;
constexpr int kTopBandHeight = 100;
constexpr int kBottomBandTop = 620;

// The face both layouts share, `width` pixels wide: the bands, the preview's and the recordings
// list's wells and the clock's label. The caption above the list is for the classic face only.
QImage DrawRecorderFace(int width, bool listCaption, const BackgroundWords& words) {
    const int kWidth = width;
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);

    FillVertical(painter, QRect(0, 0, kWidth, kHeight), kBodyTop, kBodyBottom);

    // The top band: title, window controls and the big buttons.
    FillVertical(painter, QRect(0, 0, kWidth, kTopBandHeight), kBandTop, kBandBottom);
    painter.fillRect(QRect(12, 27, kWidth - 24, 1), QColor(255, 255, 255, 12));
    DrawLensMark(painter, QPointF(kWidth - 58, 62));
    DrawAccentLine(painter, kTopBandHeight - 2, kWidth);

    // The preview's well touches the band; the recordings list gets a framed well of its own,
    // with a caption above it.
    const QRect preview = PlaceOf(app::kPreview);
    painter.fillRect(QRect(preview.left() - 1, kTopBandHeight, preview.width() + 2,
                           preview.bottom() - kTopBandHeight + 1),
                     Qt::black);
    DrawWell(painter, preview, Qt::black);
    const QRect list = PlaceOf(app::kRecordingsList);
    DrawWell(painter, list, kListBack);
    painter.setFont(CaptionFont());
    painter.setPen(kMutedOnLight);
    if (listCaption)
        painter.drawText(
            QRect(list.left() + 2, preview.bottom() + 6, 200, list.top() - preview.bottom() - 8),
            Qt::AlignLeft | Qt::AlignVCenter, FittedText(painter.font(), words.recordingsCaption, 200));

    // The bottom band: the clock, the folder buttons and the status line.
    FillVertical(painter, QRect(0, kBottomBandTop, kWidth, kHeight - kBottomBandTop), kBandTop,
                 kBandBottom);
    painter.fillRect(QRect(0, kBottomBandTop, kWidth, 1), kBandLine);
    const QRect clock = PlaceOf(app::kClock);
    QFont label(QStringLiteral("Liberation Sans"));
    label.setPixelSize(11);
    painter.setFont(label);
    painter.setPen(kMutedOnDark);
    const QRect elapsedPlace(app::kStatusX, clock.top(), clock.left() - app::kStatusX - 8,
                             clock.height());
    painter.setFont(FittedFont(label, words.elapsedCaption, elapsedPlace.width()));
    painter.drawText(elapsedPlace, Qt::AlignRight | Qt::AlignVCenter,
                     FittedText(painter.font(), words.elapsedCaption, elapsedPlace.width()));
    return picture;
}

}  // namespace

QImage DrawMainBackground(const BackgroundWords& words) {
    return DrawRecorderFace(510, true, words);
}

QImage DrawStudioBackground(const BackgroundWords& words) {
    QImage picture = DrawRecorderFace(app::kStudioWidth, false, words);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The browser's wells hang from the top band like the preview's.
    for (const int id : {app::kCategoryList, app::kThumbnailGrid}) {
        const QRect well = PlaceOf(id);
        painter.fillRect(QRect(well.left() - 1, kTopBandHeight, well.width() + 2,
                               well.bottom() - kTopBandHeight + 1),
                         kListBack);
        DrawWell(painter, well, kListBack);
    }
    // The paint tools sit on a panel of their own, from the first tool to the last.
    const QRect firstTool = PlaceOf(app::kBrush);
    const QRect lastTool = PlaceOf(app::kBrush6);
    const QRect panel(firstTool.left() - 9, firstTool.top() - 7,
                      lastTool.right() - firstTool.left() + 19,
                      lastTool.bottom() - firstTool.top() + 10);
    DrawWell(painter, panel, QColor(250, 251, 253));
    painter.setFont(CaptionFont());
    painter.setPen(kMutedOnLight);
    const QRect firstWidth = PlaceOf(app::kBrush1);
    painter.drawText(QRect(firstWidth.left(), firstTool.top(), 200, firstWidth.top() - firstTool.top() - 4),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     FittedText(painter.font(), words.brushWidthCaption, 200));
    return picture;
}

QImage DrawListBackground(const BackgroundWords& words) {
    QImage picture(480, 100, QImage::Format_RGB32);
    picture.fill(kListBack);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QColor hint(176, 184, 196);
    DrawGlyph(painter, glyphs::FilmStrip, QRectF(228, 20, 24, 24), hint);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(hint);
    painter.setFont(FittedFont(font, words.emptyListHint, 470));
    painter.drawText(QRect(0, 48, 480, 18), Qt::AlignHCenter | Qt::AlignVCenter,
                     FittedText(painter.font(), words.emptyListHint, 470));
    return picture;
}

QImage DrawSourceDialogBackground() {
    constexpr int kWidth = 500, kHeight = 299;
    constexpr int kBandHeight = 32;
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&picture);
    FillVertical(painter, QRect(0, 0, kWidth, kHeight), kBodyTop, kBodyBottom);
    FillVertical(painter, QRect(0, 0, kWidth, kBandHeight), kBandTop, kBandBottom);
    DrawAccentLine(painter, kBandHeight - 2, kWidth);
    DrawGlyph(painter, glyphs::Aperture, QRectF(340, 50, 116, 116), QColor(224, 229, 236));
    painter.fillRect(QRect(16, 186, kWidth - 32, 1), QColor(214, 220, 229));
    return picture;
}

}  // namespace skingen

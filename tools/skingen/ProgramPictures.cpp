#include "ProgramPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "SkinColours.h"

namespace skingen {
namespace {

using namespace colours;

const QColor kMaskColour(255, 0, 255);

QImage TransparentImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void DrawClock(QPainter& painter, const QColor& colour) {
    painter.setPen(LinePen(colour, 1.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(12, 12), 8.5, 8.5);
    painter.drawLine(QPointF(12, 12), QPointF(12, 7));
    painter.drawLine(QPointF(12, 12), QPointF(15.5, 14));
}

struct CheckBoxLook {
    QColor border;
    QColor fill;
    enum Mark { None, Check, Bar } mark;
};

// One check box in the 16 x 16 cell at `left`. Its edge is drawn pixel-exact, so no blended
// pixel meets the transparent colour around it; the rounded corners leave that colour.
void DrawCheckBox(QImage& image, int left, const CheckBoxLook& look) {
    QPainter painter(&image);
    const QRect box(left + 1, 1, 14, 14);
    painter.fillRect(box, look.border);
    painter.fillRect(box.adjusted(1, 1, -1, -1), look.fill);
    for (const QPoint corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
        image.setPixelColor(corner, kMaskColour);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(box.adjusted(1, 1, -1, -1));
    painter.setPen(LinePen(Qt::white, 2.0));
    if (look.mark == CheckBoxLook::Check) {
        const QPointF points[] = {{left + 4.2, 8.2}, {left + 6.8, 10.8}, {left + 11.8, 5.2}};
        painter.drawPolyline(points, 3);
    } else if (look.mark == CheckBoxLook::Bar) {
        painter.drawLine(QPointF(left + 4.5, 8), QPointF(left + 11.5, 8));
    }
}

}  // namespace

QImage DrawApplicationIcon(int size) {
    QImage icon = TransparentImage(size, size);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;

    const QRectF tile(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
    QLinearGradient tileFill(tile.topLeft(), tile.bottomRight());
    tileFill.setColorAt(0, QColor(64, 146, 255));
    tileFill.setColorAt(1, QColor(104, 66, 226));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tileFill);
    painter.drawRoundedRect(tile, s * 0.22, s * 0.22);
    QLinearGradient sheen(tile.topLeft(), QPointF(tile.left(), tile.center().y()));
    sheen.setColorAt(0, QColor(255, 255, 255, 60));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(sheen);
    painter.drawRoundedRect(tile, s * 0.22, s * 0.22);

    // The lens: a light barrel, a dark ring and a blue glass with a glint.
    const QPointF centre(s * 0.5, s * 0.53);
    painter.setBrush(QColor(244, 247, 251));
    painter.drawEllipse(centre, s * 0.31, s * 0.31);
    painter.setBrush(QColor(27, 33, 48));
    painter.drawEllipse(centre, s * 0.245, s * 0.245);
    QRadialGradient glass(centre - QPointF(s * 0.05, s * 0.05), s * 0.2);
    glass.setColorAt(0, QColor(84, 190, 255));
    glass.setColorAt(0.6, QColor(30, 90, 190));
    glass.setColorAt(1, QColor(14, 26, 54));
    painter.setBrush(glass);
    painter.drawEllipse(centre, s * 0.17, s * 0.17);
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawEllipse(centre - QPointF(s * 0.065, s * 0.065), s * 0.045, s * 0.045);

    // The recording dot.
    const QPointF dot(s * 0.79, s * 0.21);
    painter.setBrush(Qt::white);
    painter.drawEllipse(dot, s * 0.105, s * 0.105);
    painter.setBrush(kRed);
    painter.drawEllipse(dot, s * 0.075, s * 0.075);
    return icon;
}

QImage DrawCategoryIcon(const Glyph& glyph, const QColor& tileColour) {
    QImage icon = TransparentImage(32, 32);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(1, 1, 30, 30);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, tileColour.lighter(118));
    fill.setColorAt(1, tileColour);
    painter.setPen(QPen(tileColour.darker(115), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
    DrawGlyph(painter, glyph, QRectF(5, 5, 22, 22), Qt::white);
    return icon;
}

QImage DrawListHeaderBack() {
    QImage strip(8, 28, QImage::Format_RGB32);
    QPainter painter(&strip);
    QLinearGradient fill(0, 0, 0, 27);
    fill.setColorAt(0, QColor(255, 255, 255));
    fill.setColorAt(1, QColor(232, 236, 242));
    painter.fillRect(strip.rect(), fill);
    painter.fillRect(QRect(0, 27, 8, 1), QColor(198, 206, 216));
    return strip;
}

QImage DrawRecordingRowIcons() {
    QImage icons(64, 16, QImage::Format_RGB32);
    icons.fill(Qt::white);
    QPainter painter(&icons);
    const Glyph glyphsInOrder[] = {glyphs::FilmStrip, glyphs::Webcam, DrawClock, glyphs::Folder};
    const QColor colour(52, 64, 84);
    for (int index = 0; index < 4; ++index)
        DrawGlyph(painter, glyphsInOrder[index], QRectF(index * 16, 0, 16, 16), colour);
    return icons;
}

QImage DrawCheckBoxes() {
    const QColor blue(61, 139, 255), blueEdge(40, 108, 210);
    const CheckBoxLook looks[] = {
        {QColor(138, 150, 168), Qt::white, CheckBoxLook::None},
        {blueEdge, blue, CheckBoxLook::Check},
        {kAccent, QColor(238, 245, 255), CheckBoxLook::None},
        {blueEdge, QColor(96, 162, 255), CheckBoxLook::Check},
        {QColor(196, 203, 213), QColor(242, 244, 247), CheckBoxLook::None},
        {QColor(176, 189, 207), QColor(196, 210, 228), CheckBoxLook::Check},
        {blueEdge, blue, CheckBoxLook::Bar},
        {QColor(176, 189, 207), QColor(196, 210, 228), CheckBoxLook::Bar},
    };
    QImage boxes(16 * 8, 16, QImage::Format_RGB32);
    boxes.fill(kMaskColour);
    for (int index = 0; index < 8; ++index) DrawCheckBox(boxes, index * 16, looks[index]);
    return boxes;
}

QImage DrawHeaderCheckBoxes() {
    return DrawCheckBoxes().copy(0, 0, 32, 16);
}

}  // namespace skingen

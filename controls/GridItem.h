#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

class QPainter;

namespace controls {

// An item window of a scrolling grid that shows a bitmap file. It rests at the place its grid
// gives it; when the pointer first moves over it, it is lifted 2 pixels towards the top left and
// waits for the pointer to leave; a left or right press on a lifted item sinks it back into its
// cell, and releasing the left button lifts it again. Every left or right press is reported with
// LeftClicked or RightClicked, hovered or not; double clicks are swallowed. The lift is kept when
// the grid places its items again (after a scroll, for instance), so an item never ends up away
// from its cell.
class GridItem : public QWidget {
    Q_OBJECT
public:
    bool HasBitmap() const { return !bitmap_.isNull(); }
    const QString& GetPath() const { return path_; }

    void PlaceAt(QPoint rest);
    QPoint RestPlace() const { return restPlace_; }
    bool IsLifted() const { return lift_ != QPoint(); }
    // The pointer is over the item and the item waits for it to leave.
    bool IsHovered() const { return hovered_; }
    // A button went down on the hovered item and has not come up or left yet.
    bool IsPressed() const { return pressed_; }

    // Drops the hover look without moving the item; the next mouse move over it lifts it again.
    void CancelHover();
    // Whether the item shows the keyboard's focus; its grid sets it.
    void SetFocusMark(bool on);
    bool HasFocusMark() const { return focusMark_; }

signals:
    // Emitted at the press of the button, before the press handling returns. Receivers connected
    // directly run synchronously and may call CancelHover or remove the item.
    void LeftClicked(GridItem* item);
    void RightClicked(GridItem* item);

protected:
    // Loads the bitmap file at path, stretched to bitmapSize (an empty size keeps the file's
    // size). A file that is missing or not a bitmap leaves the item without a bitmap.
    GridItem(const QString& path, QSize bitmapSize, QWidget* parent);

    const QImage& Bitmap() const { return bitmap_; }

    void leaveEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Draws the keyboard's focus around the item, when it has the mark; at the end of painting.
    void PaintFocusMark(QPainter& painter) const;
    // What a left press on a hovered item does besides sinking it.
    virtual void OnLeftPress() {}

private:
    void Lift();  // 2 pixels up and 2 left of where it is
    void Sink();  // 2 pixels down and 2 right of where it is

    QString path_;
    QImage bitmap_;
    QPoint restPlace_;
    QPoint lift_;
    bool hovered_ = false;
    bool pressed_ = false;
    bool focusMark_ = false;
};

}  // namespace controls

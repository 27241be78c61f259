#pragma once

#include <QImage>
#include <QString>

#include "controls/CThumbNailControl.h"

namespace controls {

// An item of the current-effects table: a flat button showing a small thumbnail and the file name
// of its picture. It lifts itself by 2 pixels while the pointer is over it, sinks back when
// pressed, and reports presses with LeftClicked and RightClicked. It carries the full path of its
// picture, which tells its owner which effect it stands for.
class CCustomButton : public GridItem {
    Q_OBJECT
public:
    enum State { kNormal = 0, kHighlighted = 1 };

    // The part of the picture that is shown, shrunk to half its size at (2, 2).
    static constexpr int kShownWidth = 72;
    static constexpr int kShownHeight = 54;

    // Loads the picture at path stretched to loadWidth x loadHeight. A file that is missing or not
    // a bitmap leaves the button without a bitmap (its owner then discards it).
    CCustomButton(const QString& path, int loadWidth, int loadHeight, QWidget* parent = nullptr);

    bool HasBitmap() const { return !bitmap.isNull(); }
    const QString& GetPath() const { return path; }
    // The file name with its extension, without folders.
    const QString& Label() const { return label; }

    // 0 normal, 1 highlighted; repaints.
    void SetState(int newState);
    int State() const { return state; }

    // Drops the hover look without moving the button; the next mouse move over it lifts it again.
    void CancelHover();
    bool IsTracking() const { return tracking; }
    bool IsPressed() const { return pressed; }

signals:
    // Emitted at the press of the button, before its press handling returns. Receivers connected
    // directly run synchronously and may call CancelHover or remove the item.
    void LeftClicked(CCustomButton* item);
    void RightClicked(CCustomButton* item);

protected:
    void leaveEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool tracking = false;  // lifted, waiting for the pointer to leave
    bool pressed = false;
    int state = kNormal;
    QString label;
    QImage bitmap;
    QString path;
};

}  // namespace controls

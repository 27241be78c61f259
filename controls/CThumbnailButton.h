#pragma once

#include <QSize>
#include <QString>

#include "controls/GridItem.h"

namespace controls {

// One thumbnail of the effect browser's grid: a bitmap file shown centred in a framed cell, with
// a bluish frame while the pointer is over it.
class CThumbnailButton : public GridItem {
    Q_OBJECT
public:
    // Loads the bitmap file at path, stretched to bitmapSize. A file that is missing or not a
    // bitmap leaves the button without a bitmap.
    CThumbnailButton(const QString& path, QSize bitmapSize, QWidget* parent = nullptr);

    QSize BitmapSize() const { return Bitmap().size(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace controls

#pragma once

#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QPixmap>
#include <QString>

#include <vector>

namespace controls {

// The column header of the check-box list. It paints itself over a background picture stretched
// to its size: each heading with its image (the check-all box) and its text, separators between
// the headings, and a raised frame around them. Headings come from the model's header data
// (text, alignment and the image index, kHeaderImageRole of CheckListModel).
class CCheckListHeader : public QHeaderView {
    Q_OBJECT
public:
    static constexpr int kItemSpacing = 6;  // margin around a heading's image and text
    static constexpr int kTextHeight = 16;  // cell height of the heading text's font
    static constexpr QRgb kTextColour = 0x464646;

    explicit CCheckListHeader(QWidget* parent = nullptr);

    // The background picture from the program's bitmap resource `resourceId`, or from a file.
    // A picture that cannot be loaded leaves the current one and returns false.
    bool SetBackgroundBitmap(int resourceId, bool repaint);
    bool SetBackgroundImage(const QString& path, bool repaint);

    // The images a heading's image index refers to (for check-all boxes: unchecked, checked).
    void SetImageList(std::vector<QPixmap> images);
    int ImageCount() const { return static_cast<int>(images_.size()); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void PaintHeading(QPainter& painter, int logicalIndex, const QRect& sectionRect) const;
    QSize ImageSize() const;

    QPixmap background_;
    std::vector<QPixmap> images_;
    QFont textFont_;
};

}  // namespace controls

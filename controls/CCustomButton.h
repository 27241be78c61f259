#pragma once

#include <QFont>
#include <QString>

#include "controls/GridItem.h"

namespace controls {

// An item of the current-effects table: a flat button showing a small thumbnail and the file name
// of its picture. It carries the full path of its picture, which tells its owner which effect it
// stands for. A left press on the hovered button also highlights it; only its owner clears that.
class CCustomButton : public GridItem {
    Q_OBJECT
public:
    enum State { kNormal = 0, kHighlighted = 1 };

    // The part of the picture that is shown, shrunk to half its size at (2, 2).
    static constexpr int kShownWidth = 72;
    static constexpr int kShownHeight = 54;
    static constexpr int kLabelCellHeight = 14;

    // Loads the picture at path stretched to loadWidth x loadHeight. A file that is missing or not
    // a bitmap leaves the button without a bitmap (its owner then discards it).
    CCustomButton(const QString& path, int loadWidth, int loadHeight, QWidget* parent = nullptr);

    // The file name with its extension, without folders.
    const QString& Label() const { return label_; }
    // The serif font the label is drawn in, with a character cell kLabelCellHeight pixels high.
    static QFont LabelFont();

    // 0 normal, 1 highlighted; repaints.
    void SetState(int newState);
    int State() const { return state_; }

protected:
    void OnLeftPress() override;
    void paintEvent(QPaintEvent* event) override;

private:
    int state_ = kNormal;
    QString label_;
};

}  // namespace controls

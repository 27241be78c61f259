#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QString>

namespace controls {

// The skinned push button: it draws one of three pictures, stretched to its size, and nothing
// else: the click picture while pressed, the hover picture while the mouse is over it, the
// normal picture otherwise. A picture that could not be loaded draws nothing, so the parent's
// background shows. Clicks reach the owner through clicked(). The keyboard reaches it with Tab
// (a click leaves the focus where it was); it then shows a focus frame, and Space or Enter
// press it.
class CHoverButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Picture { Normal, Hover, Click };
    // What the button is to a screen reader: a push button, a button that stays pressed while
    // its mode is on (a toggle), or a tab of a set of pages.
    enum class Kind { Push, Toggle, Tab };

    explicit CHoverButton(QWidget* parent = nullptr);

    // Loads the three pictures from files and replaces the current ones. A file that cannot be
    // loaded leaves that picture empty. Repaints the button.
    void SetPictures(const QString& normalPath, const QString& hoverPath, const QString& clickPath);
    // The same with pictures at hand.
    void SetPictures(const QPixmap& normal, const QPixmap& hover, const QPixmap& click);

    // The tooltip text, shown only while activate is true; a null text changes nothing. Setting
    // it again replaces the text of the one tooltip.
    void SetTooltipText(const QString& text, bool activate);

    // The picture a repaint would draw now.
    Picture CurrentPicture() const;
    bool IsHovering() const { return hover_; }
    // The picture drawn in state `picture`; null when its file could not be loaded.
    const QPixmap& PictureFor(Picture picture) const;

    QSize sizeHint() const override;

    void SetKind(Kind kind) { kind_ = kind; }
    Kind GetKind() const { return kind_; }
    // For a toggle or a tab: whether its mode or page is on (its owner shows that in the
    // pictures it gives). Screen readers are told of the change.
    void SetActive(bool active);
    bool IsActive() const { return active_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool hover_ = false;
    Kind kind_ = Kind::Push;
    bool active_ = false;
    QPixmap normalPicture_;
    QPixmap hoverPicture_;
    QPixmap clickPicture_;
};

}  // namespace controls

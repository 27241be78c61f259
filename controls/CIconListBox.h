#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>

#include <limits>
#include <vector>

namespace controls {

// A list of entries 40 pixels high, each an icon and a one-line name; the effect category list.
// The list keeps the chosen entry ("current") itself and announces each change of it with
// ShowCategory, once per change: a mouse press only marks the entry under the pointer, and the
// change is announced when the button is released; Up, Down, Home and End move the choice and
// announce it at once.
class CIconListBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kEntryHeight = 40;
    static constexpr int kIconSize = 32;
    static constexpr int kMaxNameLength = 255;  // longer names are cut to this many characters

    explicit CIconListBox(QWidget* parent = nullptr);

    // Appends an entry; returns its position.
    int AddEntry(const QString& name, const QIcon& icon);
    // With the edge option on, a sunken edge is drawn along the bottom of each entry.
    void SetEdgeOption(bool on);
    bool EdgeOption() const { return edgeOption_; }

    // Makes index the current entry and announces the change. An index outside the list leaves
    // no entry current (-1).
    void Select(int index);
    int CurrentIndex() const { return current_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    // The name of the entry at index; empty outside the list.
    QString NameAt(int index) const;
    // The entry drawn as selected: the current one, or the one under a pressed mouse button.
    int MarkedIndex() const { return marked_; }

    // The rectangle of an entry, in the coordinates of the list's viewport.
    QRect EntryRect(int index) const;
    // The entry nearest to a viewport position; a position below the last entry gives the last
    // one. -1 for an empty list.
    int NearestEntry(QPoint position) const;

signals:
    // The current entry changed. The list emits it from inside its own event handling; connect it
    // with Qt::QueuedConnection so the receiver runs after that handling, as a posted notice.
    void ShowCategory();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Entry {
        QString name;
        QIcon icon;
    };

    struct FittedName {
        QFont font;
        QString text;
    };
    // The name as it is drawn in `width` pixels.
    FittedName FitName(const QString& name, int width) const;
    void NotifyChange();
    void Mark(int index);
    void DrawEntry(QPainter& painter, int index) const;
    void UpdateScrollRange();

    std::vector<Entry> entries_;
    bool edgeOption_ = true;
    int current_ = -1;
    int marked_ = -1;
    // The entry last announced; starts at a value no entry has, so the first choice is announced.
    int lastNotified_ = std::numeric_limits<int>::min();
};

}  // namespace controls

#include "controls/CIconListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>

#include <algorithm>

namespace controls {

namespace {
constexpr QRgb kSelectionColour = qRgb(0, 0, 255);
constexpr QRgb kBackgroundColour = qRgb(255, 255, 255);
constexpr QRgb kSelectedTextColour = qRgb(255, 255, 255);
constexpr QRgb kTextColour = qRgb(0, 0, 0);
// A sunken edge along the bottom of a rectangle: a light line above a white one.
constexpr QRgb kEdgeInnerColour = qRgb(227, 227, 227);
constexpr QRgb kEdgeOuterColour = qRgb(255, 255, 255);
constexpr QPoint kIconPlace(2, 2);
constexpr int kTextLeft = 44;  // the name's rectangle, relative to the entry's top left corner
constexpr int kTextTop = 12;

void DrawSunkenBottomEdge(QPainter& painter, const QRect& area) {
    const int bottom = area.y() + area.height();
    painter.setPen(QColor(kEdgeInnerColour));
    painter.drawLine(area.left(), bottom - 2, area.right(), bottom - 2);
    painter.setPen(QColor(kEdgeOuterColour));
    painter.drawLine(area.left(), bottom - 1, area.right(), bottom - 1);
}
}  // namespace

CIconListBox::CIconListBox(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(kEntryHeight);
}

int CIconListBox::AddEntry(const QString& name, const QIcon& icon) {
    entries_.push_back({name.left(kMaxNameLength), icon});
    UpdateScrollRange();
    viewport()->update(EntryRect(Count() - 1));
    return Count() - 1;
}

void CIconListBox::SetEdgeOption(bool on) {
    edgeOption_ = on;
    viewport()->update();
}

void CIconListBox::Select(int index) {
    if (index < 0 || index >= Count()) index = -1;
    current_ = index;
    Mark(index);
    if (index >= 0) {
        const QRect place = EntryRect(index);
        QScrollBar* bar = verticalScrollBar();
        if (place.top() < 0)
            bar->setValue(bar->value() + place.top());
        else if (place.bottom() >= viewport()->height())
            bar->setValue(bar->value() + place.bottom() + 1 - viewport()->height());
    }
    NotifyChange();
}

QString CIconListBox::NameAt(int index) const {
    return index >= 0 && index < Count() ? entries_[index].name : QString();
}

QRect CIconListBox::EntryRect(int index) const {
    if (index < 0 || index >= Count()) return {};
    return QRect(0, index * kEntryHeight - verticalScrollBar()->value(), viewport()->width(),
                 kEntryHeight);
}

int CIconListBox::NearestEntry(QPoint position) const {
    if (entries_.empty()) return -1;
    const int contentY = position.y() + verticalScrollBar()->value();
    return std::clamp(contentY < 0 ? 0 : contentY / kEntryHeight, 0, Count() - 1);
}

void CIconListBox::NotifyChange() {
    if (current_ == lastNotified_) return;
    lastNotified_ = current_;
    emit ShowCategory();
}

void CIconListBox::Mark(int index) {
    if (index == marked_) return;
    viewport()->update(EntryRect(marked_));
    marked_ = index;
    viewport()->update(EntryRect(marked_));
}

void CIconListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Mark(NearestEntry(event->position().toPoint()));
}

void CIconListBox::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) Mark(NearestEntry(event->position().toPoint()));
}

void CIconListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || entries_.empty()) return;
    current_ = NearestEntry(event->position().toPoint());
    Mark(current_);
    NotifyChange();
}

void CIconListBox::keyPressEvent(QKeyEvent* event) {
    if (entries_.empty()) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const int from = marked_;
    switch (event->key()) {
        case Qt::Key_Up:
            Select(from < 0 ? 0 : std::max(0, from - 1));
            break;
        case Qt::Key_Down:
            Select(std::min(Count() - 1, from + 1));
            break;
        case Qt::Key_Home:
            Select(0);
            break;
        case Qt::Key_End:
            Select(Count() - 1);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
    }
}

void CIconListBox::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}

void CIconListBox::UpdateScrollRange() {
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(viewport()->height());
    bar->setRange(0, std::max(0, Count() * kEntryHeight - viewport()->height()));
}

void CIconListBox::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), QColor(kBackgroundColour));
    for (int index = 0; index < Count(); ++index) {
        if (EntryRect(index).intersects(viewport()->rect())) DrawEntry(painter, index);
    }
}

void CIconListBox::DrawEntry(QPainter& painter, int index) const {
    const QRect entry = EntryRect(index);
    const bool selected = index == marked_;
    QRgb textColour = kTextColour;
    if (selected) {
        painter.setPen(Qt::black);
        painter.drawRect(entry.adjusted(0, 0, -1, -1));
        const QRect inner = entry.adjusted(1, 1, -1, -1);
        painter.fillRect(inner, QColor(kSelectionColour));
        if (edgeOption_) DrawSunkenBottomEdge(painter, inner);
        textColour = kSelectedTextColour;
    } else {
        painter.fillRect(entry, QColor(kBackgroundColour));
        if (edgeOption_) DrawSunkenBottomEdge(painter, entry);
    }
    const Entry& record = entries_[index];
    painter.drawPixmap(QRect(entry.topLeft() + kIconPlace, QSize(kIconSize, kIconSize)),
                       record.icon.pixmap(kIconSize, kIconSize));
    painter.setPen(QColor(textColour));
    const QRect textArea(entry.left() + kTextLeft, entry.top() + kTextTop,
                         entry.width() - kTextLeft, entry.height() - 4);
    const FittedName fitted = FitName(record.name, textArea.width());
    painter.save();
    painter.setFont(fitted.font);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, fitted.text);
    painter.restore();
    // The keyboard's place in the list, while the list has the focus.
    if (hasFocus() && index == current_) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = entry.adjusted(2, 2, -2, -2);
        focus.backgroundColor = selected ? QColor(kSelectionColour) : QColor(kBackgroundColour);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

CIconListBox::FittedName CIconListBox::FitName(const QString& name, int width) const {
    // A name longer than its place gets smaller type, down to three quarters of the list's, and
    // is shortened with an ellipsis only where even that does not fit.
    QFont font = this->font();
    if (QFontMetrics(font).horizontalAdvance(name) <= width) return {font, name};
    const int size = QFontInfo(font).pixelSize();
    for (int smaller = size - 1; smaller >= size * 3 / 4; --smaller) {
        font.setPixelSize(smaller);
        if (QFontMetrics(font).horizontalAdvance(name) <= width) break;
    }
    return {font, QFontMetrics(font).elidedText(name, Qt::ElideRight, width)};
}

bool CIconListBox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // A shortened name is shown whole in a tooltip.
        const auto* help = static_cast<QHelpEvent*>(event);
        const int index = NearestEntry(viewport()->mapFrom(this, help->pos()));
        const QRect entry = EntryRect(index);
        if (index >= 0 && entry.contains(viewport()->mapFrom(this, help->pos())) &&
            FitName(entries_[index].name, entry.width() - kTextLeft).text != entries_[index].name) {
            QToolTip::showText(help->globalPos(), entries_[index].name, this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QAbstractScrollArea::event(event);
}

void CIconListBox::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update(EntryRect(current_));
}

void CIconListBox::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update(EntryRect(current_));
}

}  // namespace controls

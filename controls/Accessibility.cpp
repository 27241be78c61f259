#include "controls/Accessibility.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <map>

#include "controls/CCustomButton.h"
#include "controls/CCustomTableControl.h"
#include "controls/CHoverButton.h"
#include "controls/CIconListBox.h"
#include "controls/GridItem.h"
#include "controls/ScrollingItemGrid.h"

namespace controls {
namespace {

constexpr const char* kRoleProperty = "quenvalorAccessibleRole";

QAccessible::Role RoleOfKind(CHoverButton::Kind kind) {
    return kind == CHoverButton::Kind::Tab ? QAccessible::PageTab : QAccessible::Button;
}

// A skinned button: a push button, a toggle that stays pressed while its mode is on, or a tab.
class HoverButtonAccessible : public QAccessibleWidget {
public:
    explicit HoverButtonAccessible(CHoverButton* button)
        : QAccessibleWidget(button, RoleOfKind(button->GetKind())) {}

    CHoverButton* Button() const { return static_cast<CHoverButton*>(widget()); }

    QAccessible::Role role() const override { return RoleOfKind(Button()->GetKind()); }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        switch (Button()->GetKind()) {
            case CHoverButton::Kind::Push:
                state.pressed = Button()->isDown();
                break;
            case CHoverButton::Kind::Toggle:
                state.checkable = true;
                state.checked = Button()->IsActive();
                state.pressed = Button()->IsActive() || Button()->isDown();
                break;
            case CHoverButton::Kind::Tab:
                state.selectable = true;
                state.selected = Button()->IsActive();
                break;
        }
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{Button()->GetKind() == CHoverButton::Kind::Toggle ? toggleAction()
                                                                             : pressAction()} +
               QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction()) {
            // After the reply: a click that opens a modal dialog would hold the screen reader's
            // call until the dialog closes.
            QMetaObject::invokeMethod(Button(), &QAbstractButton::click, Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

// An entry of the category list: it has no widget of its own.
class IconListEntryAccessible : public QAccessibleInterface {
public:
    IconListEntryAccessible(CIconListBox* list, int index) : list_(list), index_(index) {}

    bool isValid() const override { return list_ && index_ < list_->Count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return list_ && list_->window() ? list_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(list_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? list_->NameAt(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect entry = list_->EntryRect(index_);
        return QRect(list_->viewport()->mapToGlobal(entry.topLeft()), entry.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) return state;
        state.selectable = true;
        state.focusable = true;
        state.selected = list_->CurrentIndex() == index_;
        state.focused = state.selected && list_->hasFocus();
        const QRect entry = list_->EntryRect(index_);
        state.invisible = !list_->isVisible() || !list_->viewport()->rect().intersects(entry);
        state.offscreen = state.invisible;
        return state;
    }

private:
    QPointer<CIconListBox> list_;
    int index_;
};

// The category list: its entries are its children.
class IconListAccessible : public QAccessibleWidget {
public:
    explicit IconListAccessible(CIconListBox* list) : QAccessibleWidget(list, QAccessible::List) {}
    ~IconListAccessible() override {
        for (const auto& [index, id] : entries_) QAccessible::deleteAccessibleInterface(id);
    }

    CIconListBox* List() const { return static_cast<CIconListBox*>(widget()); }

    int childCount() const override { return List()->Count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= List()->Count()) return nullptr;
        const auto known = entries_.find(index);
        if (known != entries_.end()) return QAccessible::accessibleInterface(known->second);
        auto* entry = new IconListEntryAccessible(List(), index);
        entries_[index] = QAccessible::registerAccessibleInterface(entry);
        return entry;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [index, id] : entries_)
            if (QAccessible::accessibleInterface(id) == child) return index;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = List()->viewport()->mapFromGlobal(QPoint(x, y));
        const int index = List()->NearestEntry(local);
        return List()->EntryRect(index).contains(local) ? child(index) : nullptr;
    }

private:
    mutable std::map<int, QAccessible::Id> entries_;
};

// A grid of items (the thumbnails, the current effects): the items are its children, whatever
// window of the scroll area holds them.
class GridAccessible : public QAccessibleWidget {
public:
    explicit GridAccessible(ScrollingItemGrid* grid) : QAccessibleWidget(grid, QAccessible::List) {}

    ScrollingItemGrid* Grid() const { return static_cast<ScrollingItemGrid*>(widget()); }

    int childCount() const override { return Grid()->ItemCount(); }
    QAccessibleInterface* child(int index) const override {
        return Grid()->Item(index) ? QAccessible::queryAccessibleInterface(Grid()->Item(index))
                                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < Grid()->ItemCount(); ++index)
            if (child && child->object() == Grid()->Item(index)) return index;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int index = 0; index < Grid()->ItemCount(); ++index) {
            GridItem* item = Grid()->Item(index);
            if (item->isVisible() &&
                QRect(item->mapToGlobal(QPoint()), item->size()).contains(x, y))
                return child(index);
        }
        return nullptr;
    }
};

// An item of a grid: a list entry named by what it shows; pressing it acts as a left click.
class GridItemAccessible : public QAccessibleWidget {
public:
    explicit GridItemAccessible(GridItem* item) : QAccessibleWidget(item, QAccessible::ListItem) {}

    GridItem* Item() const { return static_cast<GridItem*>(widget()); }
    ScrollingItemGrid* Grid() const {
        QWidget* viewport = Item()->parentWidget();
        return viewport ? qobject_cast<ScrollingItemGrid*>(viewport->parentWidget()) : nullptr;
    }

    QAccessibleInterface* parent() const override {
        return Grid() ? QAccessible::queryAccessibleInterface(Grid()) : QAccessibleWidget::parent();
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.focusable = true;
        state.focused = Item()->HasFocusMark();
        if (const auto* effect = qobject_cast<CCustomButton*>(Item()))
            state.selected = effect->State() == CCustomButton::kHighlighted;
        else
            state.selected = Item()->HasFocusMark();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && Grid()) {
            QMetaObject::invokeMethod(
                Grid(),
                [grid = QPointer(Grid()), item = QPointer(Item())] {
                    if (grid && item) grid->ActivateItem(item);
                },
                Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("controls::CHoverButton"))
        return new HoverButtonAccessible(static_cast<CHoverButton*>(widget));
    if (className == QLatin1String("controls::CIconListBox"))
        return new IconListAccessible(static_cast<CIconListBox*>(widget));
    if (className == QLatin1String("controls::ScrollingItemGrid"))
        return new GridAccessible(static_cast<ScrollingItemGrid*>(widget));
    if (className == QLatin1String("controls::GridItem"))
        return new GridItemAccessible(static_cast<GridItem*>(widget));
    if (className == QLatin1String("QWidget")) {
        const QVariant role = widget->property(kRoleProperty);
        if (role.isValid())
            return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
    }
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&MakeInterface);
        return true;
    }();
    (void)installed;
}

void SetAccessibleRole(QWidget* widget, QAccessible::Role role) {
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void AnnounceNameChange(QWidget* widget) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace controls

#include "Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <functional>
#include <QHash>
#include <QItemSelection>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QVariant>
#include <QWindow>

#include "Arrow.h"
#include "ArrowButton.h"
#include "CandidateList.h"
#include "PageControl.h"
#include "ScrollingLabel.h"

namespace ferrino::a11y {

namespace {

// The property that marks a field named by the single part it holds.
constexpr char kOnePartBox[] = "ferrinoOnePartBox";
// The property that marks a drop-down box named by the label beside it.
constexpr char kLabelledBox[] = "ferrinoLabelledBox";
// The property set on a widget between its focus-in and the event telling its current child.
constexpr char kFocusChildPending[] = "ferrinoFocusChildPending";

// A rectangle of `widget`'s coordinates, on the screen.
QRect OnScreen(const QWidget* widget, const QRect& rect) {
    return rect.isValid() ? QRect(widget->mapToGlobal(rect.topLeft()), rect.size()) : QRect();
}

QWindow* WindowOf(const QWidget* widget) {
    return widget && widget->window() ? widget->window()->windowHandle() : nullptr;
}

void Send(QAccessibleEvent& event) { QAccessible::updateAccessibility(&event); }

// The widget's children as assistive technologies see them: the decorative
// arrows are left out.
bool IsDecorative(const QObject* object) { return qobject_cast<const TArrow*>(object) != nullptr; }

QList<QWidget*> ExposedChildren(const QWidget* parent) {
    QList<QWidget*> children;
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && !IsDecorative(child)) children << child;
    }
    return children;
}

// An interface that lives in the cache without an object of its own (a tab, a
// row, a message): the container that made it keeps its id and deletes it.
QAccessibleInterface* Registered(QHash<int, QAccessible::Id>& ids, int key,
                                 const std::function<QAccessibleInterface*()>& make) {
    if (const QAccessible::Id id = ids.value(key)) return QAccessible::accessibleInterface(id);
    QAccessibleInterface* made = make();
    ids.insert(key, QAccessible::registerAccessibleInterface(made));
    return made;
}

void Forget(QHash<int, QAccessible::Id>& ids) {
    const QHash<int, QAccessible::Id> old = std::exchange(ids, {});
    for (QAccessible::Id id : old) QAccessible::deleteAccessibleInterface(id);
}

// What every leaf without an object of its own has in common.
class TLeaf : public QAccessibleInterface {
public:
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
};

// ---- a widget's children without its decorations ---------------------------

// A container whose decorative children (the arrows) are left out: a page of
// the page control, named by its tab.
class TAccessiblePage : public QAccessibleWidget {
public:
    explicit TAccessiblePage(QWidget* page) : QAccessibleWidget(page, QAccessible::Pane) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return Caption();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(ExposedChildren(widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = ExposedChildren(widget());
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || !child->object()) return -1;
        return static_cast<int>(ExposedChildren(widget()).indexOf(qobject_cast<QWidget*>(child->object())));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QList<QWidget*> children = ExposedChildren(widget());
        for (qsizetype i = children.size() - 1; i >= 0; --i) {  // the topmost first
            QWidget* child = children[i];
            if (child->isVisible() && OnScreen(widget(), child->geometry()).contains(x, y))
                return QAccessible::queryAccessibleInterface(child);
        }
        return nullptr;
    }

    // The page control a page belongs to: the page lies in its stack.
    static TPageControl* ControlOf(const QWidget* page) {
        const QWidget* stack = qobject_cast<const QStackedWidget*>(page->parentWidget());
        return stack ? qobject_cast<TPageControl*>(stack->parentWidget()) : nullptr;
    }

private:
    QString Caption() const {
        if (TPageControl* control = ControlOf(widget()))
            for (int i = 0; i < control->count(); ++i)
                if (control->widget(i) == widget()) return control->TabBar()->Caption(i);
        return {};
    }
};

// An arrow: drawn only to link a part of a number to its label, which
// already names it. It is in no container's children and never showing.
class TAccessibleDecoration : public QAccessibleWidget {
public:
    explicit TAccessibleDecoration(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Graphic) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.focusable = false;
        return s;
    }
};

// ---- the page tabs -----------------------------------------------------------

class TAccessibleTab : public TLeaf, public QAccessibleActionInterface {
public:
    TAccessibleTab(TWrapTabBar* bar, int index) : bar_(bar), index_(index) {}

    bool isValid() const override { return bar_ && index_ < bar_->Count(); }
    QWindow* window() const override { return WindowOf(bar_); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_.data()); }
    QString text(QAccessible::Text t) const override {
        return isValid() && t == QAccessible::Name ? bar_->Caption(index_) : QString();
    }
    QRect rect() const override { return isValid() ? OnScreen(bar_, bar_->TabRect(index_)) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.focusable = bar_->focusPolicy() != Qt::NoFocus;
        s.selected = index_ == bar_->Current();
        s.focused = s.selected && bar_->hasFocus();
        s.invisible = !bar_->isVisible();
        s.disabled = !bar_->isEnabled();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    // "Press" shows the page, as a click on the tab does.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (isValid() && name == pressAction()) emit bar_->tabChosen(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    const TWrapTabBar* Bar() const { return bar_; }
    int Index() const { return index_; }

private:
    QPointer<TWrapTabBar> bar_;
    int index_;
};

class TAccessibleTabBar : public QAccessibleWidget {
public:
    explicit TAccessibleTabBar(TWrapTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TAccessibleTabBar() override { Forget(tabs_); }

    TWrapTabBar* Bar() const { return static_cast<TWrapTabBar*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return QStringLiteral("Pages");
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return QStringLiteral("Ctrl+Tab : page suivante, Ctrl+Maj+Tab : page précédente");
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return Bar()->Count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= Bar()->Count()) return nullptr;
        return Registered(tabs_, index, [&] { return new TAccessibleTab(Bar(), index); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* tab = dynamic_cast<const TAccessibleTab*>(child);
        return tab && tab->Bar() == Bar() ? tab->Index() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = Bar()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < Bar()->Count(); ++i)
            if (Bar()->TabRect(i).contains(at)) return child(i);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return Bar()->hasFocus() ? child(Bar()->Current()) : nullptr;
    }

private:
    mutable QHash<int, QAccessible::Id> tabs_;
};

// ---- the lists ---------------------------------------------------------------

class TAccessibleRow : public TLeaf, public QAccessibleActionInterface {
public:
    TAccessibleRow(TCandidateList* list, int row) : list_(list), row_(row) {}

    bool isValid() const override { return list_ && row_ < list_->Count(); }
    QWindow* window() const override { return WindowOf(list_); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(list_.data()); }
    // The row as shown; the country rows end with a tab that nobody needs to hear.
    QString text(QAccessible::Text t) const override {
        return isValid() && t == QAccessible::Name ? list_->RowText(row_).trimmed() : QString();
    }
    QRect rect() const override {
        if (!isValid()) return {};
        return OnScreen(list_->viewport(), list_->visualRect(list_->model()->index(row_, 0)));
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const QModelIndex index = list_->model()->index(row_, 0);
        s.selectable = true;
        s.focusable = true;
        s.multiSelectable = list_->selectionMode() == QAbstractItemView::MultiSelection;
        s.extSelectable = list_->selectionMode() == QAbstractItemView::ExtendedSelection;
        s.selected = list_->selectionModel()->isSelected(index);
        s.focused = list_->hasFocus() && list_->currentIndex() == index;
        // A closed list shows none of its rows; an open one only those in view.
        if (!list_->isVisible()) s.invisible = true;
        else if (!list_->visualRect(index).intersects(list_->viewport()->rect())) s.offscreen = true;
        s.disabled = !list_->isEnabled();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    // "Press" selects the row, as a click does.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (isValid() && list_->isVisible() && name == pressAction()) list_->SelectRow(row_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    const TCandidateList* List() const { return list_; }
    int Row() const { return row_; }

private:
    QPointer<TCandidateList> list_;
    int row_;
};

class TAccessibleList : public QAccessibleWidget {
public:
    explicit TAccessibleList(TCandidateList* list) : QAccessibleWidget(list, QAccessible::List) {
        // Rows are made on demand and live as long as the rows they stand for.
        const auto forget = [this] { Forget(rows_); };
        connections_ << QObject::connect(list->model(), &QAbstractItemModel::modelReset, list, forget)
                     << QObject::connect(list->model(), &QAbstractItemModel::rowsRemoved, list, forget);
    }
    ~TAccessibleList() override {
        for (const QMetaObject::Connection& c : std::as_const(connections_)) QObject::disconnect(c);
        Forget(rows_);
    }

    TCandidateList* List() const { return static_cast<TCandidateList*>(widget()); }

    QString text(QAccessible::Text t) const override {
        const QString own = t == QAccessible::Name ? widget()->accessibleName() : widget()->accessibleDescription();
        if (t == QAccessible::Name) return own.isEmpty() ? QStringLiteral("Candidats") : own;
        if (t == QAccessible::Description) {
            const QString count = RowCountDescription(List()->Count(), widget()->accessibleName().isEmpty());
            return own.isEmpty() ? count : own + QStringLiteral(", ") + count;
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.multiSelectable = List()->selectionMode() == QAbstractItemView::MultiSelection;
        s.extSelectable = List()->selectionMode() == QAbstractItemView::ExtendedSelection;
        return s;
    }
    // The rows are the children; the scroll bars are reached with the keyboard anyway.
    int childCount() const override { return List()->Count(); }
    QAccessibleInterface* child(int row) const override {
        if (row < 0 || row >= List()->Count()) return nullptr;
        return Registered(rows_, row, [&] { return new TAccessibleRow(List(), row); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* row = dynamic_cast<const TAccessibleRow*>(child);
        return row && row->List() == List() ? row->Row() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex index = List()->indexAt(List()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? child(index.row()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = List()->currentIndex();
        return List()->hasFocus() && current.isValid() ? child(current.row()) : nullptr;
    }

private:
    mutable QHash<int, QAccessible::Id> rows_;
    QList<QMetaObject::Connection> connections_;
};

// ---- the drawn buttons and labels --------------------------------------------

// The drop arrow beside a field: "Press" drops the list, as a mouse press does.
class TAccessibleArrowButton : public QAccessibleWidget {
public:
    explicit TAccessibleArrowButton(TArrowButton* button) : QAccessibleWidget(button, QAccessible::ButtonDropDown) {}

    TArrowButton* Button() const { return static_cast<TArrowButton*>(widget()); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
            const QString caption = Button()->text().remove(QLatin1Char('&'));
            return caption.isEmpty() ? QStringLiteral("Ouvrir la liste") : caption;
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.hasPopup = true;
        s.pressed = Button()->isDown();
        return s;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            if (Button()->isEnabled()) emit Button()->drop();
            return;
        }
        QAccessibleWidget::doAction(name);
    }
};

// The scrolling text of the About box: read as a whole, not as the turned
// copy on screen. When a click on it opens an address, it is a link whose
// "click" does what a click does; otherwise plain text.
class TAccessibleScrollingLabel : public QAccessibleWidget {
public:
    static inline const QString kClick = QStringLiteral("click");

    explicit TAccessibleScrollingLabel(TScrollingLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QAccessible::Role role() const override { return Label()->Clickable() ? QAccessible::Link : QAccessible::StaticText; }

    TScrollingLabel* Label() const { return static_cast<TScrollingLabel*>(widget()); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return Label()->FullText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = Label()->Clickable();
        s.animated = Label()->Scrolling();
        return s;
    }
    QStringList actionNames() const override {
        return Label()->Clickable() ? QStringList{kClick} + QAccessibleWidget::actionNames() : QAccessibleWidget::actionNames();
    }
    QString localizedActionName(const QString& name) const override {
        return name == kClick ? QStringLiteral("Cliquer") : QAccessibleWidget::localizedActionName(name);
    }
    QString localizedActionDescription(const QString& name) const override {
        return name == kClick ? QStringLiteral("Ouvre l'adresse") : QAccessibleWidget::localizedActionDescription(name);
    }
    void doAction(const QString& name) override {
        if ((name == kClick || name == pressAction()) && Label()->Clickable()) {
            emit Label()->clicked();
            return;
        }
        QAccessibleWidget::doAction(name);
    }
};

// A message that appears when something went wrong: a notification, which a
// screen reader speaks as soon as it shows.
class TAccessibleMessage : public QAccessibleWidget {
public:
    explicit TAccessibleMessage(QLabel* label) : QAccessibleWidget(label, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// ---- the status bar ----------------------------------------------------------

// The status bar's message as a notification of its own, showing while there
// is one: screen readers speak notifications that come to show.
class TAccessibleStatusMessage : public TLeaf {
public:
    explicit TAccessibleStatusMessage(QStatusBar* bar) : bar_(bar) {}

    bool isValid() const override { return bar_; }
    QWindow* window() const override { return WindowOf(bar_); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_.data()); }
    QString text(QAccessible::Text t) const override {
        return bar_ && t == QAccessible::Name ? bar_->currentMessage() : QString();
    }
    QRect rect() const override { return bar_ ? OnScreen(bar_, bar_->rect()) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!bar_) {
            s.invalid = true;
            return s;
        }
        s.invisible = !bar_->isVisible() || bar_->currentMessage().isEmpty();
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType) override { return nullptr; }

private:
    QPointer<QStatusBar> bar_;
};

class TAccessibleStatusBar : public QAccessibleWidget {
public:
    explicit TAccessibleStatusBar(QStatusBar* bar) : QAccessibleWidget(bar, QAccessible::StatusBar) {}
    ~TAccessibleStatusBar() override { Forget(message_); }

    QStatusBar* Bar() const { return static_cast<QStatusBar*>(widget()); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return Bar()->currentMessage();
        return QAccessibleWidget::text(t);
    }
    // The widgets the bar holds, then the message.
    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        return index == widgets ? Message() : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == Message() ? QAccessibleWidget::childCount() : QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* Message() const {
        return Registered(message_, 0, [&] { return new TAccessibleStatusMessage(Bar()); });
    }

private:
    mutable QHash<int, QAccessible::Id> message_;
};

// ---- the drop-down boxes of the pages -------------------------------------------

// A drop-down box of a page ("Type" on the EAN page): named by its label, its
// value being the item chosen. (Qt's own interface names a box by its value
// on Linux, so that a screen reader would read "EAN 13" for "Type".)
class TAccessibleComboBox : public QAccessibleWidget {
public:
    explicit TAccessibleComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Box()->currentText();
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return Box()->currentText();
        return QAccessibleWidget::text(t);
    }
    // Its one child is the list that drops down.
    int childCount() const override { return Box()->view() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && Box()->view() ? QAccessible::queryAccessibleInterface(Box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && Box()->view() && child->object() == Box()->view() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = Box()->view() && Box()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }
    QStringList actionNames() const override { return QStringList{showMenuAction(), pressAction()}; }
    void doAction(const QString& name) override {
        if (name != showMenuAction() && name != pressAction()) return;
        if (Box()->view() && Box()->view()->isVisible()) Box()->hidePopup();
        else Box()->showPopup();
    }
};

// ---- the factory -------------------------------------------------------------

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (className == QLatin1String("TWrapTabBar")) return new TAccessibleTabBar(static_cast<TWrapTabBar*>(widget));
    if (className == QLatin1String("TCandidateList")) return new TAccessibleList(static_cast<TCandidateList*>(widget));
    if (className == QLatin1String("TArrow")) return new TAccessibleDecoration(widget);
    if (className == QLatin1String("TArrowButton"))
        return new TAccessibleArrowButton(static_cast<TArrowButton*>(widget));
    if (className == QLatin1String("TScrollingLabel"))
        return new TAccessibleScrollingLabel(static_cast<TScrollingLabel*>(widget));
    if (className == QLatin1String("TSlidingLabel")) return new TAccessibleMessage(static_cast<QLabel*>(widget));
    if (className == QLatin1String("QStatusBar")) return new TAccessibleStatusBar(static_cast<QStatusBar*>(widget));
    if (className == QLatin1String("QComboBox") && widget->property(kLabelledBox).toBool())
        return new TAccessibleComboBox(static_cast<QComboBox*>(widget));
    // A page of the page control, whatever its own class: asked for as a plain widget.
    if (className == QLatin1String("QWidget") && TAccessiblePage::ControlOf(widget)) return new TAccessiblePage(widget);
    return nullptr;
}

// Sends, once the event loop is back, the focus event of the current child of
// the widget that has just taken the focus: the widget's own focus event,
// which names only the widget, comes after its focus-in event.
class TFocusChildAnnouncer : public QObject {
public:
    explicit TFocusChildAnnouncer(QWidget* widget) : QObject(widget), widget_(widget) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::FocusIn && QAccessible::isActive()) {
            widget_->setProperty(kFocusChildPending, true);
            QTimer::singleShot(0, this, [this] {
                widget_->setProperty(kFocusChildPending, false);
                if (!widget_->hasFocus() || !QAccessible::isActive()) return;
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget_);
                const int index = iface && iface->focusChild() ? iface->indexOfChild(iface->focusChild()) : -1;
                if (index < 0) return;
                QAccessibleEvent focus(widget_, QAccessible::Focus);
                focus.setChild(index);
                Send(focus);
            });
        }
        return false;
    }

private:
    QWidget* widget_;
};

}  // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(Factory);
}

QString LabelName(const QString& labelText) {
    QString name = labelText;
    name.remove(QLatin1Char('&'));
    while (!name.isEmpty() && (name.back().isSpace() || name.back() == QLatin1Char(':'))) name.chop(1);
    return name.trimmed();
}

void NameByLabel(QWidget* field, QLabel* label) {
    if (!field || !label) return;
    // Before anything asks for its interface: a drop-down box is then named
    // by its label as every field is, not by its value.
    if (qobject_cast<QComboBox*>(field)) field->setProperty(kLabelledBox, true);
    field->setAccessibleName(LabelName(label->text()));
    label->setBuddy(field);  // what makes the label's relation to the field
    // A drop-down box's list is named after the box too, for when it opens.
    if (auto* box = qobject_cast<QComboBox*>(field)) box->view()->setAccessibleName(field->accessibleName());
}

QString PartDescription(int index, int count) {
    return QStringLiteral("Partie %1 sur %2").arg(index + 1).arg(count);
}

QString RowCountDescription(int rows, bool candidates) {
    const QString number = QLocale(QLocale::French).toString(rows);
    const bool plural = rows > 1;  // in French, 0 and 1 are singular
    if (candidates) return number + (plural ? QStringLiteral(" candidats") : QStringLiteral(" candidat"));
    return number + (plural ? QStringLiteral(" lignes") : QStringLiteral(" ligne"));
}

namespace {
QByteArray PartSetProperty(int set) { return "ferrinoParts" + QByteArray::number(set); }
}  // namespace

void NameByParts(QWidget* field, const QList<QLabel*>& parts, int set, bool shown) {
    if (!field || parts.isEmpty()) return;
    if (field->accessibleName().isEmpty() && parts.size() == 1) {
        NameByLabel(field, parts.front());
        field->setProperty(kOnePartBox, true);
        // Every box of the page learns its place again, this one being the last so far.
        QList<QWidget*> boxes;
        for (QWidget* sibling : field->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (sibling->property(kOnePartBox).toBool()) boxes << sibling;
        for (int i = 0; i < boxes.size(); ++i)
            boxes[i]->setAccessibleDescription(PartDescription(i, static_cast<int>(boxes.size())));
        return;
    }
    QStringList names;
    for (const QLabel* part : parts) names << LabelName(part->text());
    const QString description = names.join(QStringLiteral(", "));
    field->setProperty(PartSetProperty(set), description);
    if (shown) field->setAccessibleDescription(description);
}

void ShowPartSet(QWidget* page, int set) {
    for (QWidget* field : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QVariant description = field->property(PartSetProperty(set));
        if (description.isValid()) field->setAccessibleDescription(description.toString());
    }
}

void AnnounceCurrentChildOnFocus(QWidget* widget) {
    InstallAccessibility();
    widget->installEventFilter(new TFocusChildAnnouncer(widget));
}

void AnnouncePageTab(TWrapTabBar* bar, int previous, int current) {
    if (!QAccessible::isActive() || current < 0) return;
    QAccessible::State selected;
    selected.selected = true;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(bar);
    if (!iface) return;
    if (QAccessibleInterface* old = iface->child(previous)) {
        QAccessibleStateChangeEvent unselected(old, selected);
        Send(unselected);
    }
    QAccessibleInterface* now = iface->child(current);
    if (!now) return;
    QAccessibleStateChangeEvent change(now, selected);
    Send(change);
    QAccessibleEvent selection(bar, QAccessible::Selection);
    selection.setChild(current);
    Send(selection);
    if (bar->hasFocus()) {
        QAccessibleEvent focus(bar, QAccessible::Focus);
        focus.setChild(current);
        Send(focus);
    }
}

void AnnounceListCurrent(TCandidateList* list, const QModelIndex& current) {
    if (!QAccessible::isActive() || !current.isValid() || !list->hasFocus()) return;
    // Taking the focus makes a row current: it is told after the list's own focus event.
    if (list->property(kFocusChildPending).toBool()) return;
    QAccessibleEvent focus(list, QAccessible::Focus);
    focus.setChild(current.row());
    Send(focus);
}

namespace {
// Rows in a selection, counted by its ranges: a whole list of 1.7 million
// rows may be selected at once.
qint64 RowsIn(const QItemSelection& selection) {
    qint64 rows = 0;
    for (const QItemSelectionRange& range : selection) rows += range.height();
    return rows;
}
}  // namespace

void AnnounceListSelection(TCandidateList* list, const QItemSelection& selected, const QItemSelection& deselected) {
    if (!QAccessible::isActive()) return;
    const qint64 added = RowsIn(selected);
    const qint64 removed = RowsIn(deselected);
    if (added == 0 && removed == 0) return;
    QAccessible::Event type = QAccessible::SelectionWithin;  // many rows at once: "the selection changed"
    int row = -1;
    if (added == 1) {
        // One row in place of whatever was selected, as a click or the arrow
        // keys select: the selection moved to it. Otherwise it joined.
        type = RowsIn(list->selectionModel()->selection()) == 1 ? QAccessible::Selection : QAccessible::SelectionAdd;
        row = selected.first().top();
    } else if (added == 0 && removed == 1) {
        type = QAccessible::SelectionRemove;
        row = deselected.first().top();
    }
    QAccessibleEvent event(list, type);
    event.setChild(row);
    Send(event);
}

void AnnounceAlert(QWidget* widget) {
    if (!QAccessible::isActive() || !widget->isVisible()) return;
    QAccessibleEvent alert(widget, QAccessible::Alert);
    Send(alert);
}

void AnnounceStatusMessages(QStatusBar* bar) {
    InstallAccessibility();
    QObject::connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        if (!QAccessible::isActive()) return;
        auto* iface = dynamic_cast<TAccessibleStatusBar*>(QAccessible::queryAccessibleInterface(bar));
        if (!iface) return;
        QAccessibleInterface* note = iface->Message();
        // Hidden, then shown again with the new text: each message is a new
        // notification. A listener that keeps the names it has seen learns the
        // new one before the notification shows.
        QAccessibleEvent hide(note, QAccessible::ObjectHide);
        Send(hide);
        if (message.isEmpty() || !bar->isVisible()) return;
        QAccessibleEvent named(note, QAccessible::NameChanged);
        Send(named);
        QAccessibleEvent show(note, QAccessible::ObjectShow);
        Send(show);
        QAccessibleEvent alert(note, QAccessible::Alert);
        Send(alert);
    });
}

}  // namespace ferrino::a11y

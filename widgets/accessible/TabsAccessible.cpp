// The page tabs and the pages as assistive technologies see them (Families.h).
#include "accessible/Families.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QStackedWidget>

#include "Arrow.h"
#include "PageControl.h"
#include "accessible/Shared.h"

namespace ferrino::a11y {

namespace {

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

}  // namespace

QAccessibleInterface* TabsInterface(const QString& className, QWidget* widget) {
    if (className == QLatin1String("TWrapTabBar")) return new TAccessibleTabBar(static_cast<TWrapTabBar*>(widget));
    // A page of the page control, whatever its own class: asked for as a plain widget.
    if (className == QLatin1String("QWidget") && TAccessiblePage::ControlOf(widget)) return new TAccessiblePage(widget);
    return nullptr;
}

}  // namespace ferrino::a11y

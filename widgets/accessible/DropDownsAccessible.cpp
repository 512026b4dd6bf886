// The drop arrow beside a field and the drop-down boxes named by their label
// as assistive technologies see them (Families.h).
#include "accessible/Families.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

#include "ArrowButton.h"
#include "accessible/Names.h"
#include "accessible/Shared.h"

namespace ferrino::a11y {

namespace {

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

}  // namespace

QAccessibleInterface* DropDownsInterface(const QString& className, QWidget* widget) {
    if (className == QLatin1String("TArrowButton"))
        return new TAccessibleArrowButton(static_cast<TArrowButton*>(widget));
    if (className == QLatin1String("QComboBox") && IsLabelledBox(widget))
        return new TAccessibleComboBox(static_cast<QComboBox*>(widget));
    return nullptr;
}

}  // namespace ferrino::a11y

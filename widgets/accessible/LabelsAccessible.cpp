// The arrows, the scrolling label and the sliding message as assistive
// technologies see them (Families.h).
#include "accessible/Families.h"

#include <QAccessibleWidget>
#include <QLabel>

#include "ScrollingLabel.h"
#include "accessible/Shared.h"

namespace ferrino::a11y {

namespace {

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

}  // namespace

QAccessibleInterface* LabelsInterface(const QString& className, QWidget* widget) {
    if (className == QLatin1String("TArrow")) return new TAccessibleDecoration(widget);
    if (className == QLatin1String("TScrollingLabel"))
        return new TAccessibleScrollingLabel(static_cast<TScrollingLabel*>(widget));
    if (className == QLatin1String("TSlidingLabel")) return new TAccessibleMessage(static_cast<QLabel*>(widget));
    return nullptr;
}

}  // namespace ferrino::a11y

#include "accessible/StatusAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QStatusBar>

#include "accessible/Families.h"
#include "accessible/Shared.h"

namespace ferrino::a11y {

namespace {

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

}  // namespace

QAccessibleInterface* StatusInterface(const QString& className, QWidget* widget) {
    if (className == QLatin1String("QStatusBar")) return new TAccessibleStatusBar(static_cast<QStatusBar*>(widget));
    return nullptr;
}

void AnnounceStatusMessages(QStatusBar* bar) {
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

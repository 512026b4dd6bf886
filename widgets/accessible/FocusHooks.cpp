#include "accessible/FocusHooks.h"

#include <QEvent>
#include <QTimer>
#include <QVariant>

#include "accessible/Shared.h"

namespace ferrino::a11y {

namespace {

// The property set on a widget between its focus-in and the event telling its current child.
constexpr char kFocusChildPending[] = "ferrinoFocusChildPending";

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

void AnnounceCurrentChildOnFocus(QWidget* widget) { widget->installEventFilter(new TFocusChildAnnouncer(widget)); }

bool FocusChildPending(const QWidget* widget) { return widget->property(kFocusChildPending).toBool(); }

}  // namespace ferrino::a11y

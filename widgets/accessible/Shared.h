// What the accessible interfaces of every widget family share: screen
// coordinates, the window, sending an event, and the interfaces that live in
// Qt's cache without an object of their own (a tab, a row, a message).
#pragma once

#include <QAccessible>
#include <QHash>
#include <QRect>
#include <QWidget>
#include <QWindow>
#include <functional>

namespace ferrino::a11y {

// A rectangle of `widget`'s coordinates, on the screen.
inline QRect OnScreen(const QWidget* widget, const QRect& rect) {
    return rect.isValid() ? QRect(widget->mapToGlobal(rect.topLeft()), rect.size()) : QRect();
}

inline QWindow* WindowOf(const QWidget* widget) {
    return widget && widget->window() ? widget->window()->windowHandle() : nullptr;
}

inline void Send(QAccessibleEvent& event) { QAccessible::updateAccessibility(&event); }

// An interface that lives in the cache without an object of its own (a tab, a
// row, a message): the container that made it keeps its id and deletes it.
QAccessibleInterface* Registered(QHash<int, QAccessible::Id>& ids, int key,
                                 const std::function<QAccessibleInterface*()>& make);
void Forget(QHash<int, QAccessible::Id>& ids);

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

}  // namespace ferrino::a11y

#include "accessible/Shared.h"

#include <utility>

namespace ferrino::a11y {

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

}  // namespace ferrino::a11y

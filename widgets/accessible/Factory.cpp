#include "accessible/Factory.h"

#include <QAccessible>
#include <QWidget>

#include "accessible/Families.h"

namespace ferrino::a11y {

namespace {

// Each family makes the interfaces of its own classes and nothing else.
using TFamily = QAccessibleInterface* (*)(const QString& className, QWidget* widget);
constexpr TFamily kFamilies[] = {TabsInterface, ListInterface, LabelsInterface, DropDownsInterface, StatusInterface};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    for (const TFamily family : kFamilies)
        if (QAccessibleInterface* made = family(className, widget)) return made;
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(Factory);
}

}  // namespace ferrino::a11y

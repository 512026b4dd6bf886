// The widget families of Ferrino's accessible interfaces, one file each. A
// family makes the interface of `widget` when its class, `className`, is one
// of the family's, and returns null otherwise. Only the factory (Factory.cpp)
// asks them.
#pragma once

class QAccessibleInterface;
class QString;
class QWidget;

namespace ferrino::a11y {

// The page tabs (a page-tab list, one page tab per page, "Press" shows the
// page) and the pages (a pane named by its tab, without the decorative
// arrows): TabsAccessible.cpp.
QAccessibleInterface* TabsInterface(const QString& className, QWidget* widget);

// The candidate and country lists: a list named "Candidats" unless it has an
// accessible name of its own ("Pays"), its row count as description, one
// list item per row; its rows are not showing while the list is closed:
// ListAccessible.cpp.
QAccessibleInterface* ListInterface(const QString& className, QWidget* widget);

// What Ferrino draws itself: an arrow is decorative (never showing); the
// scrolling text of the About box is read whole, as a link with a "click"
// action when a click on it does something; a sliding message is a
// notification: LabelsAccessible.cpp.
QAccessibleInterface* LabelsInterface(const QString& className, QWidget* widget);

// The drop arrow beside a field, a drop-down button whose "Press" drops the
// list; a drop-down box of a page named by its label (NameByLabel), its
// value being the item chosen: DropDownsAccessible.cpp.
QAccessibleInterface* DropDownsInterface(const QString& className, QWidget* widget);

// The status bar, with a notification child holding its message:
// StatusAccessible.cpp.
QAccessibleInterface* StatusInterface(const QString& className, QWidget* widget);

}  // namespace ferrino::a11y

// What assistive technologies (a screen reader over AT-SPI, UI Automation...)
// learn of the window: the accessible interfaces of the widgets Ferrino draws
// itself, the names of the fields, and the events that make a screen reader
// speak (the row or tab that became current, a message that appeared).
//
// The interfaces are made by a factory that InstallAccessibility() installs
// once; the widgets only call the few functions below.
//
//   TWrapTabBar      a page-tab list, one page tab per page, selected state
//   pages            a pane named by its tab; the arrows are left out
//   TArrow           decorative: in no container's children, never showing
//   TCandidateList   a list named "Candidats" (or its own name), its row
//                    count as description, one list item per row; its rows
//                    are not showing while the list is closed
//   TArrowButton     a drop-down button with a "Press" action
//   TScrollingLabel  its whole text; a link with a "click" action when a
//                    click on it does something, plain text otherwise
//   TSlidingLabel    a notification: a screen reader speaks it when it shows
//   QStatusBar       a status bar with a notification child holding its message
//   QComboBox        named by its label (NameByLabel), its value the item chosen
#pragma once

#include <QList>
#include <QString>

class QItemSelection;
class QLabel;
class QModelIndex;
class QStatusBar;
class QWidget;
class TCandidateList;
class TWrapTabBar;

namespace ferrino::a11y {

// Installs the factory of Ferrino's accessible interfaces; only the first call does.
void InstallAccessibility();

// The accessible name a label gives: its text without the trailing colon and blanks.
QString LabelName(const QString& labelText);

// `field` takes the name of the label beside it, which labels it (labelled-by).
void NameByLabel(QWidget* field, QLabel* label);

// `field` holds the parts of a number named by `parts`, in order. A field that
// no label names and that holds a single part is named by that part (each
// box of a number typed in several boxes) and described by its place among
// the page's boxes ("Partie 2 sur 8"); otherwise the field's description
// lists the parts ("Sexe, Année, Mois..."). A page may name the parts of a
// field in more than one way (`set`), one of which shows at a time.
void NameByParts(QWidget* field, const QList<QLabel*>& parts, int set = 0, bool shown = true);
// The parts of `set` are the ones that show now on `page`: its fields'
// descriptions list them.
void ShowPartSet(QWidget* page, int set);

// The description of a one-part box: "Partie 2 sur 8".
QString PartDescription(int index, int count);

// The description of a list holding `rows` rows: "12 candidats", "1 ligne"...
QString RowCountDescription(int rows, bool candidates);

// When `widget` takes the focus, tells which of its children is current (the
// tab of a tab bar, the row of a list), after the widget's own focus event.
void AnnounceCurrentChildOnFocus(QWidget* widget);

// The page tab `current` became the selected one, `previous` no longer is.
void AnnouncePageTab(TWrapTabBar* bar, int previous, int current);

// A list's current row changed (a focus event for the row while the list has
// the focus) and its selection changed (selection events for the rows).
void AnnounceListCurrent(TCandidateList* list, const QModelIndex& current);
void AnnounceListSelection(TCandidateList* list, const QItemSelection& selected, const QItemSelection& deselected);

// `widget` (a message) has just appeared and is to be read out.
void AnnounceAlert(QWidget* widget);

// Every non-empty message the status bar comes to show is read out.
void AnnounceStatusMessages(QStatusBar* bar);

}  // namespace ferrino::a11y

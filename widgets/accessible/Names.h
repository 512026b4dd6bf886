// What a page calls to name its fields for assistive technologies: a field
// takes the name of the label beside it, or of the part of the number it
// holds, and its description lists the parts it holds.
#pragma once

#include <QList>
#include <QString>

class QLabel;
class QWidget;

namespace ferrino::a11y {

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

// Whether `box` is a drop-down box named by its label (NameByLabel), whose
// interface then names it as every field is named rather than by its value.
bool IsLabelledBox(const QWidget* box);

}  // namespace ferrino::a11y

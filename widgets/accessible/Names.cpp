#include "accessible/Names.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <QVariant>

namespace ferrino::a11y {

namespace {

// The property that marks a field named by the single part it holds.
constexpr char kOnePartBox[] = "ferrinoOnePartBox";
// The property that marks a drop-down box named by the label beside it.
constexpr char kLabelledBox[] = "ferrinoLabelledBox";

QByteArray PartSetProperty(int set) { return "ferrinoParts" + QByteArray::number(set); }

}  // namespace

QString LabelName(const QString& labelText) {
    QString name = labelText;
    name.remove(QLatin1Char('&'));
    while (!name.isEmpty() && (name.back().isSpace() || name.back() == QLatin1Char(':'))) name.chop(1);
    return name.trimmed();
}

void NameByLabel(QWidget* field, QLabel* label) {
    if (!field || !label) return;
    // Before anything asks for its interface: a drop-down box is then named
    // by its label as every field is, not by its value.
    if (qobject_cast<QComboBox*>(field)) field->setProperty(kLabelledBox, true);
    field->setAccessibleName(LabelName(label->text()));
    label->setBuddy(field);  // what makes the label's relation to the field
    // A drop-down box's list is named after the box too, for when it opens.
    if (auto* box = qobject_cast<QComboBox*>(field)) box->view()->setAccessibleName(field->accessibleName());
}

bool IsLabelledBox(const QWidget* box) { return box->property(kLabelledBox).toBool(); }

QString PartDescription(int index, int count) {
    return QStringLiteral("Partie %1 sur %2").arg(index + 1).arg(count);
}

void NameByParts(QWidget* field, const QList<QLabel*>& parts, int set, bool shown) {
    if (!field || parts.isEmpty()) return;
    if (field->accessibleName().isEmpty() && parts.size() == 1) {
        NameByLabel(field, parts.front());
        field->setProperty(kOnePartBox, true);
        // Every box of the page learns its place again, this one being the last so far.
        QList<QWidget*> boxes;
        for (QWidget* sibling : field->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (sibling->property(kOnePartBox).toBool()) boxes << sibling;
        for (int i = 0; i < boxes.size(); ++i)
            boxes[i]->setAccessibleDescription(PartDescription(i, static_cast<int>(boxes.size())));
        return;
    }
    QStringList names;
    for (const QLabel* part : parts) names << LabelName(part->text());
    const QString description = names.join(QStringLiteral(", "));
    field->setProperty(PartSetProperty(set), description);
    if (shown) field->setAccessibleDescription(description);
}

void ShowPartSet(QWidget* page, int set) {
    for (QWidget* field : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QVariant description = field->property(PartSetProperty(set));
        if (description.isValid()) field->setAccessibleDescription(description.toString());
    }
}

}  // namespace ferrino::a11y

// The candidate and country lists and their rows as assistive technologies
// see them (Families.h); the events they send are ListHooks.h's.
#include "accessible/Families.h"

#include <QAccessibleWidget>
#include <QLocale>
#include <QPointer>
#include <QString>

#include "CandidateList.h"
#include "accessible/Shared.h"

namespace ferrino::a11y {

namespace {

// The description of a list holding `rows` rows: "12 candidats", "1 ligne"...
QString RowCountDescription(int rows, bool candidates) {
    const QString number = QLocale(QLocale::French).toString(rows);
    const bool plural = rows > 1;  // in French, 0 and 1 are singular
    if (candidates) return number + (plural ? QStringLiteral(" candidats") : QStringLiteral(" candidat"));
    return number + (plural ? QStringLiteral(" lignes") : QStringLiteral(" ligne"));
}

class TAccessibleRow : public TLeaf, public QAccessibleActionInterface {
public:
    TAccessibleRow(TCandidateList* list, int row) : list_(list), row_(row) {}

    bool isValid() const override { return list_ && row_ < list_->Count(); }
    QWindow* window() const override { return WindowOf(list_); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(list_.data()); }
    // The row as shown; the country rows end with a tab that nobody needs to hear.
    QString text(QAccessible::Text t) const override {
        return isValid() && t == QAccessible::Name ? list_->RowText(row_).trimmed() : QString();
    }
    QRect rect() const override {
        if (!isValid()) return {};
        return OnScreen(list_->viewport(), list_->visualRect(list_->model()->index(row_, 0)));
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const QModelIndex index = list_->model()->index(row_, 0);
        s.selectable = true;
        s.focusable = true;
        s.multiSelectable = list_->selectionMode() == QAbstractItemView::MultiSelection;
        s.extSelectable = list_->selectionMode() == QAbstractItemView::ExtendedSelection;
        s.selected = list_->selectionModel()->isSelected(index);
        s.focused = list_->hasFocus() && list_->currentIndex() == index;
        // A closed list shows none of its rows; an open one only those in view.
        if (!list_->isVisible()) s.invisible = true;
        else if (!list_->visualRect(index).intersects(list_->viewport()->rect())) s.offscreen = true;
        s.disabled = !list_->isEnabled();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    // "Press" selects the row, as a click does.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (isValid() && list_->isVisible() && name == pressAction()) list_->SelectRow(row_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    const TCandidateList* List() const { return list_; }
    int Row() const { return row_; }

private:
    QPointer<TCandidateList> list_;
    int row_;
};

class TAccessibleList : public QAccessibleWidget {
public:
    explicit TAccessibleList(TCandidateList* list) : QAccessibleWidget(list, QAccessible::List) {
        // Rows are made on demand and live as long as the rows they stand for.
        const auto forget = [this] { Forget(rows_); };
        connections_ << QObject::connect(list->model(), &QAbstractItemModel::modelReset, list, forget)
                     << QObject::connect(list->model(), &QAbstractItemModel::rowsRemoved, list, forget);
    }
    ~TAccessibleList() override {
        for (const QMetaObject::Connection& c : std::as_const(connections_)) QObject::disconnect(c);
        Forget(rows_);
    }

    TCandidateList* List() const { return static_cast<TCandidateList*>(widget()); }

    QString text(QAccessible::Text t) const override {
        const QString own = t == QAccessible::Name ? widget()->accessibleName() : widget()->accessibleDescription();
        if (t == QAccessible::Name) return own.isEmpty() ? QStringLiteral("Candidats") : own;
        if (t == QAccessible::Description) {
            const QString count = RowCountDescription(List()->Count(), widget()->accessibleName().isEmpty());
            return own.isEmpty() ? count : own + QStringLiteral(", ") + count;
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.multiSelectable = List()->selectionMode() == QAbstractItemView::MultiSelection;
        s.extSelectable = List()->selectionMode() == QAbstractItemView::ExtendedSelection;
        return s;
    }
    // The rows are the children; the scroll bars are reached with the keyboard anyway.
    int childCount() const override { return List()->Count(); }
    QAccessibleInterface* child(int row) const override {
        if (row < 0 || row >= List()->Count()) return nullptr;
        return Registered(rows_, row, [&] { return new TAccessibleRow(List(), row); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* row = dynamic_cast<const TAccessibleRow*>(child);
        return row && row->List() == List() ? row->Row() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex index = List()->indexAt(List()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? child(index.row()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = List()->currentIndex();
        return List()->hasFocus() && current.isValid() ? child(current.row()) : nullptr;
    }

private:
    mutable QHash<int, QAccessible::Id> rows_;
    QList<QMetaObject::Connection> connections_;
};

}  // namespace

QAccessibleInterface* ListInterface(const QString& className, QWidget* widget) {
    if (className == QLatin1String("TCandidateList")) return new TAccessibleList(static_cast<TCandidateList*>(widget));
    return nullptr;
}

}  // namespace ferrino::a11y

#include "CandidateList.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include "FixedFont.h"

int TCandidateModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : published_; }

QVariant TCandidateModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= published_) return {};
    if (role == Qt::DisplayRole) {
        const std::string_view row = rows_.Row(static_cast<std::size_t>(index.row()));
        // Candidate rows are single-byte engine text; the country list is UTF-8.
        return utf8_ ? QString::fromUtf8(row.data(), static_cast<qsizetype>(row.size()))
                     : QString::fromLatin1(row.data(), static_cast<qsizetype>(row.size()));
    }
    if (role == Qt::SizeHintRole) {
        // Every row as wide as the widest one, so that long rows can be scrolled to.
        static const int charWidth = QFontMetrics(FixedFont()).horizontalAdvance(QLatin1Char('0'));
        return QSize(widest_ * charWidth + 6, kListRowHeight);
    }
    return {};
}

void TCandidateModel::Publish() {
    const int size = static_cast<int>(std::min<std::size_t>(rows_.Size(), INT32_MAX));
    if (size < published_) {  // the store was emptied behind our back
        beginResetModel();
        published_ = size;
        endResetModel();
        return;
    }
    if (size == published_) return;
    for (int i = published_; i < size; ++i)
        widest_ = std::max(widest_, static_cast<int>(rows_.Row(static_cast<std::size_t>(i)).size()));
    beginInsertRows({}, published_, size - 1);
    published_ = size;
    endInsertRows();
}

void TCandidateModel::Clear() {
    beginResetModel();
    rows_.Clear();
    published_ = 0;
    widest_ = 0;
    endResetModel();
}

void TCandidateModel::SetRows(const QStringList& rows) {
    beginResetModel();
    rows_.Clear();
    widest_ = 0;
    for (const QString& row : rows) {
        rows_.Add(row.toUtf8().toStdString());
        widest_ = std::max(widest_, static_cast<int>(row.size()));
    }
    published_ = static_cast<int>(rows_.Size());
    utf8_ = true;
    endResetModel();
}

TCandidateList::TCandidateList(const QString& objectName, QWidget* parent) : QListView(parent), model_(new TCandidateModel(this)) {
    setObjectName(objectName);
    setFont(FixedFont());
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    hide();
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (SelectedRow() < 0) return;
        changedByPress_ = true;
        emit rowClicked();
    });
}

int TCandidateList::SelectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QString TCandidateList::RowText(int row) const { return model_->data(model_->index(row), Qt::DisplayRole).toString(); }

void TCandidateList::SelectRow(int row) {
    if (row < 0 || row >= Count()) {
        clearSelection();
        return;
    }
    const QModelIndex index = model_->index(row);
    setCurrentIndex(index);
    scrollTo(index);
}

void TCandidateList::mousePressEvent(QMouseEvent* event) {
    emit mousePressed();
    changedByPress_ = false;
    pressedRow_ = indexAt(event->position().toPoint()).row();
    QListView::mousePressEvent(event);
}

void TCandidateList::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    // A click on the row that was already selected still counts as a click.
    const int row = indexAt(event->position().toPoint()).row();
    if (!changedByPress_ && row >= 0 && row == pressedRow_ && row == SelectedRow()) emit rowClicked();
    pressedRow_ = -1;
}

void TCandidateList::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void TCandidateList::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key());
    QListView::keyPressEvent(event);
}

void TCandidateList::focusOutEvent(QFocusEvent* event) {
    QListView::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) emit exited();
}

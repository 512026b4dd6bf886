#include "CandidateList.h"

#include <algorithm>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOption>
#include <QStyledItemDelegate>

#include "Accessibility.h"
#include "EngineText.h"
#include "FixedFont.h"

int TCandidateModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : published_; }

QVariant TCandidateModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= published_) return {};
    if (role == Qt::DisplayRole) {
        const std::string_view row = rows_.Row(static_cast<std::size_t>(index.row()));
        // Candidate rows are single-byte engine text; the country list is UTF-8.
        return utf8_ ? QString::fromUtf8(row.data(), static_cast<qsizetype>(row.size())) : FromEngine(row);
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
    ferrino::a11y::AnnounceCurrentChildOnFocus(this);
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

// The list view's own events name a row by a layout this list does not make:
// they are left out for events that name the row itself.
void TCandidateList::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    ferrino::a11y::AnnounceListCurrent(this, current);
}

void TCandidateList::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QAbstractItemView::selectionChanged(selected, deselected);
    ferrino::a11y::AnnounceListSelection(this, selected, deselected);
}

// The vertical scroll bar counts rows: its value is the row at the top.
int TCandidateList::TopRow() const { return verticalScrollBar()->value(); }

int TCandidateList::RowsInView() const { return std::max(1, viewport()->height() / kListRowHeight); }

int TCandidateList::ContentWidth() const {
    if (Count() == 0) return 0;
    return model_->data(model_->index(0), Qt::SizeHintRole).toSize().width();
}

QRect TCandidateList::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != model_ || index.row() >= Count()) return {};
    return {-horizontalOffset(), (index.row() - TopRow()) * kListRowHeight, std::max(ContentWidth(), viewport()->width()),
            kListRowHeight};
}

QModelIndex TCandidateList::indexAt(const QPoint& point) const {
    if (point.y() < 0 || point.x() < 0 || point.x() >= viewport()->width()) return {};
    const qint64 row = TopRow() + point.y() / kListRowHeight;
    return row < Count() ? model_->index(static_cast<int>(row)) : QModelIndex();
}

void TCandidateList::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || index.row() >= Count()) return;
    const int row = index.row();
    const int top = TopRow();
    const int inView = RowsInView();
    int wanted = top;
    switch (hint) {
    case PositionAtTop: wanted = row; break;
    case PositionAtBottom: wanted = row - inView + 1; break;
    case PositionAtCenter: wanted = row - inView / 2; break;
    case EnsureVisible:
        if (row < top) wanted = row;
        else if (row >= top + inView) wanted = row - inView + 1;
        break;
    }
    verticalScrollBar()->setValue(wanted);
}

void TCandidateList::doItemsLayout() {
    // Nothing to place: only the scroll bars follow the number of rows.
    QAbstractItemView::doItemsLayout();
}

void TCandidateList::updateGeometries() {
    const int rows = Count();
    const int inView = RowsInView();
    // When the viewport shrinks (a scroll bar coming up), a list scrolled to
    // its end stays there, and the current row stays in view.
    QScrollBar* bar = verticalScrollBar();
    const int top = bar->value();
    const bool atEnd = bar->maximum() > 0 && top == bar->maximum();
    const int current = currentIndex().isValid() ? currentIndex().row() : -1;
    const bool keepCurrent = current >= top && current < top + rowsInView_ && current >= top + inView;
    bar->setSingleStep(1);
    bar->setPageStep(inView);
    bar->setRange(0, std::max(0, rows - inView));
    if (atEnd) bar->setValue(bar->maximum());
    else if (keepCurrent) bar->setValue(current - inView + 1);
    rowsInView_ = inView;
    const int width = viewport()->width();
    horizontalScrollBar()->setSingleStep(std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('0'))));
    horizontalScrollBar()->setPageStep(width);
    horizontalScrollBar()->setRange(0, std::max(0, ContentWidth() - width));
    QAbstractItemView::updateGeometries();
}

void TCandidateList::scrollContentsBy(int dx, int dy) {
    QAbstractItemView::scrollContentsBy(isRightToLeft() ? -dx : dx, dy * kListRowHeight);
}

int TCandidateList::horizontalOffset() const { return horizontalScrollBar()->value(); }

int TCandidateList::verticalOffset() const { return TopRow() * kListRowHeight; }

void TCandidateList::paintEvent(QPaintEvent* event) {
    const int rows = Count();
    QPainter painter(viewport());
    if (rows == 0) {
        // An empty list that has the focus shows it all the same.
        if (hasFocus()) {
            QStyleOptionFocusRect focusRect;
            focusRect.initFrom(viewport());
            focusRect.state |= QStyle::State_KeyboardFocusChange;  // shown whether or not the keyboard moved it
            focusRect.rect = viewport()->rect().adjusted(1, 1, -1, -1);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focusRect, &painter, this);
        }
        return;
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State state = option.state;
    const bool enabled = state & QStyle::State_Enabled;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QRect area = event->rect();
    const int first = TopRow() + std::max(0, area.top()) / kListRowHeight;
    const int last = std::min(rows - 1, TopRow() + std::max(0, area.bottom()) / kListRowHeight);
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model_->index(row);
        option.rect = visualRect(index);
        option.state = state;
        if (selectionModel()->isSelected(index)) option.state |= QStyle::State_Selected;
        if (enabled) option.palette.setCurrentColorGroup(QPalette::Normal);
        if (focus && index == current) option.state |= QStyle::State_HasFocus;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

QModelIndex TCandidateList::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
    const int rows = Count();
    if (rows == 0) return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return model_->index(0);
    const int row = current.row();
    const int page = std::max(1, RowsInView() - 1);
    int next = row;
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious: next = row - 1; break;
    case MoveDown:
    case MoveNext: next = row + 1; break;
    case MovePageUp: next = row - page; break;
    case MovePageDown: next = row + page; break;
    case MoveHome: next = 0; break;
    case MoveEnd: next = rows - 1; break;
    case MoveLeft:
    case MoveRight: break;
    }
    return model_->index(std::clamp(next, 0, rows - 1));
}

void TCandidateList::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    const QRect r = rect.normalized();
    QItemSelection selection;
    const QModelIndex topLeft = indexAt(QPoint(std::max(0, r.left()), r.top()));
    const QModelIndex bottomRight = indexAt(QPoint(std::max(0, r.left()), r.bottom()));
    if (topLeft.isValid() && bottomRight.isValid()) selection.select(topLeft, bottomRight);
    else if (topLeft.isValid()) selection.select(topLeft, topLeft);
    else if (bottomRight.isValid()) selection.select(bottomRight, bottomRight);
    selectionModel()->select(selection, command);
}

QRegion TCandidateList::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    const int top = TopRow();
    const int bottom = top + viewport()->height() / kListRowHeight;  // the last row in view, maybe in part
    for (const QItemSelectionRange& range : selection) {
        if (!range.isValid() || range.model() != model_) continue;
        const int first = std::max(range.top(), top);
        const int last = std::min(range.bottom(), bottom);
        if (first > last) continue;
        region += QRect(0, (first - top) * kListRowHeight, viewport()->width(), (last - first + 1) * kListRowHeight);
    }
    return region;
}

#include "CandidateList.h"

#include <algorithm>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOption>
#include <QStyledItemDelegate>

#include "FixedFont.h"
#include "accessible/FocusHooks.h"
#include "accessible/ListHooks.h"

namespace {

// Draws a row's background, selection and focus the style's way, and its
// text on the row's baseline, so that capitals' accents and descenders stay
// inside the row (a centred text would lose the top of an accent in fonts
// whose accents rise above their declared ascent).
class TRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                                : QPalette::Inactive;
        const QPalette::ColorRole role = (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        painter->save();
        painter->setClipRect(opt.rect);
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(group, role));
        painter->drawText(QPoint(opt.rect.left() + margin, opt.rect.top() + ListRowBaseline()), text);
        painter->restore();
    }
};

}  // namespace

TCandidateList::TCandidateList(const QString& objectName, QWidget* parent, bool candidates)
    : QListView(parent), model_(new TCandidateModel(this)), export_(*model_), candidates_(candidates) {
    setObjectName(objectName);
    setFont(FixedFont());
    setModel(model_);
    setItemDelegate(new TRowDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(candidates ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setContextMenuPolicy(candidates ? Qt::DefaultContextMenu : Qt::NoContextMenu);
    hide();
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (focusing_ || !current.isValid()) return;
        changedByPress_ = true;
        emit rowClicked();
    });
    ferrino::a11y::AnnounceCurrentChildOnFocus(this);
    connect(model_, &QAbstractItemModel::modelReset, this, &TCandidateList::NewList);
}

void TCandidateList::NewList() {
    // A new list starts at its first row, whatever the last one was scrolled to.
    verticalScrollBar()->setRange(0, 0);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    rowsInView_ = 0;
}

int TCandidateList::SelectedRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

QString TCandidateList::RowText(int row) const { return model_->data(model_->index(row), Qt::DisplayRole).toString(); }

void TCandidateList::SelectRow(int row, ScrollHint hint) {
    if (row < 0 || row >= Count()) {
        clearSelection();
        verticalScrollBar()->setValue(0);
        horizontalScrollBar()->setValue(0);
        return;
    }
    const QModelIndex index = model_->index(row);
    setCurrentIndex(index);
    scrollTo(index, hint);
}

int TCandidateList::HeightForRows(int rows) const { return rows * ListRowHeight() + 2 * frameWidth(); }

void TCandidateList::mousePressEvent(QMouseEvent* event) {
    emit mousePressed();
    changedByPress_ = false;
    pressedRow_ = indexAt(event->position().toPoint()).row();
    QListView::mousePressEvent(event);
}

void TCandidateList::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    // A click on the current row still counts as a click.
    const int row = indexAt(event->position().toPoint()).row();
    if (!changedByPress_ && event->button() == Qt::LeftButton && row >= 0 && row == pressedRow_ && row == SelectedRow())
        emit rowClicked();
    pressedRow_ = -1;
}

void TCandidateList::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void TCandidateList::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key());
    if (candidates_ && event->matches(QKeySequence::Copy)) {
        CopySelectedRows();
        event->accept();
        return;
    }
    // Entered with Tab, the list shows its current row without selecting it:
    // the first Down or Up selects that row rather than the next one.
    const QModelIndex current = currentIndex();
    if ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && current.isValid() &&
        !selectionModel()->hasSelection()) {
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
        scrollTo(current);
        // The row stays current: told all the same, as every move is.
        ferrino::a11y::AnnounceListCurrent(this, current);
        emit rowClicked();
        event->accept();
        return;
    }
    // Space on the current row chooses it again, as a click on it does (the
    // field may have been edited since).
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && current.isValid()) {
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
        emit rowClicked();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void TCandidateList::focusInEvent(QFocusEvent* event) {
    // The view makes the first row current when it takes the focus with none;
    // that is no click.
    focusing_ = true;
    QListView::focusInEvent(event);
    focusing_ = false;
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

void TCandidateList::contextMenuEvent(QContextMenuEvent* event) {
    if (!candidates_) {
        event->ignore();
        return;
    }
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("&Copier"), this, &TCandidateList::CopySelectedRows);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(selectionModel()->hasSelection());
    QAction* copyAll = menu.addAction(QStringLiteral("Copier &toute la liste"), this, &TCandidateList::CopyAllRows);
    copyAll->setEnabled(Count() > 0);
    menu.addSeparator();
    QAction* save = menu.addAction(QStringLiteral("&Enregistrer la liste…"), this, &TCandidateList::SaveRowsAs);
    save->setEnabled(Count() > 0);
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // From the keyboard: beside the current row, or at the top of the list.
        const QRect row = visualRect(currentIndex());
        const QPoint local = row.isValid() && viewport()->rect().intersects(row) ? row.bottomLeft() + QPoint(8, 0) : QPoint(8, 8);
        at = viewport()->mapToGlobal(local);
    }
    menu.exec(at);
}

// ---- copying and saving ----------------------------------------------------

std::vector<std::pair<int, int>> TCandidateList::SelectedRanges() const {
    std::vector<std::pair<int, int>> ranges;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        if (range.isValid() && range.model() == model_) ranges.emplace_back(range.top(), std::min(range.bottom(), Count() - 1));
    std::sort(ranges.begin(), ranges.end());
    std::vector<std::pair<int, int>> merged;
    for (const auto& range : ranges) {
        if (range.first > range.second) continue;
        if (!merged.empty() && range.first <= merged.back().second + 1) merged.back().second = std::max(merged.back().second, range.second);
        else merged.push_back(range);
    }
    return merged;
}

QString TCandidateList::AllRowsText() const {
    if (Count() == 0) return {};
    return RowsText({{0, Count() - 1}});
}

void TCandidateList::CopySelectedRows() {
    const std::vector<std::pair<int, int>> ranges = SelectedRanges();
    if (ranges.empty()) return;
    emit told(TListExport::CopiedText(export_.Copy(ranges)));
}

void TCandidateList::CopyAllRows() {
    if (Count() == 0) return;
    emit told(TListExport::CopiedText(export_.Copy({{0, Count() - 1}})));
}

void TCandidateList::SaveRowsAs() {
    if (Count() == 0) return;
    const QString fileName = TListExport::AskFileName(window());
    if (!fileName.isEmpty()) SaveRows(fileName);
}

bool TCandidateList::SaveRows(const QString& fileName) {
    const int rows = Count();
    const bool written = export_.Save(fileName, window());
    if (written) emit told(TListExport::SavedText(rows));
    return written;
}

// ---- rows placed by arithmetic ---------------------------------------------

// The vertical scroll bar counts rows: its value is the row at the top.
int TCandidateList::TopRow() const { return verticalScrollBar()->value(); }

int TCandidateList::RowsInView() const { return std::max(1, viewport()->height() / ListRowHeight()); }

int TCandidateList::ContentWidth() const {
    if (Count() == 0) return 0;
    return model_->data(model_->index(0), Qt::SizeHintRole).toSize().width();
}

int TCandidateList::RowAtY(int y) const {
    const int height = ListRowHeight();
    const int step = y >= 0 ? y / height : -((-y + height - 1) / height);
    return std::clamp<qint64>(static_cast<qint64>(TopRow()) + step, 0, std::max(0, Count() - 1));
}

QRect TCandidateList::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != model_ || index.row() >= Count()) return {};
    const int height = ListRowHeight();
    return {-horizontalOffset(), (index.row() - TopRow()) * height, std::max(ContentWidth(), viewport()->width()), height};
}

QModelIndex TCandidateList::indexAt(const QPoint& point) const {
    // Below the viewport's whole rows, as below the viewport, lie the next rows:
    // a click there brings its row into view.
    const int height = ListRowHeight();
    if (point.y() < 0 || point.x() < 0 || point.x() >= viewport()->width()) return {};
    const qint64 row = TopRow() + point.y() / height;
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
    QScrollBar* bar = verticalScrollBar();
    // The range may not know of the latest rows yet.
    if (bar->maximum() < Count() - inView) bar->setRange(0, std::max(0, Count() - inView));
    bar->setValue(wanted);
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
    QAbstractItemView::scrollContentsBy(isRightToLeft() ? -dx : dx, dy * ListRowHeight());
}

int TCandidateList::horizontalOffset() const { return horizontalScrollBar()->value(); }

int TCandidateList::verticalOffset() const { return TopRow() * ListRowHeight(); }

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
    const int height = ListRowHeight();
    // Whole rows only: a row the viewport cannot hold wholly is not drawn.
    const int lastInView = TopRow() + RowsInView() - 1;
    const int first = TopRow() + std::max(0, area.top()) / height;
    const int last = std::min({rows - 1, lastInView, TopRow() + std::max(0, area.bottom()) / height});
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
    if (!current.isValid()) return model_->index(cursorAction == MoveEnd ? rows - 1 : 0);
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
    // The rows the rectangle spans, also where it reaches beyond the viewport
    // (Shift with a click or a key, from a row scrolled out of sight).
    if (Count() == 0) return;
    const QRect r = rect.normalized();
    const int first = RowAtY(r.top());
    const int last = RowAtY(r.bottom());
    QItemSelection selection;
    selection.select(model_->index(first), model_->index(last));
    selectionModel()->select(selection, command);
}

QRegion TCandidateList::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    const int top = TopRow();
    const int bottom = top + RowsInView() - 1;
    const int height = ListRowHeight();
    for (const QItemSelectionRange& range : selection) {
        if (!range.isValid() || range.model() != model_) continue;
        const int first = std::max(range.top(), top);
        const int last = std::min(range.bottom(), bottom);
        if (first > last) continue;
        region += QRect(0, (first - top) * height, viewport()->width(), (last - first + 1) * height);
    }
    return region;
}

#include "CandidateList.h"

#include <algorithm>
#include <optional>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressDialog>
#include <QSaveFile>
#include <QScrollBar>
#include <QStyleOption>
#include <QSettings>
#include <QStandardPaths>
#include <QStyledItemDelegate>

#include "Accessibility.h"
#include "EngineText.h"
#include "FixedFont.h"
#include "common/Verdict.h"

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
        return QSize(widest_ * charWidth + 6, ListRowHeight());
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

// A copied or saved row: the row as shown without its trailing blanks.
void DefaultPrintedForm(std::string_view row, std::string& out) {
    while (!row.empty() && row.back() == ' ') row.remove_suffix(1);
    out.append(row);
}

// A stored row as the window shows it, in UTF-8: candidate rows are engine
// text, whose bytes beyond ASCII the window shows as U+FFFD.
void AppendShown(std::string_view row, bool utf8, std::string& out) {
    if (utf8) {
        out.append(row);
        return;
    }
    for (char c : row) {
        if (static_cast<unsigned char>(c) < 0x80) out += c;
        else out += "\xEF\xBF\xBD";
    }
}

// Why a file could not be written, in French, from what the file system says.
QString WriteFailure(const QSaveFile& file, const QString& fileName) {
    const QFileInfo info(fileName);
    const QFileInfo folder(info.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.exists()) return QStringLiteral("le dossier « %1 » n'existe pas.").arg(folderName);
    if (!folder.isDir()) return QStringLiteral("« %1 » n'est pas un dossier.").arg(folderName);
    if (info.isDir()) return QStringLiteral("c'est le nom d'un dossier.");
    if (info.exists() && !info.isWritable()) return QStringLiteral("le fichier est protégé en écriture.");
    if (!folder.isWritable()) return QStringLiteral("vous n'avez pas le droit d'écrire dans le dossier « %1 ».").arg(folderName);
    switch (file.error()) {
    case QFileDevice::ResourceError: return QStringLiteral("il n'y a plus de place sur le disque.");
    case QFileDevice::PermissionsError: return QStringLiteral("l'accès au fichier est refusé.");
    case QFileDevice::RenameError: return QStringLiteral("le fichier n'a pas pu prendre son nom à la fin de l'écriture.");
    default: return QStringLiteral("le système a refusé l'écriture.");
    }
}

}  // namespace

int TCandidateList::ProgressDelay = 500;

TCandidateList::TCandidateList(const QString& objectName, QWidget* parent, bool candidates)
    : QListView(parent), model_(new TCandidateModel(this)), candidates_(candidates) {
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

void TCandidateList::AppendPrinted(int row, std::string& line, QString& out) const {
    line.clear();
    std::string shown;
    const std::string_view stored = model_->Rows().Row(static_cast<std::size_t>(row));
    if (printedForm_) printedForm_(stored, line);
    else DefaultPrintedForm(stored, line);
    const bool ascii = std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        out.append(QLatin1StringView(line.data(), static_cast<qsizetype>(line.size())));
    } else {
        AppendShown(line, model_->Utf8(), shown);
        out.append(QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())));
    }
}

QString TCandidateList::RowsText(const std::vector<std::pair<int, int>>& ranges) const {
    std::size_t rows = 0;
    for (const auto& [first, last] : ranges) rows += static_cast<std::size_t>(last - first + 1);
    QString out;
    // Room for the whole text at once: the rows' characters and a line break each.
    if (!ranges.empty() && rows == static_cast<std::size_t>(Count()))
        out.reserve(static_cast<qsizetype>(model_->Rows().Characters() + rows));
    std::string line;
    bool first = true;
    for (const auto& [begin, end] : ranges) {
        for (int row = begin; row <= end; ++row) {
            if (!first) out += QLatin1Char('\n');
            first = false;
            AppendPrinted(row, line, out);
        }
    }
    return out;
}

QString TCandidateList::AllRowsText() const {
    if (Count() == 0) return {};
    return RowsText({{0, Count() - 1}});
}

namespace {

// The busy cursor while a copy or a save of many rows runs, shown at once.
class TBusyCursor {
public:
    TBusyCursor() {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

// "1 ligne copiée.", "1 679 616 lignes copiées." (0 and 1 are singular in French).
QString RowsSentence(int rows, const char* one, const char* many) {
    const std::string count = ferrino::FrenchCount(static_cast<std::uint64_t>(std::max(0, rows)));
    return QString::fromUtf8(count.data(), static_cast<qsizetype>(count.size())) + QLatin1Char(' ') +
           QString::fromUtf8(rows > 1 ? many : one);
}

}  // namespace

QString TCandidateList::CopiedText(int rows) { return RowsSentence(rows, "ligne copiée.", "lignes copiées."); }

QString TCandidateList::SavedText(int rows) { return RowsSentence(rows, "ligne enregistrée.", "lignes enregistrées."); }

void TCandidateList::CopySelectedRows() {
    const std::vector<std::pair<int, int>> ranges = SelectedRanges();
    if (ranges.empty()) return;
    int rows = 0;
    for (const auto& [first, last] : ranges) rows += last - first + 1;
    {
        const TBusyCursor busy;
        QGuiApplication::clipboard()->setText(RowsText(ranges));
    }
    emit told(CopiedText(rows));
}

void TCandidateList::CopyAllRows() {
    if (Count() == 0) return;
    {
        const TBusyCursor busy;
        QGuiApplication::clipboard()->setText(AllRowsText());
    }
    emit told(CopiedText(Count()));
}

void TCandidateList::SaveRowsAs() {
    if (Count() == 0) return;
    QSettings settings;
    QString folder = settings.value(QStringLiteral("ListFolder")).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(window(), QStringLiteral("Enregistrer la liste"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("Fichiers texte (*.txt)"), QStringLiteral("Tous les fichiers (*)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(QStringLiteral("candidats.txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString fileName = dialog.selectedFiles().constFirst();
    settings.setValue(QStringLiteral("ListFolder"), QFileInfo(fileName).absolutePath());
    SaveRows(fileName);
}

bool TCandidateList::SaveRows(const QString& fileName) {
    const int rows = Count();
    QSaveFile file(fileName);
    file.setDirectWriteFallback(false);
    bool written = file.open(QIODevice::WriteOnly);
    bool canceled = false;
    if (written) {
        const int chunks = (rows + kSaveChunkRows - 1) / kSaveChunkRows;
        QProgressDialog progress(QStringLiteral("Enregistrement de %1 lignes dans « %2 »…")
                                     .arg(QLocale(QLocale::French).toString(rows), QFileInfo(fileName).fileName()),
                                 QStringLiteral("Annuler"), 0, chunks, window());
        progress.setWindowTitle(QStringLiteral("Enregistrer la liste"));
        progress.setObjectName(QStringLiteral("SaveProgress"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(ProgressDelay);
        progress.setAutoReset(false);
        progress.setAutoClose(false);
        progress.setValue(0);
        // The busy cursor until the progress dialog, whose "Annuler" takes the mouse, comes up.
        std::optional<TBusyCursor> busy(std::in_place);
        std::string buffer;
        std::string line;
        for (int chunk = 0; chunk < chunks && written; ++chunk) {
            buffer.clear();
            const int end = std::min(rows, (chunk + 1) * kSaveChunkRows);
            for (int row = chunk * kSaveChunkRows; row < end; ++row) {
                line.clear();
                const std::string_view stored = model_->Rows().Row(static_cast<std::size_t>(row));
                if (printedForm_) printedForm_(stored, line);
                else DefaultPrintedForm(stored, line);
                AppendShown(line, model_->Utf8(), buffer);
                buffer += '\n';
            }
            written = file.write(buffer.data(), static_cast<qint64>(buffer.size())) == static_cast<qint64>(buffer.size());
            progress.setValue(chunk + 1);
            if (busy && progress.isVisible()) busy.reset();
            if (progress.wasCanceled()) {
                canceled = true;
                break;
            }
        }
    }
    if (canceled) {
        file.cancelWriting();
        file.commit();  // gives the temporary file back, leaves the target as it was
        return false;
    }
    QString reason;
    if (written) {
        written = file.commit();
        if (!written) reason = WriteFailure(file, fileName);
    } else {
        reason = WriteFailure(file, fileName);  // before cancelWriting() sets an error of its own
        file.cancelWriting();
        file.commit();
    }
    if (!written) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Enregistrer la liste"),
                        QStringLiteral("La liste n'a pas pu être enregistrée dans le fichier « %1 » : %2")
                            .arg(QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()), reason),
                        QMessageBox::Ok, window());
        box.setObjectName(QStringLiteral("SaveError"));
        box.exec();
    }
    if (written) emit told(SavedText(rows));
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

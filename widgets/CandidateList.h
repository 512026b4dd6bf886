// A candidate list: a view over a compact model (TCandidateModel,
// CandidateModel.h), made to hold the 1.7 million rows of the largest
// searches. Rows are added to its store by the engine and shown to the view
// in batches (Publish).
//
// A candidate list takes extended selection (Shift, Ctrl, Ctrl+A) and has a
// context menu: "Copier" (the selected rows), "Copier toute la liste" and
// "Enregistrer la liste…" (a UTF-8 text file, one row per line). Ctrl+C
// copies the selected rows too. What is copied and saved, and how, is
// TListExport's (ListExport.h).
//
// The page's list click follows the current row: it runs whenever the user
// moves the current row, by mouse or keyboard, or a program sets it.
//
// Every new list (a new search, new rows for the country list) opens at its
// first row with no row selected; only whole rows are shown; and the first
// Down (or Up) in a list entered with Tab selects the row it shows as current.
#pragma once

#include <QListView>
#include <utility>
#include <vector>

#include "CandidateModel.h"
#include "ListExport.h"

class TCandidateList : public QListView {
    Q_OBJECT
public:
    // `candidates`: a list of search results, with extended selection and the
    // copy and save menu; otherwise a plain list to choose one row from.
    explicit TCandidateList(const QString& objectName, QWidget* parent = nullptr, bool candidates = true);

    TCandidateModel* Model() const { return model_; }
    ferrino::RowStore& Rows() { return model_->Rows(); }
    void Publish() { model_->Publish(); }
    void Clear() { model_->Clear(); }

    int Count() const { return model_->rowCount(); }
    // The row the page's list click acts on: the current row, -1 when none.
    int SelectedRow() const;
    QString RowText(int row) const;
    // Makes the row current and alone selected, and scrolls it into view
    // (centred with PositionAtCenter); a row out of range clears the selection
    // and shows the list from its first row.
    void SelectRow(int row, ScrollHint hint = EnsureVisible);

    // Height of a list that shows `rows` whole rows inside its frame.
    int HeightForRows(int rows) const;

    // ---- copying and saving (ListExport.h) -------------------------------
    using PrintedForm = TListExport::PrintedForm;
    void SetPrintedForm(PrintedForm form) { export_.SetPrintedForm(std::move(form)); }
    // The selected rows, top to bottom, as [first, last] ranges.
    std::vector<std::pair<int, int>> SelectedRanges() const;
    // The printed rows, one a line (no line break after the last).
    QString RowsText(const std::vector<std::pair<int, int>>& ranges) const { return export_.RowsText(ranges); }
    QString AllRowsText() const;
    // "Copier" and "Copier toute la liste", under the busy cursor; they tell
    // how many rows they copied ("1 679 616 lignes copiées.").
    void CopySelectedRows();
    void CopyAllRows();
    // "Enregistrer la liste…": asks for a file with the desktop's file dialog,
    // then SaveRows().
    void SaveRowsAs();
    // Writes every row to `fileName` (TListExport::Save: UTF-8, one row a
    // line, no partial file, a progress dialog and a message box over the
    // window). Returns whether the file was written; when it was, tells how
    // many rows it holds ("1 679 616 lignes enregistrées.").
    bool SaveRows(const QString& fileName);
    // The milliseconds a save runs before its progress dialog shows.
    static inline int& ProgressDelay = TListExport::ProgressDelay;

signals:
    // The current row changed, by mouse or keyboard (a click on the current row counts too).
    void rowClicked();
    void doubleClicked();
    void mousePressed();
    void keyDown(int key);
    void exited();
    // What a copy or a save did, for the window's status bar.
    void told(const QString& message);

public:
    // Every row has the same height, so the view places rows by arithmetic:
    // showing, scrolling and painting cost the same for ten rows as for 1.7
    // million, where the list view's own layout walks through every row.
    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;

protected:
    void updateGeometries() override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // What assistive technologies are told of the current row and the selection.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    int TopRow() const;
    int RowsInView() const;  // rows wholly inside the viewport, at least one
    int ContentWidth() const;
    int RowAtY(int y) const;  // the row at a height of the viewport, outside it too
    void NewList();

    TCandidateModel* model_;
    TListExport export_;
    bool candidates_;
    int rowsInView_ = 0;  // as of the last updateGeometries()
    int pressedRow_ = -1;
    bool changedByPress_ = false;
    bool focusing_ = false;  // the view makes a row current as it takes the focus
};

// A candidate list: a single-selection list over a compact model, made to
// hold the 1.7 million rows of the largest searches. Rows are added to its
// store by the engine and shown to the view in batches (Publish).
#pragma once

#include <QAbstractListModel>
#include <QListView>

#include "common/RowStore.h"

class TCandidateModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TCandidateModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    // Without the base class's checks through rowCount() and columnCount():
    // the view asks for every row when it lays out a list of 1.7 million.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override {
        return !parent.isValid() && column == 0 && row >= 0 && row < published_ ? createIndex(row, 0) : QModelIndex();
    }
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Where a search adds its rows.
    ferrino::RowStore& Rows() { return rows_; }
    // Tells the view about the rows added since the last call.
    void Publish();
    void Clear();
    // Rows for the fixed lists (the country list).
    void SetRows(const QStringList& rows);

private:
    ferrino::RowStore rows_;
    int published_ = 0;
    int widest_ = 0;  // characters of the widest row
    bool utf8_ = false;
};

class TCandidateList : public QListView {
    Q_OBJECT
public:
    explicit TCandidateList(const QString& objectName, QWidget* parent = nullptr);

    TCandidateModel* Model() const { return model_; }
    ferrino::RowStore& Rows() { return model_->Rows(); }
    void Publish() { model_->Publish(); }
    void Clear() { model_->Clear(); }

    int Count() const { return model_->rowCount(); }
    // The selected row, -1 when none.
    int SelectedRow() const;
    QString RowText(int row) const;
    void SelectRow(int row);

signals:
    // The selection changed, by mouse or keyboard (a click on the selected row counts too).
    void rowClicked();
    void doubleClicked();
    void mousePressed();
    void keyDown(int key);
    void exited();

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
    void focusOutEvent(QFocusEvent* event) override;
    // What assistive technologies are told of the current row and the selection.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    int TopRow() const;
    int RowsInView() const;  // rows wholly inside the viewport, at least one
    int ContentWidth() const;

    TCandidateModel* model_;
    int rowsInView_ = 0;  // as of the last updateGeometries()
    int pressedRow_ = -1;
    bool changedByPress_ = false;
};

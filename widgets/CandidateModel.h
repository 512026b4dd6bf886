// The model behind a candidate list: a compact store of rows (up to the 1.7
// million of the largest searches), shown to the view in batches. A search
// adds its rows to the store (Rows()); Publish() tells the view about those
// added since the last call.
#pragma once

#include <QAbstractListModel>
#include <QStringList>

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
    const ferrino::RowStore& Rows() const { return rows_; }
    // Tells the view about the rows added since the last call.
    void Publish();
    void Clear();
    // Rows for the fixed lists (the country list).
    void SetRows(const QStringList& rows);
    // Whether the rows are UTF-8 (the country list) rather than engine text.
    bool Utf8() const { return utf8_; }

private:
    ferrino::RowStore rows_;
    int published_ = 0;
    int widest_ = 0;  // characters of the widest row
    bool utf8_ = false;
};

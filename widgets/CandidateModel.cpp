#include "CandidateModel.h"

#include <algorithm>
#include <QFontMetrics>
#include <QSize>

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


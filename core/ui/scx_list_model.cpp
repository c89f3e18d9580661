#include "core/ui/scx_list_model.h"

#include "core/trace.h"

namespace scx {

int CScxListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shown_; }

int CScxListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant CScxListModel::data(const QModelIndex& index, int role) const {
    if (!ready) {
        // Mid-fill the rows are not consistent yet: nothing is drawn from them.
        Trace("skip update... \r\n");
        return {};
    }
    const int row = index.row(), column = index.column();
    if (row < 0 || static_cast<size_t>(row) >= rows_.size()) return {};
    const CScxListItem& item = rows_[row];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return column < item.texts.size() ? item.texts[column] : QString();
        case Qt::CheckStateRole:
            if (checkMode && column == 0) return item.mark ? Qt::Checked : Qt::Unchecked;
            return {};
        case Qt::TextAlignmentRole:
            return column < alignments_.size() ? QVariant(alignments_[column] | Qt::AlignVCenter) : QVariant();
        default:
            return {};
    }
}

QVariant CScxListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= titles_.size()) return {};
    if (role == Qt::DisplayRole) return titles_[section];
    if (role == Qt::TextAlignmentRole) return QVariant(alignments_[section] | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags CScxListModel::flags(const QModelIndex& index) const {
    // Check marks change only through the list's own click and Space handling.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled : Qt::NoItemFlags;
}

int CScxListModel::InsertColumn(int column, const QString& title, Qt::Alignment alignment) {
    column = std::clamp(column, 0, static_cast<int>(titles_.size()));
    beginInsertColumns({}, column, column);
    titles_.insert(column, title);
    alignments_.insert(column, alignment);
    endInsertColumns();
    return column;
}

void CScxListModel::Publish() {
    const int stored = static_cast<int>(rows_.size());
    if (stored > shown_) {
        beginInsertRows({}, shown_, stored - 1);
        shown_ = stored;
        endInsertRows();
    } else if (stored < shown_) {
        beginRemoveRows({}, stored, shown_ - 1);
        shown_ = stored;
        endRemoveRows();
    }
}

void CScxListModel::RefreshRows(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, shown_ - 1);
    if (first <= last && columnCount() > 0) emit dataChanged(index(first, 0), index(last, columnCount() - 1));
}

void CScxListModel::ClearAll() {
    beginResetModel();
    rows_.clear();
    shown_ = 0;
    ready = false;
    endResetModel();
}

}  // namespace scx

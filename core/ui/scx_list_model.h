#pragma once
// The model behind CScxListCtrl. It keeps every row itself; the view asks only for the cells it
// draws. Rows added while a fill is under way are not shown until the list says the fill ended.

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "core/ui/scx_list_item.h"

namespace scx {

class CScxListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Columns of the list, as the owner declares them.
    int InsertColumn(int column, const QString& title, Qt::Alignment alignment);

    std::vector<CScxListItem>& Rows() { return rows_; }
    const std::vector<CScxListItem>& Rows() const { return rows_; }

    bool ready = false;
    bool checkMode = false;

    // The stored rows become what the view shows.
    void Publish();
    // The cells of these rows changed.
    void RefreshRows(int first, int last);
    void ClearAll();

private:
    std::vector<CScxListItem> rows_;
    int shown_ = 0;  // rows the view knows of
    QStringList titles_;
    QVector<Qt::Alignment> alignments_;
};

}  // namespace scx

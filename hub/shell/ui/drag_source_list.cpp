#include "hub/shell/ui/drag_source_list.h"

#include <QDrag>
#include <QItemSelectionModel>
#include <algorithm>

namespace scx {

CDragSourceList::CDragSourceList(QWidget* parent) : CScxListCtrl(parent) {
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
}

QList<int> CDragSourceList::SelectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CDragSourceList::startDrag(Qt::DropActions /*supportedActions*/) {
    if (!dragData) return;
    QMimeData* data = dragData();
    if (!data) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(dragActions, Qt::CopyAction);
}

}  // namespace scx

#pragma once
// A sortable list whose selected rows can be dragged out: the owner says what the drag carries.

#include <QMimeData>
#include <functional>

#include "core/ui/scx_list_ctrl.h"

namespace scx {

class CDragSourceList : public CScxListCtrl {
    Q_OBJECT
public:
    explicit CDragSourceList(QWidget* parent = nullptr);

    // The data of a drag of the selected rows, or none to drag nothing.
    std::function<QMimeData*()> dragData;
    Qt::DropActions dragActions = Qt::CopyAction;

    // The list rows selected, in ascending order.
    QList<int> SelectedRows() const;

protected:
    void startDrag(Qt::DropActions supportedActions) override;
};

}  // namespace scx

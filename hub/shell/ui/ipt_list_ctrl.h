#pragma once
// The list of an IPT view: one row per shown #SWLIST row (its index kept as the row data), the
// eleven columns, dragging selected rows out as "IPT", and taking drops of "IPT" and "CHECK".

#include <QMimeData>
#include <functional>

#include "hub/shell/ui/drag_source_list.h"

namespace scx {

class CFileIPT;

class CIptListCtrl : public CDragSourceList {
    Q_OBJECT
public:
    explicit CIptListCtrl(QWidget* parent = nullptr);

    // Lists the shown rows of the file; then selects the rows of those #SWLIST indices (-1: all)
    // and reveals each.
    void Fill(const CFileIPT& file, const std::vector<int>& selectSwRows = {});
    // The #SWLIST indices of the selected rows.
    std::vector<int> SelectedSwRows() const;
    // The list row showing that #SWLIST index, or -1.
    int ListRowOf(int swRow) const;

    // Told of a drop of data offering "IPT" or "CHECK" (or neither).
    std::function<void(const QMimeData&)> dropHandler;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace scx

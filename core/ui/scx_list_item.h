#pragma once
// One stored row of a CScxListCtrl: a text and an image per column, the check mark, and the
// owner's row data, which travels with the row when the list is sorted.

#include <QString>
#include <QVector>

namespace scx {

struct CScxListItem {
    QVector<QString> texts;
    // Image index per column, -1 for none; columns past its end have none, so rows without
    // images (all of them today) need no second array.
    QVector<int> images;
    int mark = 0;         // 1 marked, 0 not
    int rowData = -1;     // the owner's; the list never reads it
};

}  // namespace scx

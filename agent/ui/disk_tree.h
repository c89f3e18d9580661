#pragma once
// The fixed disks of the target as a tree with check boxes, one root item per disk
// ("C:\ - 로컬디스크[465GB]"); a click on an item's label toggles its check mark too.

#include <QTreeWidget>
#include <string>
#include <vector>

#include "platform/target/target.h"

namespace scx {

class CDiskTree : public QTreeWidget {
    Q_OBJECT
public:
    // `checkAll`: every disk checked; else only the first.
    CDiskTree(const target::Target& target, bool checkAll, QWidget* parent = nullptr);

    // The texts of the checked items, in tree order.
    std::vector<std::string> CheckedDisks() const;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace scx

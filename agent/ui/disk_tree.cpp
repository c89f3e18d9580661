#include "agent/ui/disk_tree.h"

#include <QMouseEvent>

#include "platform/target/disks.h"

namespace scx {

CDiskTree::CDiskTree(const target::Target& target, bool checkAll, QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setRootIsDecorated(false);
    QFont f = font();
    f.setPixelSize(14);
    setFont(f);
    bool first = true;
    for (const auto& disk : target::FixedDisks(target)) {
        auto* item = new QTreeWidgetItem(this, {QString::fromStdString(target::DiskItemText(disk))});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, checkAll || first ? Qt::Checked : Qt::Unchecked);
        first = false;
    }
}

std::vector<std::string> CDiskTree::CheckedDisks() const {
    std::vector<std::string> disks;
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->checkState(0) == Qt::Checked) disks.push_back(topLevelItem(i)->text(0).toStdString());
    return disks;
}

void CDiskTree::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    // The check box toggles by itself; a click on the label beside it toggles here.
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (!item || event->button() != Qt::LeftButton) return;
    if (event->position().x() - visualItemRect(item).left() < 24) return;
    item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

}  // namespace scx

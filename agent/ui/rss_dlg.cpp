#include "agent/ui/rss_dlg.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "agent/ui/agent_shell.h"
#include "core/ui/scx_list_ctrl.h"

namespace scx {

CRSSDlg::CRSSDlg(const ServerAddress& server, Prompter& prompter, CAgentShell& shell, QWidget* parent)
    : QDialog(parent), shell_(shell) {
    setObjectName("CRSSDlg");
    setWindowTitle("알림");
    setAttribute(Qt::WA_DeleteOnClose);
    list_ = new CScxListCtrl(this);
    list_->setObjectName("list");
    list_->InsertColumn(0, "No.", 50);
    list_->InsertColumn(1, "제목", 400);
    int number = 0;
    for (const auto& notice : LoadNotices(server, prompter)) {
        int row = list_->InsertItem(list_->GetItemCount(), std::to_string(++number));
        list_->SetItemText(row, 1, notice.title);
        list_->SetRowData(row, number - 1);  // the link's index travels with the row when sorted
        links_.push_back(notice.link);
    }
    list_->EndUpdate();
    list_->doubleClickFunction = [this](CScxListCtrl& list, Qt::KeyboardModifiers, QPoint point) {
        QModelIndex index = list.indexAt(point);
        if (index.isValid()) OpenRow(index.row());
    };
    (new QVBoxLayout(this))->addWidget(list_);
    resize(480, 260);
}

void CRSSDlg::OpenRow(int row) {
    if (row < 0 || row >= list_->GetItemCount()) return;
    int index = list_->GetRowData(row);
    if (index < 0 || index >= static_cast<int>(links_.size())) return;
    if (auto link = OpenableLink(links_[index])) shell_.OpenUrl(QUrl(QString::fromStdString(*link)));
}

void CRSSDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

}  // namespace scx

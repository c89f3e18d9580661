#include "agent/ui/select_package_dlg.h"

#include <algorithm>

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text_util.h"
#include "core/ui/scx_list_ctrl.h"

namespace scx {

CSelectPackageDlg::CSelectPackageDlg(const std::vector<std::string>& candidates, Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    setObjectName("CSelectPackageDlg");
    setWindowTitle("패키징");
    list_ = new CScxListCtrl(this);
    list_->setObjectName("list");
    list_->InsertColumn(0, "DB ID", 70);
    list_->InsertColumn(1, "Product", 220);
    list_->InsertColumn(2, "Price", 70);
    for (size_t index = 0; index < candidates.size(); ++index) {
        auto fields = SplitFields(candidates[index], "\t");
        if (fields.size() < 19) continue;
        int row = list_->InsertItem(list_->GetItemCount(), fields[1]);
        list_->SetItemText(row, 1, fields[8]);
        list_->SetItemText(row, 2, fields[9]);
        list_->SetCheck(row, 0);
        list_->SetRowData(row, static_cast<int>(index));
    }
    list_->EndUpdate();

    auto* ok = new QPushButton("확인", this);
    ok->setObjectName("ok");
    auto* cancel = new QPushButton("취소", this);
    cancel->setObjectName("cancel");
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CSelectPackageDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &CSelectPackageDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("패키지 제품을 선택하세요. (최소 1개이상)", this));
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(400, 260);
}

void CSelectPackageDlg::OnOk() {
    chosen_.clear();
    // Rows may have been sorted: a row's candidate index is its row data.
    for (int row = 0; row < list_->GetItemCount(); ++row)
        if (list_->GetCheck(row)) chosen_.push_back(list_->GetRowData(row));
    std::sort(chosen_.begin(), chosen_.end());
    if (chosen_.empty()) {
        prompter_.ShowMessage("최소 1개 항목은 선택되어야 합니다.");
        return;
    }
    accept();
}

void CSelectPackageDlg::reject() {
    if (prompter_.AskYesNo("해당 제품에 관한 패키징을 중단 하시겠습니까?")) QDialog::reject();
}

}  // namespace scx

#include "hub/shell/ui/checklist_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/text_util.h"
#include "hub/shell/drag_payload.h"
#include "hub/shell/ui/drag_source_list.h"
#include "hub/shell/ui/hub_services.h"

namespace scx {

CChecklistDlg::CChecklistDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("SW 찾기");
    setMinimumSize(417, 200);
    setSizeGripEnabled(true);
    type_ = new QComboBox;
    type_->setObjectName("productType");
    type_->addItems({"단품", "패키지", "Windows"});
    company_ = new QLineEdit;
    company_->setObjectName("company");
    company_->setMaxLength(50);
    program_ = new QLineEdit;
    program_->setObjectName("program");
    program_->setMaxLength(100);
    auto* search = new QPushButton("검 색");
    search->setObjectName("search");
    search->setDefault(true);
    connect(search, &QPushButton::clicked, this, &CChecklistDlg::OnSearch);

    results_ = new CDragSourceList;
    results_->setObjectName("results");
    results_->InsertColumn(0, "순번", 60);
    results_->InsertColumn(1, "저작권사", 150);
    results_->InsertColumn(2, "프로그램명", 150);
    results_->InsertColumn(3, "실행파일", 100);
    results_->InsertColumn(4, "가격", 100, Qt::AlignRight);
    results_->InsertColumn(5, "", 0);  // the unformatted price
    results_->setColumnHidden(5, true);
    results_->dragActions = Qt::CopyAction | Qt::MoveAction;
    results_->dragData = [this] { return DragData(); };

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel("제품타입"), 0, 0);
    layout->addWidget(type_, 0, 1);
    layout->addWidget(new QLabel("저작권사명"), 1, 0);
    layout->addWidget(company_, 1, 1);
    layout->addWidget(new QLabel("프로그램명"), 2, 0);
    layout->addWidget(program_, 2, 1);
    layout->addWidget(search, 2, 2);
    layout->addWidget(results_, 3, 0, 1, 3);
    layout->setRowStretch(3, 1);
    resize(620, 420);
}

void CChecklistDlg::OnSearch() {
    results_->DeleteAllItems();
    listedType_ = static_cast<ProductType>(type_->currentIndex());
    std::vector<ChecklistHit> hits;
    SearchChecklist(listedType_, company_->text().toStdString(), program_->text().toStdString(), HubPrompter(), hits);
    for (const ChecklistHit& hit : hits) {
        int at = results_->InsertItem(-1, hit.number);
        results_->SetItemText(at, 1, hit.company);
        results_->SetItemText(at, 2, hit.program);
        results_->SetItemText(at, 3, hit.exeFile);
        results_->SetItemText(at, 4, GroupThousands(std::string_view(hit.price)));
        results_->SetItemText(at, 5, hit.price);
    }
    results_->EndUpdate();
}

QMimeData* CChecklistDlg::DragData() {
    CheckPayload payload;
    payload.productType = static_cast<int>(listedType_);
    const QList<int> selected = results_->SelectedRows();
    if (selected.isEmpty()) return nullptr;
    for (int at : selected) {
        long long number = ParseDigits(results_->GetItemText(at, 0).toStdString());
        if (number >= 0 && !results_->GetItemText(at, 0).isEmpty()) payload.rows.push_back(static_cast<int>(number));
    }
    std::string bytes = EncodeCheckPayload(payload);
    auto* data = new QMimeData;
    data->setData(kCheckMimeType, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return data;
}

}  // namespace scx

#include "hub/shell/ui/ipt_view.h"

#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/prompter.h"
#include "hub/shell/checklist_search.h"
#include "hub/shell/drag_payload.h"
#include "hub/shell/ipt_edit.h"
#include "hub/shell/ui/hub_services.h"
#include "hub/shell/ui/ipt_doc.h"
#include "hub/shell/ui/ipt_list_ctrl.h"
#include "hub/shell/ui/main_frame.h"
#include "hub/shell/ui/sw_input_dlg.h"
#include "hub/shell/ui/user_dlg.h"

namespace scx {
namespace {

QByteArray Bytes(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

CIptView::CIptView(CIptDoc& doc, CMainFrame& frame, QWidget* parent)
    : QWidget(parent), doc_(doc), frame_(frame), list_(new CIptListCtrl) {
    auto* userButton = new QPushButton("사용자 정보");
    userButton->setObjectName("userInfo");
    connect(userButton, &QPushButton::clicked, this, &CIptView::OnEditUserInfo);
    auto* group = new QGroupBox("점검목록");
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(list_);
    list_->setObjectName("iptList");
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, &CIptView::ShowPopup);
    list_->dropHandler = [this](const QMimeData& data) { OnDrop(data); };
    list_->dragData = [this] { return DragData(); };
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(userButton);
    top->addStretch();
    layout->addLayout(top);
    layout->addWidget(group, 1);
    doc_.SetView(this);
    Refill();
}

void CIptView::Refill(const std::vector<int>& selectSwRows) { list_->Fill(doc_.File(), selectSwRows); }

void CIptView::ShowPopup(const QPoint& at) {
    QMenu menu(this);
    menu.setObjectName("IPTSW");
    QMenu* add = menu.addMenu("추가");
    add->addAction("검색하기", this, &CIptView::OnSearch);
    add->addAction("직접입력", this, &CIptView::OnDirectInput);
    QAction* remove = menu.addAction("삭제", this, &CIptView::OnDelete);
    remove->setEnabled(!list_->SelectedRows().isEmpty());
    QAction* save = menu.addAction("저장(&S)\tCtrl+S", &doc_, &CIptDoc::DoSave);
    save->setEnabled(doc_.IsModified());
    menu.addAction("다른 이름으로 저장(&A)...", &doc_, &CIptDoc::DoSaveAs);
    menu.exec(list_->viewport()->mapToGlobal(at));
}

void CIptView::OnEditUserInfo() {
    CUserDlg dialog(ReadIptUserInfo(doc_.File()), this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (UpdateIptUserInfo(doc_.File(), dialog.Values())) doc_.SetModified(true);
}

void CIptView::OnSearch() {
    list_->clearSelection();
    frame_.ShowChecklistDialog();
}

void CIptView::OnDirectInput() {
    CSwInputDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    const int shownBefore = list_->GetItemCount();
    DirectInputOutcome outcome = AddDirectInput(doc_.File(), dialog.Values(), HubPrompter());
    if (outcome.kind == DirectInputOutcome::Refused) return;
    if (outcome.kind == DirectInputOutcome::Added) {
        doc_.SetModified(true);
        Refill();
    }
    list_->clearSelection();
    int at = outcome.kind == DirectInputOutcome::Added ? shownBefore : list_->ListRowOf(outcome.row);
    SelectListItem(at, *list_, true);
}

void CIptView::OnDelete() {
    std::vector<int> rows = list_->SelectedSwRows();
    if (rows.empty()) {
        HubPrompter().ShowMessage("삭제 프로그램을 선택해 주십시요.");
        return;
    }
    if (!HubPrompter().AskYesNo("삭제하시겠습니까?")) return;
    DeleteSwRows(doc_.File(), rows);
    doc_.SetModified(true);
    Refill();
}

void CIptView::OnDrop(const QMimeData& data) {
    const bool fromIpt = data.hasFormat(kIptMimeType);
    std::optional<IptPayload> ipt;
    std::optional<CheckPayload> check;
    if (fromIpt) ipt = DecodeIptPayload(data.data(kIptMimeType).toStdString());
    else if (data.hasFormat(kCheckMimeType)) check = DecodeCheckPayload(data.data(kCheckMimeType).toStdString());
    if (!ipt && !check) {
        HubPrompter().ShowMessage("정보가 부족하여 복사 할 수 없습니다.");
        return;
    }
    if (!HubPrompter().AskYesNo("복사하시겠습니까?")) return;
    std::vector<int> added;
    if (ipt) AddSwRowTexts(doc_.File(), ipt->rows, added);
    else AddChecklistRows(doc_.File(), static_cast<ProductType>(check->productType), check->rows, added);
    if (added.empty()) return;
    doc_.SetModified(true);
    Refill(added);
}

QMimeData* CIptView::DragData() {
    std::vector<int> rows = list_->SelectedSwRows();
    if (rows.empty()) return nullptr;
    IptPayload payload;
    payload.userInfo = doc_.File().UserInfo().GetRowText(0);
    for (int row : rows) payload.rows.push_back(doc_.File().SwList().GetRowText(row));
    auto* data = new QMimeData;
    data->setData(kIptMimeType, Bytes(EncodeIptPayload(payload)));
    return data;
}

}  // namespace scx

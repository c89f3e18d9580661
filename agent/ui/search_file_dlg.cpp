#include "agent/ui/search_file_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "agent/search/file_search_export.h"
#include "hub/report/spreadsheet_export.h"
#include "agent/ui/agent_shell.h"
#include "agent/ui/disk_tree.h"
#include "agent/ui/file_search_relay.h"
#include "core/ui/scx_list_ctrl.h"

namespace scx {

CSearchFileDlg::CSearchFileDlg(const target::Target& target, Prompter& prompter, CAgentShell& shell, QWidget* parent)
    : QDialog(parent), target_(target), prompter_(prompter), shell_(shell) {
    setObjectName("CSearchFileDlg");
    setWindowTitle("파일 검색");
    disks_ = new CDiskTree(target, true, this);
    disks_->setObjectName("disks");
    text_ = new QLineEdit(this);
    text_->setObjectName("searchText");
    searchButton_ = new QPushButton("검색", this);
    searchButton_->setObjectName("search");
    exportButton_ = new QPushButton("엑셀저장", this);
    exportButton_->setObjectName("export");
    for (auto* b : {searchButton_, exportButton_}) b->setAutoDefault(false);
    list_ = new CScxListCtrl(this);
    list_->setObjectName("list");
    list_->InsertColumn(0, "이름", 170);
    list_->InsertColumn(1, "크기", 80, Qt::AlignRight);
    list_->InsertColumn(2, "위치", 400);
    status_ = new QLabel(this);
    status_->setObjectName("status");
    progress_ = new QProgressBar(this);
    progress_->setObjectName("progress");
    progress_->setTextVisible(false);
    progress_->setValue(0);

    auto* side = new QVBoxLayout;
    side->addWidget(disks_);
    side->addWidget(new QLabel("검색할 내용을 입력하세요.", this));
    side->addWidget(text_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(searchButton_);
    buttons->addWidget(exportButton_);
    side->addLayout(buttons);
    auto* top = new QHBoxLayout;
    top->addLayout(side, 1);
    top->addWidget(list_, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(status_);
    layout->addWidget(progress_);
    resize(860, 420);

    relay_ = std::make_unique<FileSearchRelay>();
    connect(relay_.get(), &FileSearchRelay::total, this, [this](int units) {
        progress_->setRange(0, units);  // the whole count: no 16-bit cut
        progress_->setValue(0);
    }, Qt::QueuedConnection);
    connect(relay_.get(), &FileSearchRelay::step, this, [this] { progress_->setValue(progress_->value() + 1); },
            Qt::QueuedConnection);
    connect(relay_.get(), &FileSearchRelay::found, this, &CSearchFileDlg::OnFound, Qt::QueuedConnection);
    connect(relay_.get(), &FileSearchRelay::done, this, &CSearchFileDlg::OnSearchDone, Qt::QueuedConnection);
    connect(searchButton_, &QPushButton::clicked, this, &CSearchFileDlg::OnSearchButton);
    connect(exportButton_, &QPushButton::clicked, this, &CSearchFileDlg::OnExport);
}

CSearchFileDlg::~CSearchFileDlg() { thread_.reset(); }

void CSearchFileDlg::done(int result) {
    // The search goes on over this window's data: stop it and wait for it first.
    thread_.reset();
    closed_ = true;  // reports still queued are dropped
    QDialog::done(result);
}

void CSearchFileDlg::SetIdle(bool idle) {
    disks_->setEnabled(idle);
    text_->setEnabled(idle);
    exportButton_->setEnabled(idle);
    searchButton_->setEnabled(true);
    searchButton_->setText(idle ? "검색" : "검색 중지");
}

void CSearchFileDlg::OnSearchButton() {
    if (thread_) {
        searchButton_->setEnabled(false);
        thread_->Stop();  // the thread ends at its next check and reports as usual
        return;
    }
    FileSearchRequest request;
    request.target = &target_;
    request.disks = disks_->CheckedDisks();
    if (request.disks.empty()) {
        prompter_.ShowMessage("검색할 디스크를 선택해 주세요");
        disks_->setFocus();
        return;
    }
    request.pattern = text_->text().toStdString();
    if (request.pattern.empty()) {
        prompter_.ShowMessage("검색할 파일명을 입력해 주세요");
        text_->setFocus();
        return;
    }
    SetIdle(false);
    closed_ = false;
    list_->DeleteAllItems();
    status_->clear();
    thread_ = std::make_unique<FileSearchThread>(std::move(request), *relay_);
}

void CSearchFileDlg::OnFound(const QString& name, const QString& size, const QString& folder) {
    if (closed_) return;
    int row = list_->InsertItem(list_->GetItemCount(), name);
    list_->SetItemText(row, 1, size);
    list_->SetItemText(row, 2, folder);
    list_->EndUpdate();
    status_->setText(QString("%1개가 검색되었습니다.").arg(list_->GetItemCount()));
}

void CSearchFileDlg::OnSearchDone() {
    if (closed_) return;
    if (thread_) thread_->Join();  // its last report: the thread is ending
    thread_.reset();
    SetIdle(true);
    prompter_.ShowMessage("검색이 완료되었습니다.");
}

void CSearchFileDlg::OnExport() {
    std::vector<FoundFileRow> rows;
    for (int row = 0; row < list_->GetItemCount(); ++row)
        rows.push_back({list_->GetItemText(row, 0).toStdString(), list_->GetItemText(row, 1).toStdString(),
                        list_->GetItemText(row, 2).toStdString()});
    if (rows.empty()) {
        SaveFileSearchExport({}, rows, prompter_);  // says there is nothing to save
        return;
    }
    QString folder = shell_.FolderName(this, QString::fromUtf8(kExportFolderTitle.data(), kExportFolderTitle.size()));
    if (!folder.isEmpty()) SaveFileSearchExport(folder.toStdString(), rows, prompter_);
}

}  // namespace scx

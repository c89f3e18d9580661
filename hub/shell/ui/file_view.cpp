#include "hub/shell/ui/file_view.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QVBoxLayout>
#include <algorithm>

#include "core/prompter.h"
#include "core/ui/scx_list_ctrl.h"
#include "hub/shell/ui/hub_services.h"
#include "hub/shell/ui/main_frame.h"

namespace scx {

CFileView::CFileView(FilePaneKind kind, CMainFrame& frame, QWidget* parent)
    : QWidget(parent), kind_(kind), frame_(frame), list_(new CScxListCtrl) {
    const bool ipt = kind == FilePaneKind::Ipt;
    setObjectName(ipt ? "CIptFileView" : "CRstFileView");
    list_->setObjectName("fileList");
    list_->InsertColumn(0, ipt ? "개별 점검 파일" : "취합 점검 파일", ipt ? 170 : 170);
    list_->header()->setStretchLastSection(true);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, &CFileView::ShowPopup);
    list_->doubleClickFunction = [this](CScxListCtrl&, Qt::KeyboardModifiers, QPoint) { OnDoubleClick(); };

    refresh_ = new QAction("목록 갱신", this);
    refresh_->setShortcut(Qt::Key_F5);
    refresh_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(refresh_, &QAction::triggered, this, &CFileView::OnRefresh);
    open_ = new QAction("열기", this);
    connect(open_, &QAction::triggered, this, &CFileView::OnOpen);
    delete_ = new QAction("삭제", this);
    connect(delete_, &QAction::triggered, this, &CFileView::OnDelete);
    aggregate_ = new QAction("취합", this);
    connect(aggregate_, &QAction::triggered, this, [this] {
        if (aggregate) aggregate(SelectedNames());
    });
    addAction(refresh_);  // F5 while the pane has the focus
    auto* selectAll = new QAction(this);
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(selectAll, &QAction::triggered, list_, &QAbstractItemView::selectAll);
    addAction(selectAll);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    OnRefresh();
}

QStringList CFileView::SelectedNames() const {
    QList<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows()) rows << index.row();
    std::sort(rows.begin(), rows.end());
    QStringList names;
    for (int row : rows) names << list_->GetItemText(row, 0);
    return names;
}

void CFileView::UpdateCommands() {
    const bool any = !list_->selectionModel()->selectedRows().isEmpty();
    // RST documents open once their window exists (see CMainFrame::OpenDocumentFile).
    open_->setEnabled(any && frame_.CanOpenKind(kind_ == FilePaneKind::Ipt ? DocumentKind::Ipt : DocumentKind::Rst));
    delete_->setEnabled(any);
    aggregate_->setEnabled(any && kind_ == FilePaneKind::Ipt && aggregate != nullptr);
}

QAction* CFileView::Command(int id) {
    UpdateCommands();
    switch (id) {
        case 32782: return refresh_;
        case 26801: return open_;
        case 26799: return delete_;
        case 26800: return aggregate_;
    }
    return nullptr;
}

void CFileView::ShowPopup(const QPoint& at) {
    QModelIndex under = list_->indexAt(at);
    if (under.isValid() && !list_->selectionModel()->isRowSelected(under.row(), QModelIndex())) {
        list_->clearSelection();
        SelectListItem(under.row(), *list_, true);
    }
    UpdateCommands();
    QMenu menu(this);
    menu.setObjectName("FILEVIEW");
    menu.addAction(refresh_);
    menu.addAction(open_);
    menu.addAction(delete_);
    menu.addSeparator();
    menu.addAction(aggregate_);
    menu.exec(list_->viewport()->mapToGlobal(at));
}

void CFileView::OnRefresh() {
    list_->DeleteAllItems();
    for (const std::string& name : ListPaneFiles(kind_)) list_->InsertItem(-1, name);
    list_->EndUpdate();
}

void CFileView::OnOpen() {
    for (const QString& name : SelectedNames())
        frame_.OpenDocumentFile(QString::fromStdString(PathForOpening(name.toStdString())));
}

void CFileView::OnDoubleClick() { OnOpen(); }

void CFileView::OnDelete() {
    QStringList names = SelectedNames();
    if (names.isEmpty()) return;
    if (!HubPrompter().AskYesNo("삭제하시겠습니까?")) return;
    std::vector<std::string> files;
    for (const QString& name : names) files.push_back(name.toStdString());
    MovePaneFilesToTmp(kind_, files, HubPrompter());
    OnRefresh();
}

}  // namespace scx

#include "hub/shell/ui/main_frame.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QInputDialog>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/dbupdate/checklist_database_files.h"
#include "core/dbupdate/db_update.h"
#include "core/folders.h"
#include "core/prompter.h"
#include "core/ui/db_update_dlg.h"
#include "hub/shell/agent_launch.h"
#include "hub/shell/ui/about_dlg.h"
#include "hub/shell/ui/about_scrutinex_dlg.h"
#include "hub/shell/ui/checklist_dlg.h"
#include "hub/shell/ui/file_view.h"
#include "hub/shell/ui/hub_icon.h"
#include "hub/shell/ui/hub_services.h"
#include "hub/shell/ui/ipt_doc.h"
#include "hub/shell/ui/ipt_frame.h"
#include "hub/shell/ui/ipt_view.h"
#include "hub/shell/ui/key_state_indicators.h"
#include "hub/shell/ui/look_style.h"
#include "hub/shell/ui/setting_dlg.h"
#include "hub/shell/ui/toolbar_customize_dlg.h"

namespace scx {

CMainFrame::CMainFrame() : mdi_(new QMdiArea) {
    setObjectName("CMainFrame");
    setWindowTitle(kFrameTitle);
    setWindowIcon(WorkstationIcon());
    mdi_->setObjectName("mdiArea");
    mdi_->setViewMode(QMdiArea::SubWindowView);
    setCentralWidget(mdi_);
    setAcceptDrops(true);
    BuildMenus();
    BuildToolBar();
    BuildPanes();
    statusBar()->showMessage("준비");
    new CKeyStateIndicators(*statusBar());
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { UpdateMenuState(); });
    look_ = ReadApplicationLook(ID_LOOK_DEFAULT);
    for (QAction* action : commands_)
        if (action->data().toInt() == look_) action->setChecked(true);
    UpdateMenuState();
    resize(1100, 720);
}

CChecklistDlg* CMainFrame::ChecklistDialog() const { return checklist_.data(); }

CMainFrame::~CMainFrame() {
    // The document windows go first, while the frame they report to is whole: QWidget's own
    // destructor would close them only after this part of the frame is gone, and their
    // activation and destruction signals would then call into freed members.
    // Closed windows waiting for their deletion are no longer listed by the area: find them all.
    disconnect(mdi_, nullptr, this, nullptr);
    for (QMdiSubWindow* window : mdi_->findChildren<QMdiSubWindow*>()) {
        disconnect(window, nullptr, this, nullptr);
        delete window;
    }
    if (checklist_) delete checklist_.data();
}

QAction* CMainFrame::AddCommand(QMenu* menu, int id, const QString& caption, void (CMainFrame::*slot)()) {
    // A menu caption shows its accelerator after a TAB; Qt shows the shortcut itself.
    QString text = caption.section('\t', 0, 0);
    auto* action = new QAction(text, this);
    action->setObjectName(QString("ID_%1").arg(id));
    if (slot) connect(action, &QAction::triggered, this, slot);
    menu->addAction(action);
    commands_.insert(id, action);
    return action;
}

void CMainFrame::BuildMenus() {
    QMenu* file = menuBar()->addMenu("파일(&F)");
    connect(file, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    AddCommand(file, ID_FILE_NEW, "새 파일(&N)\tCtrl+N", &CMainFrame::OnFileNew)->setShortcut(QKeySequence("Ctrl+N"));
    AddCommand(file, ID_FILE_OPEN, "열기(&O)...\tCtrl+O", &CMainFrame::OnFileOpen)->setShortcut(QKeySequence("Ctrl+O"));
    AddCommand(file, ID_FILE_CLOSE, "닫기(&C)", nullptr);
    connect(commands_[ID_FILE_CLOSE], &QAction::triggered, mdi_, &QMdiArea::closeActiveSubWindow);
    AddCommand(file, ID_CLOSE_ALL, "모든 파일 닫기(&F)", nullptr);
    connect(commands_[ID_CLOSE_ALL], &QAction::triggered, this, [this] { OnCloseAll(); });
    commands_.insert(-1, file->addSeparator());
    AddCommand(file, ID_FILE_SAVE, "저장(&S)\tCtrl+S", nullptr)->setShortcut(QKeySequence("Ctrl+S"));
    connect(commands_[ID_FILE_SAVE], &QAction::triggered, this, [this] {
        if (CIptDoc* doc = ActiveIptDocument()) doc->DoSave();
    });
    AddCommand(file, ID_FILE_SAVE_AS, "다른 이름으로 저장(&A)...", nullptr);
    connect(commands_[ID_FILE_SAVE_AS], &QAction::triggered, this, [this] {
        if (CIptDoc* doc = ActiveIptDocument()) doc->DoSaveAs();
    });
    commands_.insert(-2, file->addSeparator());
    // Printing belongs to result documents, which have no window in this program yet.
    AddCommand(file, ID_FILE_PRINT, "인쇄(&P)...\tCtrl+P", nullptr)->setShortcut(QKeySequence("Ctrl+P"));
    AddCommand(file, ID_FILE_PRINT_SETUP, "인쇄 설정(&R)...", nullptr);
    connect(commands_[ID_FILE_PRINT_SETUP], &QAction::triggered, this, [this] {
        QPrinter printer;
        QPageSetupDialog(&printer, this).exec();
    });
    file->addSeparator();
    AddCommand(file, ID_APP_EXIT, "종료(&X)", nullptr);
    connect(commands_[ID_APP_EXIT], &QAction::triggered, this, &QWidget::close);

    viewMenu_ = menuBar()->addMenu("보기(&V)");
    AddCommand(viewMenu_, ID_VIEW_CHECKLIST, "체크리스트", &CMainFrame::ShowChecklistDialog);
    viewMenu_->addSeparator();
    QMenu* looks = new QMenu("응용 프로그램 모양(&A)", this);
    auto* lookGroup = new QActionGroup(this);
    for (const LookEntry& entry : LookEntries()) {
        QAction* action = AddCommand(looks, entry.id, entry.caption, nullptr);
        action->setCheckable(true);
        action->setData(entry.id);
        lookGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, id = entry.id] { SetLook(id); });
    }
    // 도킹 창 and 상태 표시줄 come after the panes exist (BuildPanes); the look menu goes last.
    viewMenu_->setProperty("looks", QVariant::fromValue<QObject*>(looks));

    windowMenu_ = menuBar()->addMenu("창(&W)");
    windowMenu_->addAction("다음 창", mdi_, &QMdiArea::activateNextSubWindow);
    windowMenu_->addAction("계단식 배열(&C)", mdi_, &QMdiArea::cascadeSubWindows);
    windowMenu_->addAction("바둑판식 배열(&T)", mdi_, &QMdiArea::tileSubWindows);
    windowMenu_->addAction("아이콘 정렬(&A)", mdi_, &QMdiArea::tileSubWindows);
    windowMenu_->addAction("창(&W)...", this, [this] {
        QStringList titles;
        for (QMdiSubWindow* w : mdi_->subWindowList()) titles << w->windowTitle();
        bool ok = false;
        QString chosen = QInputDialog::getItem(this, "창", "창 선택", titles, 0, false, &ok);
        if (!ok) return;
        for (QMdiSubWindow* w : mdi_->subWindowList())
            if (w->windowTitle() == chosen) mdi_->setActiveSubWindow(w);
    });
    auto* nextPane = new QAction(this);
    nextPane->setShortcut(Qt::Key_F6);
    connect(nextPane, &QAction::triggered, mdi_, &QMdiArea::activateNextSubWindow);
    auto* previousPane = new QAction(this);
    previousPane->setShortcut(QKeySequence("Shift+F6"));
    connect(previousPane, &QAction::triggered, mdi_, &QMdiArea::activatePreviousSubWindow);
    addActions({nextPane, previousPane});

    QMenu* tools = menuBar()->addMenu("도구(&T)");
    connect(tools, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    AddCommand(tools, ID_DB_UPDATE, "DB파일 업데이트(&U)...\tCtrl+U", &CMainFrame::OnDbUpdate);
    tools->addSeparator();
    AddCommand(tools, ID_RUN_AGENT, "ScrutinexAgent 실행", &CMainFrame::OnRunAgent);
    AddCommand(tools, ID_SETTINGS, "환경설정(&C)", &CMainFrame::OnSettings);

    QMenu* help = menuBar()->addMenu("도움말(&H)");
    AddCommand(help, ID_APP_ABOUT, "Scrutinex 정보(&A)...", nullptr);
    connect(commands_[ID_APP_ABOUT], &QAction::triggered, this, [this] { CAboutDlg(this).exec(); });
    AddCommand(help, ID_ABOUT_SCRUTINEX, "스크루티넥스는...", nullptr);
    connect(commands_[ID_ABOUT_SCRUTINEX], &QAction::triggered, this, [this] { CAboutScrutinexDlg(this).exec(); });
}

namespace {

// The commands the toolbar may show, in toolbar order, each group after a separator; and the ones
// it shows until the examiner chooses others.
const std::vector<std::vector<int>> kToolbarGroups = {
    {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_CLOSE, ID_CLOSE_ALL},
    {ID_FILE_PRINT, ID_FILE_PRINT_SETUP},
    {ID_VIEW_CHECKLIST, ID_DB_UPDATE, ID_RUN_AGENT, ID_SETTINGS},
    {ID_APP_ABOUT, ID_ABOUT_SCRUTINEX},
};
const std::vector<int> kToolbarDefaults = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_PRINT, ID_APP_ABOUT};

std::vector<int> ToolbarCandidates() {
    std::vector<int> ids;
    for (const auto& group : kToolbarGroups) ids.insert(ids.end(), group.begin(), group.end());
    return ids;
}

}  // namespace

void CMainFrame::BuildToolBar() {
    toolBar_ = addToolBar("표준");
    toolBar_->setObjectName("표준");
    QStyle* s = style();
    const std::pair<int, QStyle::StandardPixmap> icons[] = {
        {ID_FILE_NEW, QStyle::SP_FileIcon},
        {ID_FILE_OPEN, QStyle::SP_DialogOpenButton},
        {ID_FILE_SAVE, QStyle::SP_DialogSaveButton},
        {ID_FILE_CLOSE, QStyle::SP_DialogCloseButton},
        {ID_FILE_PRINT, QStyle::SP_FileDialogDetailedView},
        {ID_VIEW_CHECKLIST, QStyle::SP_FileDialogContentsView},
        {ID_DB_UPDATE, QStyle::SP_BrowserReload},
        {ID_RUN_AGENT, QStyle::SP_MediaPlay},
        {ID_APP_ABOUT, QStyle::SP_MessageBoxInformation},
    };
    for (const auto& [id, pixmap] : icons) commands_[id]->setIcon(s->standardIcon(pixmap));
    for (int id : ToolbarCandidates()) commands_[id]->setData(id);
    customize_ = new QAction("사용자 지정...", this);
    customize_->setObjectName("customizeToolbar");
    connect(customize_, &QAction::triggered, this, &CMainFrame::OnCustomizeToolbar);
    FillToolBar(ReadToolbarButtons(ToolbarCandidates(), kToolbarDefaults));
}

void CMainFrame::FillToolBar(const std::vector<int>& ids) {
    toolBarIds_ = ids;
    toolBar_->clear();
    bool groupStarted = false;
    for (const auto& group : kToolbarGroups) {
        bool separated = false;
        for (int id : group) {
            if (std::find(ids.begin(), ids.end(), id) == ids.end()) continue;
            if (groupStarted && !separated) toolBar_->addSeparator();
            separated = true;
            toolBar_->addAction(commands_[id]);
        }
        groupStarted = groupStarted || separated;
    }
    // The customise entry at the toolbar's end, as a drop-down.
    auto* more = new QToolButton(toolBar_);
    more->setObjectName("toolbarOptions");
    more->setArrowType(Qt::DownArrow);
    more->setPopupMode(QToolButton::InstantPopup);
    more->setAutoRaise(true);
    auto* menu = new QMenu(more);
    menu->addAction(customize_);
    more->setMenu(menu);
    toolBar_->addWidget(more);
}

void CMainFrame::OnCustomizeToolbar() {
    QList<QAction*> candidates;
    for (int id : ToolbarCandidates()) candidates << commands_[id];
    CToolbarCustomizeDlg dialog(candidates, toolBarIds_, kToolbarDefaults, this);
    if (dialog.exec() != QDialog::Accepted) return;
    FillToolBar(dialog.Chosen());
    WriteToolbarButtons(toolBarIds_);
}

QMenu* CMainFrame::createPopupMenu() {
    // The right-click menu of the toolbar and the panes: which of them show, and 사용자 지정....
    QMenu* menu = QMainWindow::createPopupMenu();
    if (!menu) menu = new QMenu(this);
    menu->addSeparator();
    menu->addAction(customize_);
    return menu;
}

void CMainFrame::BuildPanes() {
    iptPane_ = new CFileView(FilePaneKind::Ipt, *this);
    rstPane_ = new CFileView(FilePaneKind::Rst, *this);
    iptDock_ = new QDockWidget("IPT", this);
    iptDock_->setObjectName("IPT");
    iptDock_->setWidget(iptPane_);
    rstDock_ = new QDockWidget("RST", this);
    rstDock_->setObjectName("RST");
    rstDock_->setWidget(rstPane_);
    addDockWidget(Qt::LeftDockWidgetArea, iptDock_);
    tabifyDockWidget(iptDock_, rstDock_);
    iptDock_->raise();
    resizeDocks({iptDock_}, {200}, Qt::Horizontal);

    QMenu* docks = viewMenu_->addMenu("도킹 창(&T)");
    docks->addAction(iptDock_->toggleViewAction());
    docks->addAction(rstDock_->toggleViewAction());
    QAction* status = viewMenu_->addAction("상태 표시줄(&S)");
    status->setCheckable(true);
    status->setChecked(true);
    connect(status, &QAction::toggled, statusBar(), &QWidget::setVisible);
    viewMenu_->addMenu(qobject_cast<QMenu*>(viewMenu_->property("looks").value<QObject*>()));
}

QList<CIptFrame*> CMainFrame::IptFrames() const {
    QList<CIptFrame*> frames;
    for (QMdiSubWindow* window : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (auto* frame = qobject_cast<CIptFrame*>(window)) frames << frame;
    return frames;
}

CIptDoc* CMainFrame::ActiveIptDocument() const {
    auto* frame = qobject_cast<CIptFrame*>(mdi_->activeSubWindow());
    if (!frame && mdi_->subWindowList().size() == 1) frame = qobject_cast<CIptFrame*>(mdi_->subWindowList().first());
    return frame ? &frame->Document() : nullptr;
}

void CMainFrame::UpdateMenuState() {
    // Without a document the menu has no 닫기, 저장, 인쇄 and no 창 menu, and other captions.
    const bool documents = !mdi_->subWindowList().isEmpty();
    for (int id : {int(ID_FILE_CLOSE), int(ID_FILE_SAVE), int(ID_FILE_SAVE_AS), int(ID_FILE_PRINT), -1, -2})
        commands_[id]->setVisible(documents);
    windowMenu_->menuAction()->setVisible(documents);
    commands_[ID_FILE_NEW]->setText(documents ? "새 파일(&N)" : "새로 만들기(&N)");
    commands_[ID_APP_EXIT]->setText(documents ? "종료(&X)" : "끝내기(&X)");
    UpdateCommands();
}

void CMainFrame::UpdateCommands() {
    CIptDoc* doc = ActiveIptDocument();
    commands_[ID_FILE_SAVE]->setEnabled(doc && doc->IsModified());
    commands_[ID_FILE_SAVE_AS]->setEnabled(doc != nullptr);
    commands_[ID_FILE_PRINT]->setEnabled(false);  // only result documents print
    commands_[ID_FILE_CLOSE]->setEnabled(mdi_->activeSubWindow() != nullptr);
    // The agent is started from the program folder only when it is there.
    commands_[ID_RUN_AGENT]->setEnabled(!FindAgentProgram().empty());
}

void CMainFrame::RefreshFilePanes() {
    iptPane_->OnRefresh();
    rstPane_->OnRefresh();
}

void CMainFrame::ShowChecklistDialog() {
    if (!checklist_) {
        checklist_ = new CChecklistDlg(this);
        checklist_->setObjectName("CChecklistDlg");
        checklist_->setModal(false);
    }
    if (checklist_->isMinimized()) checklist_->showNormal();
    checklist_->show();
    checklist_->raise();
    checklist_->activateWindow();
}

QStringList CMainFrame::NewDocumentEntries() {
    QStringList entries;
    for (const DocumentType& type : kDocumentTypes)
        if (!type.newName.empty()) entries << QString::fromUtf8(type.newName.data(), qsizetype(type.newName.size()));
    return entries;
}

void CMainFrame::OnFileNew() {
    // The framework's choice of the types that have a File-New entry; result documents are made
    // once their window exists, until then their entry is shown disabled.
    QDialog chooser(this);
    chooser.setObjectName("newDocument");
    chooser.setWindowTitle("새로 만들기");
    auto* list = new QListWidget(&chooser);
    list->setObjectName("types");
    int index = 0;
    for (const DocumentType& type : kDocumentTypes) {
        if (type.newName.empty()) continue;
        auto* item = new QListWidgetItem(QString::fromUtf8(type.newName.data(), qsizetype(type.newName.size())), list);
        item->setData(Qt::UserRole, static_cast<int>(type.kind));
        if (!CanOpenKind(type.kind)) item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        if (index++ == 0) list->setCurrentItem(item);
    }
    auto* buttons = new QDialogButtonBox(&chooser);
    buttons->addButton("확인", QDialogButtonBox::AcceptRole);
    buttons->addButton("취소", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, &chooser, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &chooser, &QDialog::reject);
    connect(list, &QListWidget::itemDoubleClicked, &chooser, &QDialog::accept);
    auto* layout = new QVBoxLayout(&chooser);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (chooser.exec() != QDialog::Accepted || !list->currentItem()) return;
    if (static_cast<DocumentKind>(list->currentItem()->data(Qt::UserRole).toInt()) == DocumentKind::Ipt)
        NewIptDocument();
}

void CMainFrame::NewIptDocument() {
    auto doc = std::make_unique<CIptDoc>(*this);
    if (!doc->OnNewDocument(this)) return;
    AddDocumentWindow(new CIptFrame(std::move(doc), *this));
    HubPrompter().ShowMessage("OS를 추가해 주십시요.");
    ShowChecklistDialog();
}

QMdiSubWindow* CMainFrame::AddDocumentWindow(QMdiSubWindow* window) {
    const bool first = mdi_->activeSubWindow() == nullptr;
    window->setWindowIcon(windowIcon());
    mdi_->addSubWindow(window);
    connect(window, &QObject::destroyed, this, [this] { UpdateMenuState(); });
    if (auto* frame = qobject_cast<CIptFrame*>(window))
        connect(&frame->Document(), &CIptDoc::modifiedChanged, this, &CMainFrame::UpdateCommands);
    if (first) window->showMaximized();
    else window->show();
    mdi_->setActiveSubWindow(window);
    UpdateMenuState();
    return window;
}

QMdiSubWindow* CMainFrame::OpenDocumentFile(const QString& path) {
    const DocumentType* type = DocumentTypeForPath(path.toStdString());
    if (!type || !CanOpenKind(type->kind)) return nullptr;
    auto doc = std::make_unique<CIptDoc>(*this);
    if (!doc->OnOpenDocument(path)) return nullptr;
    return AddDocumentWindow(new CIptFrame(std::move(doc), *this));
}

void CMainFrame::ReopenDocument(CIptDoc& doc, const QString& path) {
    for (CIptFrame* frame : IptFrames()) {
        if (&frame->Document() != &doc) continue;
        frame->close();  // not modified after the save: no prompt; deleted later
        break;
    }
    OpenDocumentFile(path);
}

void CMainFrame::OnFileOpen() {
    QString path = GetHubServices().chooseOpenFile(
        QString::fromStdString(GetCheckOutFolder()),
        "All File (*.ipt *.tls *.rst);;IPT 문서 (*.ipt);;TLS 문서 (*.tls);;RST 문서 (*.rst)");
    if (!path.isEmpty()) OpenDocumentFile(path);
}

bool CMainFrame::OnCloseAll() {
    for (QMdiSubWindow* window : mdi_->subWindowList()) window->close();
    // A window whose close was refused stays; the others are deleted later.
    for (QMdiSubWindow* window : mdi_->subWindowList())
        if (window->isVisible()) return false;
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!OnCloseAll()) {
        event->ignore();
        return;
    }
    if (checklist_) checklist_->close();
    event->accept();
}

void CMainFrame::OnRunAgent() {
    std::string agent = FindAgentProgram();
    // Run anyway: a missing program is then reported by the start itself.
    QString program = QString::fromStdString(agent.empty() ? FallbackAgentPath() : agent);
    if (!GetHubServices().startProgram(program))
        HubPrompter().ShowMessage(program.toStdString() + "\n실행할 수 없습니다.");
}

void CMainFrame::OnSettings() { CSettingDlg(this).exec(); }

void CMainFrame::OnDbUpdate() {
    CheckListDatabaseFiles databases;
    CDbUpdateDlg dialog(CDbUpdateDlg::Variant::Workstation, DbUpdateConfigFromSettings(), databases, HubPrompter(), this);
    dialog.exec();
}

void CMainFrame::SetLook(int id) {
    look_ = id;
    ApplyLook(id);
    WriteApplicationLook(id);
    if (QAction* action = commands_.value(id)) action->setChecked(true);
    update();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) OpenDocumentFile(url.toLocalFile());
}

}  // namespace scx

#include "agent/ui/scrutinex_agent_dlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>

#include "agent/app/result_list.h"
#include "agent/notice/notice_feed.h"
#include "agent/ui/about_dlg.h"
#include "agent/ui/about_scrutinex_dlg.h"
#include "agent/ui/agent_shell.h"
#include "agent/ui/drag_area.h"
#include "agent/ui/gdip_button.h"
#include "agent/ui/rss_dlg.h"
#include "agent/ui/scan_report_relay.h"
#include "agent/ui/search_file_dlg.h"
#include "core/dbupdate/checklist_database_files.h"
#include "core/dbupdate/daily_check.h"
#include "core/folders.h"
#include "core/ui/db_update_dlg.h"
#include "core/ui/scx_list_ctrl.h"

namespace scx {
namespace {

CGdipButton* TitleButton(const char* name, const char* image, QWidget* parent) {
    auto* button = new CGdipButton({}, QString(":/agent/%1.png").arg(image), {}, parent);
    button->setObjectName(name);
    button->setFixedSize(24, 24);
    return button;
}

CGdipButton* OptionButton(const char* name, const char* caption, bool on, QWidget* parent) {
    auto* button = new CGdipButton(caption, ":/agent/option_off.png", ":/agent/option_on.png", parent);
    button->setObjectName(name);
    button->setFixedSize(132, 40);
    button->SetOn(on);
    return button;
}

}  // namespace

CScrutinexAgentDlg::CScrutinexAgentDlg(std::unique_ptr<target::Target> target, Prompter& prompter,
                                       CAgentShell& shell, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      target_(std::move(target)),
      prompter_(prompter),
      shell_(shell),
      options_(ReadInspectionOptions(OptionsReader::Agent)),
      relay_(new ScanReportRelay(this)) {
    setObjectName("CScrutinexAgentDlg");
    EnsureAgentResources();
    connect(relay_, &ScanReportRelay::reported, this, &CScrutinexAgentDlg::OnScanReport, Qt::QueuedConnection);

    // The notice window comes first, when its server answers.
    if (auto server = ParseServerAddress(ReadNoticeHost()); server && IsNoticeServerReachable(*server)) {
        notice_ = new CRSSDlg(*server, prompter_, shell_, this);
        notice_->show();
    }
    EnsureCheckOutFolders(true);
    setWindowIcon(QIcon(":/agent/icon.png"));
    BuildWindow();
    BuildMenus();
    setWindowTitle(kAgentTitle);
    QTimer::singleShot(0, this, &CScrutinexAgentDlg::AfterInit);
}

CScrutinexAgentDlg::~CScrutinexAgentDlg() {
    scanThread_.reset();  // cancels and waits: the scan uses the result and the engine
    if (tray_) tray_->hide();
}

void CScrutinexAgentDlg::BuildWindow() {
    auto* title = new CDragArea(this);
    title->setObjectName("titleBar");
    title->setFixedHeight(48);
    auto* icon = new QLabel(title);
    icon->setPixmap(QPixmap(":/agent/icon.png").scaled(28, 28, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto* caption = new QLabel(kAgentTitle, title);
    caption->setStyleSheet("color: white; font-size: 16px; font-weight: bold;");
    targetLabel_ = new QLabel(QString("점검 대상: %1").arg(QString::fromStdString(target_->Name())), title);
    targetLabel_->setObjectName("target");
    targetLabel_->setStyleSheet("color: #c8d8f0;");
    gear_ = TitleButton("gear", "gear", title);
    minimise_ = TitleButton("minimise", "minimise", title);
    titleClose_ = TitleButton("titleClose", "close", title);
    auto* bar = new QHBoxLayout(title);
    bar->setContentsMargins(10, 0, 8, 0);
    bar->addWidget(icon);
    bar->addWidget(caption);
    bar->addSpacing(12);
    bar->addWidget(targetLabel_, 1);
    bar->addWidget(gear_);
    bar->addWidget(minimise_);
    bar->addWidget(titleClose_);
    title->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(title, &QWidget::customContextMenuRequested, this, [this, title](QPoint at) {
        // The window's own menu: its about entry.
        QMenu menu(this);
        menu.addAction("ScrutinexAgent 정보(&A)...", this, [this] { CAboutDlg(this).exec(); });
        menu.exec(title->mapToGlobal(at));
    });

    detail_ = OptionButton("detail", "정밀점검", options_.isDetail, this);
    font_ = OptionButton("font", "폰트 검색", options_.isFont, this);
    fontOnly_ = OptionButton("fontOnly", "폰트만 검색", options_.isFontOnly, this);
    start_ = new CGdipButton("점검시작", ":/agent/start.png", {}, this);
    start_->setObjectName("start");
    start_->setFixedSize(172, 56);
    QFont big = start_->font();
    big.setPointSize(13);
    start_->setFont(big);
    status_ = new QLabel(this);
    status_->setObjectName("status");
    QFont statusFont("Arial");
    statusFont.setPixelSize(24);
    status_->setFont(statusFont);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("progress");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setFormat({});
    progress_->setAlignment(Qt::AlignCenter);
    QFont small("MS Sans Serif");
    small.setPointSize(9);
    progress_->setFont(small);

    list_ = new CScxListCtrl(this);
    list_->setObjectName("list");
    for (int column = 0; column < kResultListColumns; ++column)
        list_->InsertColumn(column, kResultListColumnSpec[column].heading, kResultListColumnSpec[column].width);
    list_->doubleClickFunction = [this](CScxListCtrl& list, Qt::KeyboardModifiers, QPoint point) {
        QModelIndex index = list.indexAt(point);
        if (index.isValid()) OpenRowFolder(index.row());
    };

    save_ = new CGdipButton("저장", ":/agent/button.png", {}, this);
    save_->setObjectName("save");
    close_ = new CGdipButton("닫기", ":/agent/button.png", {}, this);
    close_->setObjectName("close");
    for (auto* b : {save_, close_}) b->setFixedSize(104, 36);

    auto* options = new QHBoxLayout;
    options->addWidget(detail_);
    options->addWidget(font_);
    options->addWidget(fontOnly_);
    options->addStretch();
    options->addWidget(start_);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(save_);
    bottom->addWidget(close_);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 10, 14, 12);
    body->addLayout(options);
    body->addWidget(status_);
    body->addWidget(progress_);
    body->addWidget(list_, 1);
    body->addLayout(bottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(title);
    layout->addLayout(body);
    setStyleSheet("CScrutinexAgentDlg { background: #f3f5f8; border: 1px solid #1b3f7c; }");
    resize(1020, 620);

    if (options_.isFontOnly) {
        detail_->setEnabled(false);
        font_->setEnabled(false);
    }
    connect(detail_, &QAbstractButton::clicked, this, [this] { ToggleOption(options_.isDetail, detail_); });
    connect(font_, &QAbstractButton::clicked, this, [this] { ToggleOption(options_.isFont, font_); });
    connect(fontOnly_, &QAbstractButton::clicked, this, [this] {
        ToggleOption(options_.isFontOnly, fontOnly_);
        detail_->setEnabled(!options_.isFontOnly);
        font_->setEnabled(!options_.isFontOnly);
    });
    connect(start_, &QAbstractButton::clicked, this, &CScrutinexAgentDlg::StartInspection);
    connect(save_, &QAbstractButton::clicked, this, &CScrutinexAgentDlg::ExportCsv);
    connect(close_, &QAbstractButton::clicked, this, &CScrutinexAgentDlg::Quit);
    connect(titleClose_, &QAbstractButton::clicked, this, &CScrutinexAgentDlg::Quit);
    connect(minimise_, &QAbstractButton::clicked, this, &QWidget::showMinimized);
    connect(gear_, &QAbstractButton::clicked, this, [this] { gearMenu_->popup(QCursor::pos()); });

    // F1 and Alt+F1 cancel a running scan wherever the focus is in this window.
    qApp->installEventFilter(this);
}

void CScrutinexAgentDlg::BuildMenus() {
    gearMenu_ = new QMenu(this);
    gearMenu_->setObjectName("gearMenu");
    gearMenu_->addAction("파일 열기", this, &CScrutinexAgentDlg::OpenResultFile);
    gearMenu_->addAction("체크리스트 갱신", this, &CScrutinexAgentDlg::RunDbUpdate);
    gearMenu_->addAction("파일 검색", this, &CScrutinexAgentDlg::RunFileSearch);
    gearMenu_->addAction("번들폰트 검색", this, &CScrutinexAgentDlg::StartBundleFontTool);
    gearMenu_->addAction("ScrutAgent 정보...", this, [this] { CAboutDlg(this).exec(); });
    gearMenu_->addAction("스크루티넥스는...", this, [this] { CAboutScrutinexDlg(this).exec(); });
    trayMenu_ = new QMenu(this);
    trayMenu_->addAction("끝내기", this, &CScrutinexAgentDlg::Quit);
}

void CScrutinexAgentDlg::AfterInit() {
    AddTrayIcon({});
    RunDailyUpdateCheck(TodayText(), [this] { RunDbUpdate(); });
    if (options_.straight) StartInspection();
}

void CScrutinexAgentDlg::AddTrayIcon(const QString& balloon) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;  // no tray on this desktop: the window alone
    if (!tray_) {
        tray_ = new QSystemTrayIcon(QIcon(":/agent/icon.png"), this);
        tray_->setToolTip(windowTitle());
        tray_->setContextMenu(trayMenu_);
        connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason != QSystemTrayIcon::Trigger) return;
            showNormal();
            activateWindow();
        });
        connect(tray_, &QSystemTrayIcon::messageClicked, this, [this] { showNormal(); });
    }
    tray_->show();
    if (!balloon.isEmpty() && balloon.size() <= 64) tray_->showMessage(windowTitle(), balloon);
}

void CScrutinexAgentDlg::Quit() {
    if (!scanRunning_) done(kAgentExitCode);
}

void CScrutinexAgentDlg::reject() {}

void CScrutinexAgentDlg::closeEvent(QCloseEvent* event) { event->ignore(); }

void CScrutinexAgentDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_F1: return;
    default: QDialog::keyPressEvent(event);
    }
}

bool CScrutinexAgentDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            OnCancelKey();
            return true;  // swallowed in any case
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CScrutinexAgentDlg::OnCancelKey() {
    if (!scanRunning_) return;
    scanRunning_ = false;
    if (engine_) engine_->Cancel();
}

void CScrutinexAgentDlg::ToggleOption(bool& option, CGdipButton* button) {
    option = !option;
    button->SetOn(option);
}

void CScrutinexAgentDlg::RunDbUpdate() {
    CheckListDatabaseFiles databases;
    CDbUpdateDlg dialog(CDbUpdateDlg::Variant::Agent, DbUpdateConfigFromSettings(), databases, prompter_, this);
    dialog.exec();
}

void CScrutinexAgentDlg::RunFileSearch() {
    CSearchFileDlg dialog(*target_, prompter_, shell_, this);
    dialog.exec();
}

void CScrutinexAgentDlg::StartBundleFontTool() {
    // The outside tool lies in Bundle/ beside the program; nothing is said when it is missing.
    QString tool = QCoreApplication::applicationDirPath() + "/Bundle/ScxBundleFont";
    if (QFileInfo(tool).isExecutable()) shell_.StartProgram(tool);
}

void CScrutinexAgentDlg::SetStatus(const QString& text) { status_->setText(text); }

void CScrutinexAgentDlg::ShowProgress(long long position) {
    progressPos_ = position;
    long long max = progressMax_ > 0 ? progressMax_ : 1;
    progress_->setRange(0, static_cast<int>(std::min<long long>(max, INT32_MAX)));
    progress_->setValue(static_cast<int>(std::min(position, max)));
    double share = 100.0 * static_cast<double>(std::min(position, max)) / static_cast<double>(max);
    progress_->setFormat(share > 2 ? QString::asprintf("%.2f%%", share) : QString());
}

}  // namespace scx

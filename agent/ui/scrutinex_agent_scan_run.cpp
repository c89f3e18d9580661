// The main window's inspection: preparing it, the scan's reports, completion, and the result
// list's file work (open, save as, CSV export, a row's folder).

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimer>
#include <QUrl>

#include "agent/app/result_list.h"
#include "agent/identify/pc_identity.h"
#include "agent/scan/scan_session.h"
#include "agent/ui/agent_shell.h"
#include "agent/ui/gdip_button.h"
#include "agent/ui/package_choice.h"
#include "agent/ui/scan_report_relay.h"
#include "agent/ui/scrutinex_agent_dlg.h"
#include "agent/ui/user_dlg.h"
#include "core/db/checklist_database.h"
#include "core/folders.h"
#include "core/text_util.h"
#include "core/ui/scx_list_ctrl.h"

namespace scx {
namespace {

constexpr const char* kCheckListMissingQuestion =
    "체크리스트 파일이 손상되었거나 존재하지 않아 점검을 진행 할 수 없습니다.\n체크리스트를 갱신하시겠습니까?";
constexpr const char* kSaveFailedQuestion = "IPT파일을 저장하지 못하였습니다.\r\n다른 이름으로 파일을 저장하시겠습니까?";
constexpr const char* kCannotOpenMessage = "파일을 열 수 없습니다.\r\n파일이 손상 되었거나, IPT형식의 파일이 아닙니다.";
constexpr const char* kIptFilter = "IPT 문서 (*.ipt)";

// The completion box: it closes itself after 20 ms, without the operator.
void ShowCompletionBox(QWidget* parent) {
    QMessageBox box(QMessageBox::Information, kAgentTitle, "점검완료", QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText("확인");
    QTimer::singleShot(20, &box, &QMessageBox::accept);
    box.exec();
}

}  // namespace

void CScrutinexAgentDlg::StartInspection() {
    auto checkList = GetWindowCheckList();
    GetFilterList();  // loaded for the scan
    if (!checkList) {
        if (prompter_.AskYesNo(kCheckListMissingQuestion)) RunDbUpdate();
        return;
    }
    CUserDlg userDlg(*target_, prompter_, this);
    if (userDlg.exec() != QDialog::Accepted) return;
    const scan::UserInfo& info = userDlg.Info();

    EndScanThread();
    result_ = std::make_unique<CFileIPT>();
    scan::PrepareResult(*result_, info, GetAdapterAddress(*target_));
    resultPath_ = scan::ResultFilePath(info.groupName, info.userName, info.suffix);

    scan::ScanSettings settings;
    settings.observer = relay_;
    settings.result = result_.get();
    settings.resultPath = resultPath_;
    settings.target = target_.get();
    settings.driveLetters = scan::DriveLettersOf(info.disks).substr(0, scan::kMaxDriveLetters);
    settings.isDetail = options_.isDetail;
    settings.isFont = options_.isFont;
    settings.isFontOnly = options_.isFontOnly;
    settings.isExist = options_.isExist;
    settings.hashCompare = options_.hashCompare;
    relay_->watch = onScanThreadReport;
    engine_ = std::make_unique<scan::ScanEngine>();
    if (engine_->StartScan(settings, &prompter_)) scanThread_ = std::make_unique<scan::ScanThread>(*engine_);
}

void CScrutinexAgentDlg::EndScanThread() {
    scanThread_.reset();  // after the last report the thread is ending: this only waits for it
    engine_.reset();
}

void CScrutinexAgentDlg::EnableControls(bool idle) {
    for (QWidget* w : std::initializer_list<QWidget*>{fontOnly_, start_, gear_, close_, save_}) w->setEnabled(idle);
    detail_->setEnabled(idle && !options_.isFontOnly);
    font_->setEnabled(idle && !options_.isFontOnly);
}

void CScrutinexAgentDlg::OnScanReport(const scan::ScanReport& report) {
    using namespace scan;
    switch (report.message) {
    case WM_SCAN_START:
        AddTrayIcon("점검이 시작되었습니다.");
        scanRunning_ = true;
        progressMax_ = 100;
        ShowProgress(0);
        list_->DeleteAllItems();
        EnableControls(false);
        SetStatus("점검 준비 중입니다.");
        resultPath_ = report.text;
        break;
    case WM_SCAN_TOTAL:
        progressMax_ = report.wParam;  // the whole count, not cut to 16 bits
        ShowProgress(0);
        SetStatus("점검 중...");
        break;
    case WM_SCAN_STEP: ShowProgress(progressPos_ + report.wParam); break;
    case WM_SCAN_ROW: {
        auto cells = ResultListCells(SplitFields(RowOfReport(report.text), "\t"));
        if (!cells.empty()) {
            int n = list_->GetItemCount();
            cells.insert(cells.begin(), ZeroPad(RowNumberWidth(n), n + 1));
            AppendRow(cells);
            list_->EndUpdate();
        }
        break;
    }
    case WM_SCAN_SAVE:
        if (report.wParam == kSaveStarted) {
            SetStatus("파일 저장 중...");
            progressMax_ = 100;
            ShowProgress(100);
        } else {
            Complete(report.wParam == kSaveFailed);
        }
        break;
    case WM_SCAN_CANCELLED:
        SetStatus("점검 취소");
        EnableControls(true);
        resultPath_.clear();
        ReleaseCheckListFile(CheckListFile::User);
        break;
    case WM_SCAN_END:
        scanRunning_ = false;
        EnableControls(true);
        EndScanThread();
        break;
    case WM_SCAN_ERROR:
        SetStatus(QString::fromStdString(report.text));
        scanRunning_ = false;
        EnableControls(true);
        EndScanThread();
        break;
    }
}

void CScrutinexAgentDlg::AppendRow(const std::vector<std::string>& cells) {
    int row = list_->InsertItem(list_->GetItemCount(), cells[0]);
    for (size_t column = 1; column < cells.size(); ++column) list_->SetItemText(row, static_cast<int>(column), cells[column]);
}

void CScrutinexAgentDlg::Complete(bool saveFailed) {
    bool failed = false;
    if (saveFailed) {
        while (true) {
            if (!prompter_.AskYesNo(kSaveFailedQuestion)) {
                failed = true;
                break;
            }
            if (SaveResultAs() != -1) break;
        }
    }
    ShowCompletionBox(this);  // the scan's END report is normally handled while the box is up
    if (options_.isClose) {
        if (failed) prompter_.ShowMessage("IPT파일 저장에 실패하였습니다.");
        if (!scanRunning_) done(kAgentExitCode);
        return;
    }
    SetStatus(failed ? "IPT파일 저장 실패" : "점검 완료!");
    SelectPackageChooser chooser(prompter_, this);
    if (result_) scan::CompleteInspection(*result_, resultPath_, options_.packaging && !failed, chooser);
    LoadResultIntoList(resultPath_);
    ReleaseCheckListFile(CheckListFile::User);
}

bool CScrutinexAgentDlg::LoadResultIntoList(const std::string& path) {
    resultPath_ = path;
    result_ = std::make_unique<CFileIPT>();
    if (!result_->Load(path, true)) {
        result_.reset();
        prompter_.ShowMessage(kCannotOpenMessage);
        resultPath_.clear();
        return false;
    }
    list_->DeleteAllItems();
    const CTable& rows = result_->SwList();
    const int count = rows.GetRowCount();
    const int width = RowNumberWidth(count);
    for (int i = 0; i < count; ++i) {
        const auto* fields = rows.GetRow(i);
        auto cells = fields ? ResultListCells(std::vector<std::string>(fields->begin(), fields->end()))
                            : std::vector<std::string>();
        if (cells.empty()) cells.assign(kResultListColumns - 1, std::string());
        cells.insert(cells.begin(), ZeroPad(width, i + 1));
        AppendRow(cells);
    }
    list_->EndUpdate();
    return true;
}

int CScrutinexAgentDlg::SaveResultAs() {
    if (!result_) return -1;
    QString name = QFileInfo(QString::fromStdString(resultPath_)).fileName();
    QString folder = QString::fromStdString(GetCheckOutFolder("IPT"));
    QString chosen = shell_.SaveFileName(this, folder, name, kIptFilter, "ipt", true);
    if (chosen.isEmpty()) return 1;
    if (!result_->SaveAs(chosen.toStdString(), true)) return -1;
    resultPath_ = chosen.toStdString();
    return 0;
}

void CScrutinexAgentDlg::OpenResultFile() {
    QString chosen = shell_.OpenFileName(this, QString::fromStdString(GetCheckOutFolder("IPT")), kIptFilter);
    if (!chosen.isEmpty()) LoadResultIntoList(chosen.toStdString());
}

void CScrutinexAgentDlg::OpenRowFolder(int row) {
    std::string path = list_->GetItemText(row, 9).toStdString();
    std::string exe = list_->GetItemText(row, 8).toStdString();
    auto host = target_->HostPath(path);
    if (host && QFileInfo(QString::fromStdString(*host)).isDir()) {
        shell_.OpenUrl(QUrl::fromLocalFile(QString::fromStdString(*host)));
        return;
    }
    prompter_.ShowMessage(MissingFolderMessage(path, exe));
}

void CScrutinexAgentDlg::ExportCsv() {
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < list_->GetItemCount(); ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column <= 9; ++column) cells.push_back(list_->GetItemText(row, column).toStdString());
        rows.push_back(std::move(cells));
    }
    QString chosen = shell_.SaveFileName(this, {}, {}, "저장파일(*.csv)", {}, false);
    if (chosen.isEmpty()) return;
    AppendResultListCsv(chosen.toStdString(), ResultListCsvText(rows));  // the export reports nothing
}

}  // namespace scx

#pragma once
// The agent's main window: inspection options, the start of an inspection, the list of programs
// found while the disks are scanned, and the menus for opening a result, the database update, the
// file search, the bundle-font tool and the about boxes. It draws its own title bar, sits in the
// tray, and refuses to close while a scan runs.

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "agent/scan/scan_engine.h"
#include "core/settings/scx_setting.h"

class QLabel;
class QMenu;
class QProgressBar;
class QSystemTrayIcon;

namespace scx {

class CAgentShell;
class CGdipButton;
class CRSSDlg;
class CScxListCtrl;
class ScanReportRelay;

inline constexpr int kAgentExitCode = 18;
inline constexpr const char* kAgentTitle = "스크루티넥스2017 Lite";

class CScrutinexAgentDlg : public QDialog {
    Q_OBJECT
public:
    CScrutinexAgentDlg(std::unique_ptr<target::Target> target, Prompter& prompter, CAgentShell& shell,
                       QWidget* parent = nullptr);
    ~CScrutinexAgentDlg() override;

    void StartInspection();
    bool LoadResultIntoList(const std::string& path);
    // 0 saved under a chosen name, -1 failed (or no result), 1 cancelled.
    int SaveResultAs();
    void ExportCsv();
    void OpenResultFile();
    void OpenRowFolder(int row);

    bool ScanRunning() const { return scanRunning_; }
    const std::string& ResultPath() const { return resultPath_; }
    const target::Target& Target() const { return *target_; }
    CScxListCtrl& List() { return *list_; }
    QMenu& GearMenu() { return *gearMenu_; }
    QPointer<CRSSDlg> NoticeWindow() const { return notice_; }

    // Called on the scan thread with each report before it is handed to the window: lets a
    // caller watch the scan from its own thread (tests hold it there to act while it runs).
    std::function<void(const scan::ScanReport&)> onScanThreadReport;

public slots:
    void reject() override;  // Esc and the system's close never end the window

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void BuildMenus();
    void AfterInit();
    void AddTrayIcon(const QString& balloon);
    void Quit();
    void OnCancelKey();
    void ToggleOption(bool& option, CGdipButton* button);
    void RunDbUpdate();
    void RunFileSearch();
    void StartBundleFontTool();
    void ShowProgress(long long position);
    void SetStatus(const QString& text);

    void OnScanReport(const scan::ScanReport& report);
    void AppendRow(const std::vector<std::string>& cells);
    void EnableControls(bool idle);
    void Complete(bool saveFailed);
    void EndScanThread();

    std::unique_ptr<target::Target> target_;
    Prompter& prompter_;
    CAgentShell& shell_;
    InspectionOptions options_;

    bool scanRunning_ = false;
    std::string resultPath_;
    std::unique_ptr<CFileIPT> result_;
    ScanReportRelay* relay_;  // a child: outlives the scan thread, which the destructor ends first
    std::unique_ptr<scan::ScanEngine> engine_;
    std::unique_ptr<scan::ScanThread> scanThread_;
    long long progressMax_ = 100;
    long long progressPos_ = 0;

    QLabel* status_ = nullptr;
    QLabel* targetLabel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    CScxListCtrl* list_ = nullptr;
    CGdipButton* detail_ = nullptr;
    CGdipButton* font_ = nullptr;
    CGdipButton* fontOnly_ = nullptr;
    CGdipButton* start_ = nullptr;
    CGdipButton* save_ = nullptr;
    CGdipButton* close_ = nullptr;
    CGdipButton* gear_ = nullptr;
    CGdipButton* minimise_ = nullptr;
    CGdipButton* titleClose_ = nullptr;
    QMenu* gearMenu_ = nullptr;
    QMenu* trayMenu_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    QPointer<CRSSDlg> notice_;
};

}  // namespace scx

// The agent's main window driven offscreen: start-up, inspections on a sample PC, quitting and
// cancelling, saving, packaging, the result list and its exports.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <future>

#include "agent/app/single_instance.h"
#include "agent/scrutinex_agent_app.h"
#include "agent/ui/gdip_button.h"
#include "agent/ui/scan_report_relay.h"
#include "agent/ui/scrutinex_agent_dlg.h"
#include "agent/ui/select_package_dlg.h"
#include "agent/ui/user_dlg.h"
#include "core/docs/file_ipt.h"
#include "core/folders.h"
#include "core/ui/scx_list_ctrl.h"
#include "tests/gui/agent_fixture.h"
#include "tests/support/gui/window_grab.h"

using scx::CScrutinexAgentDlg;
using scx::test::AgentFixture;
using scx::test::WhenModal;

namespace {

QString Status(CScrutinexAgentDlg& dlg) { return dlg.findChild<QLabel*>("status")->text(); }
scx::CGdipButton* Button(CScrutinexAgentDlg& dlg, const char* name) {
    return dlg.findChild<scx::CGdipButton*>(name);
}

// Fills the user-information window as an operator does and presses OK.
void AnswerUserDlg(const QString& group, const QString& user, const QString& suffix) {
    WhenModal<scx::CUserDlg>([=](scx::CUserDlg* dlg) {
        scx::test::GrabToPng(*dlg, "agent_user_dlg");
        auto* groupEdit = dlg->findChild<QLineEdit*>("groupName");
        auto* userEdit = dlg->findChild<QLineEdit*>("userName");
        dlg->findChild<QLineEdit*>("suffix")->setText(suffix);
        groupEdit->setFocus();
        QTest::keyClicks(groupEdit, group);
        QTest::keyClick(groupEdit, Qt::Key_Return);  // moves on to the user name
        QTest::keyClicks(userEdit, user);           // replaces the selected logon name
        QTest::mouseClick(dlg->findChild<scx::CGdipButton*>("ok"), Qt::LeftButton);
    });
}

// Holds the scan thread at a report until released.
class ScanHold {
public:
    ScanHold(CScrutinexAgentDlg& dlg, scx::scan::ScanMessage at, long wParam = -1) {
        dlg.onScanThreadReport = [this, at, wParam](const scx::scan::ScanReport& report) {
            if (report.message != at || (wParam != -1 && report.wParam != wParam)) return;
            held_ = true;
            release_.get_future().wait();
        };
    }
    bool Held() const { return held_; }
    void Release() { release_.set_value(); }

private:
    std::atomic<bool> held_{false};
    std::promise<void> release_;
};

std::vector<std::string> Rows(const scx::CTable& table) {
    std::vector<std::string> rows;
    for (int i = 0; i < table.GetRowCount(); ++i) rows.push_back(table.GetRowText(i));
    return rows;
}

}  // namespace

class TestScrutinexAgentDlg : public QObject {
    Q_OBJECT

private slots:
    void secondInstanceIsRefused() {
        AgentFixture f;
        scx::SingleInstanceLock first(scx::kAgentInstanceName);
        QVERIFY(first.Acquire());
        QCOMPARE(scx::RunAgent({"scxagent", "--target", "host"}, f.prompter, f.shell), 1);
        QCOMPARE(f.prompter.shown, std::vector<std::string>{"이미 실행되고 있습니다."});
    }

    void firstStartWithoutUpdateFlagChecksOnce() {
        AgentFixture f;
        scx::WriteProfileString(scx::kSettingSection, "UpdateFlag", "", scx::GetSettingFilePath());
        scx::WriteProfileString(scx::kSettingSection, "LatestUpdateDate", "", scx::GetSettingFilePath());
        scx::WriteChecklistHost("127.0.0.1:" + std::to_string(scx::test::ClosedLoopbackPort()));
        {
            CScrutinexAgentDlg dlg(f.Target(), f.prompter, f.shell);
            dlg.show();
            QTRY_COMPARE(f.prompter.shown.size(), size_t(1));
            QCOMPARE(f.prompter.shown[0], std::string("인터넷 연결 상태를 확인해 주세요."));
            QTRY_COMPARE(scx::ReadLatestUpdateDate(), scx::TodayText());
            QCOMPARE(scx::ReadUpdateFlag(), std::string("N"));
            QCOMPARE(dlg.windowTitle(), QString("스크루티넥스2017 Lite"));
            QVERIFY(dlg.findChild<QLabel*>("target")->text().contains(QString::fromStdString(f.targetName)));
        }
        CScrutinexAgentDlg again(f.Target(), f.prompter, f.shell);
        again.show();
        QTest::qWait(100);
        QCOMPARE(f.prompter.shown.size(), size_t(1));  // no second check on the same day
    }

    void straightShowsTheUserDialogAtOnce() {
        AgentFixture f;
        AgentFixture::Set("Straight", "1");
        bool shown = false;
        WhenModal<scx::CUserDlg>([&](scx::CUserDlg* dlg) {
            shown = true;
            QTest::mouseClick(dlg->findChild<scx::CGdipButton*>("cancel"), Qt::LeftButton);
        });
        CScrutinexAgentDlg dlg(f.Target(), f.prompter, f.shell);
        dlg.show();
        QTRY_VERIFY(shown);
        QVERIFY(!dlg.ScanRunning());
        QVERIFY(dlg.ResultPath().empty());
    }

    void fontOnlyDisablesTwoButtons() {
        AgentFixture f;
        AgentFixture::Set("IsFontOnly", "1");
        CScrutinexAgentDlg dlg(f.Target(), f.prompter, f.shell);
        dlg.show();
        QVERIFY(!Button(dlg, "detail")->isEnabled());
        QVERIFY(!Button(dlg, "font")->isEnabled());
        QVERIFY(Button(dlg, "fontOnly")->IsOn());
        QTest::mouseClick(Button(dlg, "fontOnly"), Qt::LeftButton);
        QVERIFY(Button(dlg, "detail")->isEnabled() && Button(dlg, "font")->isEnabled());
        QTest::mouseClick(Button(dlg, "fontOnly"), Qt::LeftButton);
        QVERIFY(!Button(dlg, "detail")->isEnabled() && !Button(dlg, "font")->isEnabled());

        // The gear menu, and the bundle-font tool, which is not beside the test: nothing starts.
        QStringList entries;
        for (QAction* action : dlg.GearMenu().actions()) entries << action->text();
        QCOMPARE(entries, QStringList({"파일 열기", "체크리스트 갱신", "파일 검색", "번들폰트 검색", "ScrutAgent 정보...",
                                       "스크루티넥스는..."}));
        dlg.GearMenu().actions().at(3)->trigger();
        QVERIFY(f.shell.started.isEmpty());
        QVERIFY(f.prompter.shown.empty());
    }

    void inspectionWritesWhatScxScanWrites() {
        AgentFixture f;
        AgentFixture::Set("Packaging", "1");
        CScrutinexAgentDlg dlg(f.Target(), f.prompter, f.shell);
        dlg.show();
        ScanHold hold(dlg, scx::scan::WM_SCAN_SAVE, scx::scan::kSaveStarted);
        QStringList offered;
        WhenModal<scx::CSelectPackageDlg>([&](scx::CSelectPackageDlg* choice) {
            for (int row = 0; row < choice->List().GetItemCount(); ++row) offered << choice->List().GetItemText(row, 1);
            scx::test::GrabToPng(*choice, "agent_package_dlg");
            choice->List().ToggleCheck(0);
            QTest::mouseClick(choice->findChild<QPushButton*>("ok"), Qt::LeftButton);
        });
        AnswerUserDlg("Sales", "Lee", "20170418");
        QTest::mouseClick(Button(dlg, "start"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(hold.Held(), 20000);
        QTRY_VERIFY(dlg.List().GetItemCount() >= 5);  // Windows and the four programs
        QVERIFY(dlg.ScanRunning());
        QVERIFY(!Button(dlg, "start")->isEnabled() && !Button(dlg, "close")->isEnabled());
        QVERIFY(dlg.findChild<QProgressBar*>("progress")->text().endsWith("%"));
        scx::test::GrabToPng(dlg, "agent_scanning");
        hold.Release();
        QTRY_COMPARE_WITH_TIMEOUT(Status(dlg), QString("점검 완료!"), 20000);
        QTRY_VERIFY(!dlg.ScanRunning());
        QCOMPARE(offered, QStringList({"Acme Office 2019(Standard)", "Acme Office 2019(Professional)", "애크미 시트 2019"}));  // the part row found last

        const std::string path = scx::GetCheckOutFolder("IPT") + "Sales_Lee_20170418.ipt";
        QCOMPARE(dlg.ResultPath(), path);
        QStringList gubun;
        for (int row = 0; row < dlg.List().GetItemCount(); ++row) gubun << dlg.List().GetItemText(row, 1);
        QCOMPARE(gubun.count("0"), 2);  // Acme Office (Standard) and the Orion suite, from the reloaded file
        QCOMPARE(dlg.List().GetItemText(0, 0), QString("001"));
        scx::test::GrabToPng(dlg, "agent_after_inspection");

        // The same inspection from the command line.
        const std::string other = f.home.File("cli.ipt");
        QProcess scx;
        scx.start(SCX_BINARY, {"--home", QString::fromStdString(f.home.Path()), "scan", "--target",
                               QString::fromStdString(f.targetName), "--group", "Sales", "--user", "Lee", "--suffix",
                               "20170418", "--packaging", "--edition", "1", "--quiet", "--yes", "-o",
                               QString::fromStdString(other)});
        QVERIFY(scx.waitForFinished(60000));
        QCOMPARE(scx.exitCode(), 0);
        scx::CFileIPT fromWindow, fromCli;
        QVERIFY(fromWindow.Load(path, true));
        QVERIFY(fromCli.Load(other, true));
        QCOMPARE(Rows(fromWindow.SwList()), Rows(fromCli.SwList()));
        QCOMPARE(Rows(fromWindow.UserInfo()), Rows(fromCli.UserInfo()));
        QCOMPARE(fromWindow.Header().GetRowCount(), 1);
        QCOMPARE(fromWindow.Header().GetRow(0)->at(0), std::string("0"));
        QCOMPARE(fromWindow.Header().GetRow(0)->at(2), fromCli.Header().GetRow(0)->at(2));
    }

    void isCloseEndsTheProgramWithoutFolding() {
        AgentFixture f;
        AgentFixture::Set("IsClose", "1");
        AgentFixture::Set("Packaging", "1");
        CScrutinexAgentDlg dlg(f.Target(), f.prompter, f.shell);
        dlg.show();
        AnswerUserDlg("Sales", "Lee", "20170418");
        QTest::mouseClick(Button(dlg, "start"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(dlg.result(), scx::kAgentExitCode, 20000);
        scx::CFileIPT saved;
        QVERIFY(saved.Load(scx::GetCheckOutFolder("IPT") + "Sales_Lee_20170418.ipt", true));
        for (int i = 0; i < saved.SwList().GetRowCount(); ++i) QVERIFY(saved.SwList().GetRow(i)->at(0) != "0");
        QVERIFY(f.prompter.shown.empty());
    }

    void quittingIsRefusedDuringAScanAndF1CancelsIt() {
        AgentFixture f;
        CScrutinexAgentDlg dlg(f.Target(), f.prompter, f.shell);
        dlg.show();
        ScanHold hold(dlg, scx::scan::WM_SCAN_TOTAL);
        AnswerUserDlg("Sales", "Lee", "20170418");
        QTest::mouseClick(Button(dlg, "start"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(hold.Held() && dlg.ScanRunning(), 20000);
        QTest::mouseClick(Button(dlg, "close"), Qt::LeftButton);
        QTest::mouseClick(Button(dlg, "titleClose"), Qt::LeftButton);
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(!dlg.close());  // the system's close (Alt+F4)
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.result(), 0);

        QTest::keyClick(&dlg.List(), Qt::Key_F1);
        QVERIFY(!dlg.ScanRunning());
        hold.Release();
        QTRY_COMPARE(Status(dlg), QString("점검 취소"));
        QTRY_VERIFY(Button(dlg, "start")->isEnabled());
        QVERIFY(dlg.ResultPath().empty());
        QVERIFY(!std::filesystem::exists(scx::GetCheckOutFolder("IPT") + "Sales_Lee_20170418.ipt"));
        QTest::mouseClick(Button(dlg, "close"), Qt::LeftButton);
        QCOMPARE(dlg.result(), scx::kAgentExitCode);
    }

    void saveFailureOffersAnotherName() {
        AgentFixture f;
        // A folder where the result file should go: the scan cannot save there.
        const std::string blocked = scx::GetCheckOutFolder("IPT") + "Sales_Lee_20170418.ipt";
        std::filesystem::create_directories(blocked);
        const std::string other = f.home.File("elsewhere.ipt");
        f.shell.saveNames = {QString::fromStdString(other)};
        using A = scx::Prompter::Answer;
        f.prompter = scx::test::ScriptedPrompter({A::Yes, A::No});
        CScrutinexAgentDlg dlg(f.Target(), f.prompter, f.shell);
        dlg.show();
        AnswerUserDlg("Sales", "Lee", "20170418");
        QTest::mouseClick(Button(dlg, "start"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(Status(dlg), QString("점검 완료!"), 20000);
        QCOMPARE(dlg.ResultPath(), other);  // Yes, and saved under the other name: the list is that file
        QVERIFY(dlg.List().GetItemCount() >= 5);
        QVERIFY(std::count(f.prompter.shown.begin(), f.prompter.shown.end(),
                           "IPT파일을 저장하지 못하였습니다.\r\n다른 이름으로 파일을 저장하시겠습니까?") == 1);

        // No: the status says so, and the reload finds no file.
        f.prompter.shown.clear();
        AnswerUserDlg("Sales", "Lee", "20170418");
        QTest::mouseClick(Button(dlg, "start"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(Status(dlg), QString("IPT파일 저장 실패"), 20000);
        QCOMPARE(f.prompter.shown.back(),
                 std::string("파일을 열 수 없습니다.\r\n파일이 손상 되었거나, IPT형식의 파일이 아닙니다."));
        QVERIFY(dlg.List().GetItemCount() >= 5);  // the rows shown during the scan stay
    }

    void progressTakesTheWholeCount() {
        AgentFixture f;
        CScrutinexAgentDlg dlg(f.Target(), f.prompter, f.shell);
        auto* relay = dlg.findChild<scx::ScanReportRelay*>();
        auto* progress = dlg.findChild<QProgressBar*>("progress");
        relay->OnScanReport({scx::scan::WM_SCAN_START, 0, "x.ipt"});
        relay->OnScanReport({scx::scan::WM_SCAN_TOTAL, 70000, {}});  // more than 16 bits hold
        relay->OnScanReport({scx::scan::WM_SCAN_STEP, 1000, {}});
        QTRY_COMPARE(progress->maximum(), 70000);
        QCOMPARE(progress->text(), QString());  // 1.43 %: no text up to 2 %
        relay->OnScanReport({scx::scan::WM_SCAN_STEP, 34000, {}});
        QTRY_COMPARE(progress->text(), QString("50.00%"));
        relay->OnScanReport({scx::scan::WM_SCAN_END, 0, {}});
        QTRY_VERIFY(!dlg.ScanRunning());
    }

    void listFromAFileNumbersRowsAndExports() {
        AgentFixture f;
        scx::CFileIPT ipt;
        ipt.Header().AddRowText("0\t20170418_093015\t-", "\t");
        ipt.UserInfo().AddRowText("Sales\tPC\tLee\t-\t-\t0\t-", "\t");
        auto row = [](const char* product, const char* path, const char* exe) {
            return std::string("1\t101\tAcme\tTool\t1\tt.exe\t") + exe + "\t애크미\t" + product + "\t0\t" + path +
                   "\t2017-04-18\t-\t0\t10\tg\t1\tnote\t2017-04-01";
        };
        ipt.SwList().AddRowText(row("Tool 1,234", "C:\\Program Files\\", "tool.exe"), "\t");
        ipt.SwList().AddRowText(row("Gone", "C:\\App\\", "app.exe"), "\t");
        for (int i = 2; i < 1200; ++i) ipt.SwList().AddRowText(row("Filler", "C:\\", "f.exe"), "\t");
        const std::string path = f.home.File("big.ipt");
        QVERIFY(ipt.SaveAs(path, true));

        CScrutinexAgentDlg dlg(f.Target(), f.prompter, f.shell);
        dlg.show();
        f.shell.openNames = {QString::fromStdString(path)};
        dlg.GearMenu().actions().at(0)->trigger();  // 파일 열기
        QCOMPARE(dlg.List().GetItemCount(), 1200);
        QCOMPARE(dlg.List().GetItemText(0, 0), QString("0001"));
        QCOMPARE(dlg.List().GetItemText(1199, 0), QString("1200"));
        QCOMPARE(dlg.ResultPath(), path);

        // A row's folder: opened when it exists, else the message.
        auto doubleClick = [&](int r) {
            QRect rect = dlg.List().visualRect(dlg.List().model()->index(r, 1));
            QTest::mouseDClick(dlg.List().viewport(), Qt::LeftButton, {}, rect.center());
        };
        doubleClick(0);
        QCOMPARE(f.shell.opened.size(), 1);
        QVERIFY2(f.shell.opened[0].endsWith("/Program Files"), qPrintable(f.shell.opened[0]));
        doubleClick(1);
        QCOMPARE(f.prompter.shown.back(), std::string("C:\\App\\\\app.exe 가 존재하지 않습니다."));

        // The CSV export appends; "," becomes "."; 비고 is left out.
        const QString csv = QString::fromStdString(f.home.File("a"));
        f.shell.saveNames = {csv, csv};
        QTest::mouseClick(Button(dlg, "save"), Qt::LeftButton);
        QTest::mouseClick(Button(dlg, "save"), Qt::LeftButton);
        std::string text = scx::test::ReadBytes(f.home.File("a.csv"));
        std::string first = "0001,1,\xBB\xF3\xBF\xEB,\xBE\xD6\xC5\xA9\xB9\xCC,Tool 1.234,-,2017-04-01,2017-04-18,tool.exe,C:\\Program Files\\\r\n";
        QCOMPARE(text.substr(0, first.size()), first);
        QCOMPARE(text.size() % 2, size_t(0));
        QCOMPARE(text.substr(0, text.size() / 2), text.substr(text.size() / 2));
        QVERIFY(text.find("note") == std::string::npos);
    }
};

QTEST_MAIN(TestScrutinexAgentDlg)
#include "TestScrutinexAgentDlg.moc"

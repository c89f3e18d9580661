#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "core/dbupdate/checklist_database_files.h"
#include "core/db/checklist_database.h"
#include "core/settings/scx_setting.h"
#include "core/ui/db_update_dlg.h"
#include "platform/folders.h"
#include "tests/support/gui/window_grab.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_home.h"
#include "tests/support/test_http_server.h"

using scx::CDbUpdateDlg;

class TestDbUpdateDlg : public QObject {
    Q_OBJECT

    static scx::DbUpdateConfig ConfigFor(const std::string& hostPort) {
        scx::WriteChecklistHost(hostPort);
        return scx::DbUpdateConfigFromSettings();
    }

private slots:
    void runsTheStepsAndClosesByItself() {
        scx::test::TempHome home;
        scx::test::TestHttpServer server;
        server.ServeSampleDatabase();
        scx::CheckListDatabaseFiles databases;
        scx::test::ScriptedPrompter prompter;
        CDbUpdateDlg dialog(CDbUpdateDlg::Variant::Workstation, ConfigFor(server.HostPort()), databases, prompter);
        auto* progress = dialog.findChild<QProgressBar*>("progress");
        auto* status = dialog.findChild<QLabel*>("status");
        QCOMPARE(status->text(), QString("DB 업데이트를 준비 중입니다"));
        QCOMPARE(dialog.windowTitle(), QString("DB UPDATE"));

        QList<int> steps;
        QString statusAtStep3;
        connect(progress, &QProgressBar::valueChanged, this, [&](int step) {
            steps << step;
            if (step != 3) return;
            QTimer::singleShot(0, this, [&] {  // once the step is shown
                statusAtStep3 = status->text();
                // Enter and Esc do not end the window.
                QTest::keyClick(&dialog, Qt::Key_Escape);
                QTest::keyClick(&dialog, Qt::Key_Return);
                scx::test::GrabToPng(dialog, "db_update_dlg_running");
            });
        });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(clock.elapsed() >= 1000);  // it stays a second after the last step
        QCOMPARE(steps, QList<int>({1, 2, 3, 5, 4, 6}));
        QCOMPARE(statusAtStep3, QString("필터 DB를 업데이트 중입니다."));
        QCOMPARE(status->text(), QString("업데이트가 완료되었습니다."));
        QVERIFY(prompter.shown.empty());
        QVERIFY(scx::platform::FileExists(home.File("windowchecklist.dat")));
        scx::ReleaseCheckListDatabase();
    }

    void endsWithTheConnectionMessageWhenTheServerIsAway() {
        scx::test::TempHome home;
        scx::CheckListDatabaseFiles databases;
        scx::test::ScriptedPrompter prompter;
        CDbUpdateDlg dialog(CDbUpdateDlg::Variant::Agent,
                            ConfigFor("127.0.0.1:" + std::to_string(scx::test::ClosedLoopbackPort())), databases,
                            prompter);
        QCOMPARE(dialog.findChild<QLabel*>("status")->text(), QString("DB UPDATE를 준비 중입니다."));
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(prompter.shown, std::vector<std::string>({"인터넷 연결 상태를 확인해 주세요."}));
        QVERIFY(!scx::platform::FileExists(home.File("windowchecklist.dat")));
    }
};

QTEST_MAIN(TestDbUpdateDlg)
#include "TestDbUpdateDlg.moc"

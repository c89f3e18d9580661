// The agent's smaller windows driven offscreen: user information, file search, notices.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "agent/ui/disk_tree.h"
#include "agent/ui/gdip_button.h"
#include "agent/ui/rss_dlg.h"
#include "agent/ui/search_file_dlg.h"
#include "agent/ui/user_dlg.h"
#include "core/ui/scx_list_ctrl.h"
#include "platform/registry/user_registry.h"
#include "tests/gui/agent_fixture.h"

using scx::test::AgentFixture;

class TestAgentDialogs : public QObject {
    Q_OBJECT

private slots:
    void userDialogFiltersNamesAndChecksDisks() {
        AgentFixture f;
        auto target = f.Target();
        scx::CUserDlg dlg(*target, f.prompter, nullptr);
        dlg.show();
        auto* group = dlg.findChild<QLineEdit*>("groupName");
        auto* user = dlg.findChild<QLineEdit*>("userName");
        auto* disks = dlg.findChild<scx::CDiskTree*>("disks");
        QCOMPARE(dlg.findChild<QLineEdit*>("pcName")->text(), QString("SALES-PC"));
        QCOMPARE(disks->CheckedDisks().size(), size_t(1));

        QTest::keyClicks(group, "Sales");
        QTest::keyClick(group, Qt::Key_Return);  // on to the user name, its text selected
        QVERIFY(user->hasSelectedText() || user->text().isEmpty());
        QTest::keyClicks(user, "Kim_Lee");
        QCOMPARE(user->text(), QString("KimLee"));
        QCOMPARE(f.prompter.shown, std::vector<std::string>{std::string(scx::scan::kNameFilterMessage)});

        disks->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        QTest::keyClick(user, Qt::Key_Return);
        QVERIFY(dlg.isVisible());
        QCOMPARE(f.prompter.shown.back(), std::string("점검 디스크를 선택해 주세요"));
        // A click on the disk's label checks it again.
        QRect label = disks->visualItemRect(disks->topLevelItem(0));
        QTest::mouseClick(disks->viewport(), Qt::LeftButton, {}, QPoint(label.left() + 60, label.center().y()));
        QCOMPARE(disks->CheckedDisks().size(), size_t(1));
        QTest::mouseClick(dlg.findChild<scx::CGdipButton*>("ok"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.Info().groupName, std::string("Sales"));
        QCOMPARE(dlg.Info().userName, std::string("KimLee"));
        QCOMPARE(dlg.Info().disks.size(), size_t(1));
        std::string recorded;
        scx::RegReadString("Software\\Scrutinex", "GroupName", recorded);
        QCOMPARE(recorded, std::string("Sales"));
    }

    void fileSearchFindsStopsAndExports() {
        AgentFixture f;
        f.pc.AddFile("C:\\Docs\\report.hwp", std::string(2048, 'x'));
        f.pc.AddFile("C:\\Docs\\Deep\\memo.hwp", "");
        for (int i = 0; i < 300; ++i) f.pc.AddFile("C:\\Many\\D" + std::to_string(i) + "\\f.dat", "");
        f.targetName = "wine:" + f.pc.WriteWinePrefix();
        auto target = f.Target();
        scx::CSearchFileDlg dlg(*target, f.prompter, f.shell);
        dlg.show();
        auto* text = dlg.findChild<QLineEdit*>("searchText");
        auto* search = dlg.findChild<QPushButton*>("search");
        auto* list = dlg.findChild<scx::CScxListCtrl*>("list");

        QTest::mouseClick(dlg.findChild<QPushButton*>("export"), Qt::LeftButton);
        QCOMPARE(f.prompter.shown.back(), std::string("저장할 내용이 없습니다."));
        QTest::mouseClick(search, Qt::LeftButton);
        QCOMPARE(f.prompter.shown.back(), std::string("검색할 파일명을 입력해 주세요"));

        QTest::keyClicks(text, "*.hwp");
        QTest::mouseClick(search, Qt::LeftButton);
        QCOMPARE(search->text(), QString("검색 중지"));
        QTRY_COMPARE(f.prompter.shown.back(), std::string("검색이 완료되었습니다."));
        QCOMPARE(search->text(), QString("검색"));
        QCOMPARE(list->GetItemCount(), 2);
        QCOMPARE(dlg.findChild<QLabel*>("status")->text(), QString("2개가 검색되었습니다."));
        QStringList rows;
        for (int r = 0; r < 2; ++r) rows << list->GetItemText(r, 2) + list->GetItemText(r, 0) + " " + list->GetItemText(r, 1);
        rows.sort();
        QCOMPARE(rows, QStringList({"C:\\Docs\\Deep\\memo.hwp 0.0 KB", "C:\\Docs\\report.hwp 2.0 KB"}));
        QProgressBar* progress = dlg.findChild<QProgressBar*>("progress");
        QCOMPARE(progress->value(), progress->maximum());

        f.shell.folders = {QString::fromStdString(f.home.Path())};
        QTest::mouseClick(dlg.findChild<QPushButton*>("export"), Qt::LeftButton);
        QCOMPARE(f.prompter.shown.back(), std::string("엑셀 저장완료"));

        // Stopping, and closing while the search runs: the thread is stopped and waited for.
        text->clear();
        QTest::keyClicks(text, "*");
        QTest::mouseClick(search, Qt::LeftButton);
        QTest::mouseClick(search, Qt::LeftButton);
        QTRY_COMPARE(search->text(), QString("검색"));
        QTest::mouseClick(search, Qt::LeftButton);
        dlg.reject();
        QVERIFY(!dlg.Searching());
    }

    void noticesOpenOnlyWebLinks() {
        AgentFixture f;
        scx::test::TestHttpServer server;
        server.ServeFeed("<rss><channel><title>공지</title><link>https://example.com/</link>"
                         "<item><title><![CDATA[점검 안내]]></title><link>http://example.com/1</link></item>"
                         "<item><title>이상한 링크</title><link>file:///etc/passwd</link></item></channel></rss>");
        auto server_address = scx::ParseServerAddress(server.HostPort());
        scx::CRSSDlg dlg(*server_address, f.prompter, f.shell);
        dlg.show();
        QCOMPARE(dlg.List().GetItemCount(), 3);
        QCOMPARE(dlg.List().GetItemText(1, 1), QString("점검 안내"));
        auto doubleClick = [&](int r) {
            QRect rect = dlg.List().visualRect(dlg.List().model()->index(r, 1));
            QTest::mouseDClick(dlg.List().viewport(), Qt::LeftButton, {}, rect.center());
        };
        doubleClick(1);
        doubleClick(2);
        QCOMPARE(f.shell.opened, QStringList({"http://example.com/1"}));
    }
};

QTEST_MAIN(TestAgentDialogs)
#include "TestAgentDialogs.moc"

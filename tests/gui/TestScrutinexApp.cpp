#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "hub/shell/page_setup.h"
#include "hub/shell/ui/main_frame.h"
#include "hub/shell/ui/scrutinex_app.h"
#include "hub/shell/ui/ver_check_dlg.h"
#include "hub_test_env.h"
#include "platform/registry/user_registry.h"

using scx::CScrutinexApp;

class TestScrutinexApp : public QObject {
    Q_OBJECT

    static std::string PageSetup(const char* name) {
        std::string value = "(missing)";
        scx::RegReadString(scx::kPageSetupKey, name, value);
        return value;
    }

private slots:
    void aSecondInstanceIsRefusedAndTheFirstKeepsRunning() {
        scx::test::HubHome env;
        CScrutinexApp first;
        QVERIFY(first.InitInstance({false}));
        QVERIFY(first.MainFrame()->isVisible());
        QCOMPARE(first.MainFrame()->windowTitle(), QString("스크루티넥스2017 - 취합용(Lite)"));
        QVERIFY(scx::platform::FolderExists(env.home.Path() + "CheckOut/TMP_RST"));

        CScrutinexApp second;
        QVERIFY(!second.InitInstance({false}));
        QCOMPARE(env.prompter.shown, std::vector<std::string>({"이미 실행되고 있습니다."}));
        QVERIFY(!second.MainFrame());
        QVERIFY(first.MainFrame()->isVisible());

        // The name is free again once the first has ended.
        first.ExitInstance();
        CScrutinexApp third;
        QVERIFY(third.InitInstance({false}));
    }

    void propertyIniMarginsGoToThePageSetupAndComeBackAtExit() {
        scx::test::HubHome env;
        const char* names[] = {"margin_top", "margin_bottom", "margin_left", "margin_right", "footer", "header"};
        QVERIFY(scx::RegCreateKey(scx::kPageSetupKey));
        for (const char* name : names) scx::RegWriteString(scx::kPageSetupKey, name, std::string("was ") + name, 1);
        scx::test::WriteBytes(env.home.File("property.ini"), "[Print]\r\nmargin_left=10\r\n");

        CScrutinexApp app;
        QVERIFY(app.InitInstance({false}));
        QCOMPARE(PageSetup("margin_left"), std::string("0.39370"));
        for (const char* name : {"margin_top", "margin_bottom", "margin_right"})
            QCOMPARE(PageSetup(name), std::string("0.74803"));
        QCOMPARE(PageSetup("footer"), std::string());
        QCOMPARE(PageSetup("header"), std::string());
        app.ExitInstance();
        for (const char* name : names) QCOMPARE(PageSetup(name), std::string("was ") + name);
    }

    void theStartUpPictureClosesByItselfOrAtAClickButNotByKeys() {
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(scx::CVerCheckDlg(nullptr, 50).exec(), int(QDialog::Accepted));  // closed by its timer
        QVERIFY(clock.elapsed() < 10000);

        scx::CVerCheckDlg picture(nullptr, 60000);
        bool openAfterKeys = false;
        scx::test::WhenModal([&](QWidget*) {
            QTest::keyClick(&picture, Qt::Key_Escape);
            QTest::keyClick(&picture, Qt::Key_Return);
            openAfterKeys = picture.isVisible();
            QTest::mouseClick(&picture, Qt::LeftButton, {}, QPoint(5, 5));
        });
        clock.restart();
        QCOMPARE(picture.exec(), int(QDialog::Accepted));
        QVERIFY(openAfterKeys);
        QVERIFY(clock.elapsed() < 30000);  // the click, not the timer
    }
};

QTEST_MAIN(TestScrutinexApp)
#include "TestScrutinexApp.moc"

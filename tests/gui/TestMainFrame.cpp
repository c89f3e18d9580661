// The workstation's frame and IPT document flows as an examiner meets them: File-New, the file
// panes, the close prompt, the edits of a document, drops, the first save and the saved file as
// the other programs read it.
#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "core/db/checklist_database.h"
#include "core/ui/scx_list_ctrl.h"
#include "hub/shell/ui/checklist_dlg.h"
#include "hub/shell/ui/drag_source_list.h"
#include "hub/shell/ui/file_view.h"
#include "hub/shell/ui/ipt_doc.h"
#include "hub/shell/ui/ipt_frame.h"
#include "hub/shell/ui/ipt_list_ctrl.h"
#include "hub/shell/ui/ipt_view.h"
#include "hub/shell/ui/key_state_indicators.h"
#include "hub/shell/ui/main_frame.h"
#include "hub/shell/ui/sw_input_dlg.h"
#include "hub/shell/ui/user_dlg.h"
#include "hub_test_env.h"
#include "tests/support/gui/window_grab.h"

using scx::CMainFrame;
using Answer = scx::Prompter::Answer;

namespace {

// Runs scx (the test's data folder is inherited through SCX_HOME); its standard output.
QString RunScx(const QStringList& args) {
    QProcess scx;
    scx.start(SCX_BINARY, args);
    if (!scx.waitForFinished(60000) || scx.exitCode() != 0)
        qWarning("scx %s: %s", qPrintable(args.join(' ')), scx.readAllStandardError().constData());
    return QString::fromUtf8(scx.readAllStandardOutput());
}

// The sample checklist database in the data folder, and one sample PC's result in CheckOut/IPT.
void WriteSampleDatabase() { RunScx({"db", "build", SCX_SOURCE_DIR "/data/sampledb", QString::fromStdString(scx::GetProgramFolder())}); }
std::string WriteSamplePc(const std::string& name) {
    scx::EnsureCheckOutFolders(false);
    std::string path = scx::GetCheckOutFolder("IPT") + name;
    RunScx({"encode", SCX_SOURCE_DIR "/data/samplepcs/pc1.txt", QString::fromStdString(path)});
    return path;
}

scx::CIptView& OpenInFrame(CMainFrame& frame, const std::string& path) {
    QMdiSubWindow* window = frame.OpenDocumentFile(QString::fromStdString(path));
    if (!window) qFatal("%s did not open", path.c_str());
    return qobject_cast<scx::CIptFrame*>(window)->View();
}

QStringList Column(const scx::CScxListCtrl& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.GetItemCount(); ++row) texts << list.GetItemText(row, column);
    return texts;
}

// Fills the user dialog and presses 확 인.
void AnswerUserDialog(QWidget* dialog, const QString& group, const QString& pc, const QString& user) {
    dialog->findChild<QLineEdit*>("groupName")->setText(group);
    dialog->findChild<QLineEdit*>("pcName")->setText(pc);
    dialog->findChild<QLineEdit*>("userName")->setText(user);
    dialog->findChild<QRadioButton*>("brandPc")->setChecked(true);
    dialog->findChild<QPushButton*>("ok")->click();
}

void AnswerSwInputDialog(QWidget* dialog, const QString& company, const QString& program) {
    dialog->findChild<QLineEdit*>("company")->setText(company);
    dialog->findChild<QLineEdit*>("program")->setText(program);
    dialog->findChild<QLineEdit*>("price")->setText("5000");
    dialog->findChild<QPushButton*>("ok")->click();
}

// File-New with IPT 만들기 chosen and the user dialog answered by `answerUser`.
void FileNewIpt(CMainFrame& frame, std::function<void(QWidget*)> answerUser) {
    scx::test::WhenModal([answerUser](QWidget* chooser) {
        scx::test::WhenModal(answerUser);
        qobject_cast<QDialog*>(chooser)->accept();  // IPT 만들기 is the current entry
    });
    frame.Command(scx::ID_FILE_NEW)->trigger();
}

// Drops `data` on the middle of the list as a drag from elsewhere would.
void DropOn(scx::CIptListCtrl& list, QMimeData& data) {
    const QPoint at = list.viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &drop);
}

}  // namespace

class TestMainFrame : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        // A window left waiting for an answer would hold up every later test.
        if (QWidget* modal = QApplication::activeModalWidget()) {
            QString title = modal->windowTitle();
            modal->close();
            QFAIL(qPrintable("a modal window was left open: " + title));
        }
        scx::ReleaseCheckListDatabase();
    }

    void fileNewOffersIptAndRstButNeverTls() {
        scx::test::HubHome env;
        CMainFrame frame;
        QStringList entries;
        QList<bool> enabled;
        scx::test::WhenModal([&](QWidget* modal) {
            auto* list = modal->findChild<QListWidget*>("types");
            for (int i = 0; i < list->count(); ++i) {
                entries << list->item(i)->text();
                enabled << bool(list->item(i)->flags() & Qt::ItemIsEnabled);
            }
            qobject_cast<QDialog*>(modal)->reject();
        });
        frame.Command(scx::ID_FILE_NEW)->trigger();
        QCOMPARE(entries, QStringList({"IPT 만들기", "RST 만들기"}));
        QCOMPARE(enabled, QList<bool>({true, false}));  // result documents come with their window
        QVERIFY(frame.MdiArea().subWindowList().isEmpty());
    }

    void cancellingTheUserDialogOfFileNewMakesNothing() {
        scx::test::HubHome env;
        CMainFrame frame;
        QString userDialogTitle;
        FileNewIpt(frame, [&](QWidget* userDlg) {
            userDialogTitle = userDlg->windowTitle();
            userDlg->findChild<QPushButton*>("cancel")->click();
        });
        QCOMPARE(userDialogTitle, QString("사용자정보 입력"));
        QVERIFY(frame.MdiArea().subWindowList().isEmpty());
        QVERIFY(env.prompter.shown.empty());
        QVERIFY(!frame.ChecklistDialog());
    }

    void aNewDocumentsFirstSaveProposesItsNameAndReopensUnderIt() {
        scx::test::HubHome env;
        CMainFrame frame;
        frame.show();
        QCOMPARE(frame.Command(scx::ID_FILE_NEW)->text(), QString("새로 만들기(&N)"));
        QVERIFY(!frame.Command(scx::ID_FILE_SAVE)->isVisible());
        FileNewIpt(frame, [](QWidget* d) { AnswerUserDialog(d, " 총무팀 ", "PC-01", "사용자1"); });

        QCOMPARE(frame.IptFrames().size(), 1);
        scx::CIptDoc& doc = frame.IptFrames()[0]->Document();
        QVERIFY(doc.IsModified());
        QCOMPARE(doc.File().Header().GetCell(0, "ScrutinexVer"), std::string("2"));
        QCOMPARE(doc.File().UserInfo().GetRowText(0), std::string("총무팀\tPC-01\t사용자1\t-\t-\t0\t-"));
        QCOMPARE(env.prompter.shown, std::vector<std::string>({"OS를 추가해 주십시요."}));
        QVERIFY(frame.ChecklistDialog() && frame.ChecklistDialog()->isVisible());
        QCOMPARE(frame.Command(scx::ID_FILE_NEW)->text(), QString("새 파일(&N)"));
        QVERIFY(frame.Command(scx::ID_FILE_SAVE)->isEnabled());

        frame.Command(scx::ID_FILE_SAVE)->trigger();  // no path yet: save as
        const QString name = "총무팀_사용자1_" + QDate::currentDate().toString("yyyyMMdd");
        QCOMPARE(env.saveRequests.size(), size_t(1));
        QCOMPARE(env.saveRequests[0].proposedName, name);
        QCOMPARE(env.saveRequests[0].folder, QString::fromStdString(scx::GetCheckOutFolder("IPT")));
        QCOMPARE(env.saveRequests[0].defaultSuffix, QString("ipt"));
        QCOMPARE(env.saveRequests[0].title, QString("다른이름 저장"));

        // The window is replaced by one showing the saved file; the pane lists it.
        QTRY_COMPARE(frame.IptFrames().size(), 1);
        scx::CIptFrame* reopened = frame.IptFrames()[0];
        QCOMPARE(reopened->windowTitle(), name + ".ipt");
        QVERIFY(!reopened->Document().IsModified());
        QCOMPARE(reopened->Document().File().GetPath(), scx::GetCheckOutFolder("IPT") + name.toStdString() + ".ipt");
        QCOMPARE(Column(frame.IptFileView().List(), 0), QStringList({name + ".ipt"}));
    }

    void deletingFromThePaneKeepsFilesInUseOrAlreadyWaiting() {
        scx::test::HubHome env({Answer::Yes});
        for (const char* name : {"waiting.ipt", "open.ipt", "fresh.ipt"}) scx::test::WriteIptFile(name, {"A/B"});
        const std::string tmp = scx::GetCheckOutFolder("TMP_IPT");
        scx::test::WriteBytes(tmp + "waiting.ipt", "older");
        CMainFrame frame;
        OpenInFrame(frame, scx::GetCheckOutFolder("IPT") + "open.ipt");
        scx::CScxListCtrl& list = frame.IptFileView().List();
        QCOMPARE(list.GetItemCount(), 3);
        list.selectAll();
        QVERIFY(frame.IptFileView().Command(26799)->isEnabled());
        QVERIFY(!frame.IptFileView().Command(26800)->isEnabled());  // 취합 comes with the aggregation run
        frame.IptFileView().Command(26799)->trigger();

        const std::string inUse = "삭제할 수 없습니다. 해당 파일을 사용중입니다.\n";
        std::vector<std::string> shown = env.prompter.shown;
        std::sort(shown.begin() + 1, shown.end());  // the folder's listing order decides theirs
        QCOMPARE(shown, std::vector<std::string>({"삭제하시겠습니까?", inUse + scx::GetCheckOutFolder("IPT") + "open.ipt",
                                                  inUse + scx::GetCheckOutFolder("IPT") + "waiting.ipt"}));
        QCOMPARE(scx::test::ReadBytes(tmp + "waiting.ipt"), std::string("older"));
        QVERIFY(scx::platform::FileExists(tmp + "fresh.ipt"));
        QVERIFY(!scx::platform::FileExists(tmp + "open.ipt"));
        QStringList left = Column(list, 0);
        left.sort();
        QCOMPARE(left, QStringList({"open.ipt", "waiting.ipt"}));
    }

    void closingTheFrameFollowsTheClosePrompt_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saveFails");
        QTest::addColumn<bool>("stays");
        QTest::addColumn<bool>("saved");
        QTest::newRow("취소 keeps it") << int(Answer::Cancel) << false << true << false;
        QTest::newRow("예 with a failing save keeps it") << int(Answer::Yes) << true << true << false;
        QTest::newRow("아니요 closes unsaved") << int(Answer::No) << false << false << false;
        QTest::newRow("예 saves and closes") << int(Answer::Yes) << false << false << true;
    }
    void closingTheFrameFollowsTheClosePrompt() {
        QFETCH(int, answer);
        QFETCH(bool, saveFails);
        QFETCH(bool, stays);
        QFETCH(bool, saved);
        scx::test::HubHome env({Answer::Yes, static_cast<Answer>(answer)});
        const std::string path = scx::test::WriteIptFile("pc.ipt", {"A/B", "C/D"});
        CMainFrame frame;
        frame.show();
        scx::CIptView& view = OpenInFrame(frame, path);
        scx::SelectListItem(0, view.List(), true);
        view.OnDelete();
        QVERIFY(view.Document().IsModified());
        if (saveFails) {  // a folder now stands where the file was: writing it fails
            std::remove(path.c_str());
            QVERIFY(scx::platform::MakeFolder(path));
        }

        QCOMPARE(frame.close(), !stays);
        QCOMPARE(env.prompter.shown[1], path + "\n변경된 내용이 있습니다. 저장하시겠습니까?");
        QCOMPARE(frame.isVisible(), stays);
        QCOMPARE(frame.IptFrames().size() == 1 && frame.IptFrames()[0]->isVisible(), stays);
        if (saveFails) QCOMPARE(env.prompter.shown.back(), std::string("저장실패. 다시 시도해 주십시요."));
        scx::CFileIPT after;
        QCOMPARE(after.Load(path, true), !saveFails);
        if (!saveFails) QCOMPARE(after.SwList().GetRowCount(), saved ? 1 : 2);
        QVERIFY(env.saveRequests.empty());  // a loaded file saves in place
    }

    void theUserDialogNamesTheFirstMissingField_data() {
        QTest::addColumn<QString>("pc");
        QTest::addColumn<bool>("kind");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("message");  // empty: accepted
        QTest::addColumn<QString>("focus");
        QTest::newRow("nothing") << "" << false << "" << "" << "컴퓨터명을 입력해 주세요." << "pcName";
        QTest::newRow("blank pc name") << "  " << true << "g" << "u" << "컴퓨터명을 입력해 주세요." << "pcName";
        QTest::newRow("no kind") << "PC" << false << "" << "" << "PC 종류를 선택해 주세요." << "brandPc";
        QTest::newRow("no group") << "PC" << true << " " << "u" << "회사(부서)명을 입력해 주세요." << "groupName";
        QTest::newRow("no user") << "PC" << true << "g" << "" << "사용자명을 입력해 주세요." << "userName";
        QTest::newRow("complete") << " PC " << true << "g" << "u" << "" << "";
    }
    void theUserDialogNamesTheFirstMissingField() {
        QFETCH(QString, pc);
        QFETCH(bool, kind);
        QFETCH(QString, group);
        QFETCH(QString, user);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        scx::test::HubHome env;
        scx::CUserDlg dialog(scx::IptUserInfo{});
        dialog.show();
        dialog.findChild<QLineEdit*>("pcName")->setText(pc);
        dialog.findChild<QRadioButton*>("assembledPc")->setChecked(kind);
        dialog.findChild<QLineEdit*>("groupName")->setText(group);
        dialog.findChild<QLineEdit*>("userName")->setText(user);
        dialog.findChild<QPushButton*>("ok")->click();
        if (message.isEmpty()) {
            QVERIFY(env.prompter.shown.empty());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.Values(), (scx::IptUserInfo{"g", "PC", "u", 1}));
            QCOMPARE(dialog.findChild<QLineEdit*>("pcName")->text(), QString("PC"));
            return;
        }
        QCOMPARE(env.prompter.shown, std::vector<std::string>({message.toStdString()}));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget()->objectName(), focus);
    }

    void theProgramDialogWantsCompanyThenProgram() {
        scx::test::HubHome env;
        scx::CSwInputDlg dialog;
        dialog.show();
        auto* ok = dialog.findChild<QPushButton*>("ok");
        dialog.findChild<QLineEdit*>("program")->setText("Word");
        ok->click();
        dialog.findChild<QLineEdit*>("company")->setText(" Acme ");
        dialog.findChild<QLineEdit*>("program")->setText("  ");
        ok->click();
        QCOMPARE(env.prompter.shown, std::vector<std::string>({"저작권사명을 입력해 주세요", "프로그램명을 선택해 주세요"}));
        QCOMPARE(dialog.focusWidget()->objectName(), QString("program"));
        QTest::keyClicks(dialog.findChild<QLineEdit*>("price"), "12a3");
        QCOMPARE(dialog.findChild<QLineEdit*>("price")->text(), QString("123"));  // digits only
    }

    void theTypeColumnNamesTheFiveCodes() {
        const std::pair<const char*, const char*> cases[] = {{"0", "상용"}, {"1", "쉐어"}, {"2", "프리"},
                                                             {"3", "폰트"}, {"4", "Conditional"}, {"5", "-"},
                                                             {"-", "-"}, {"x", "-"}};
        for (const auto& [code, caption] : cases) QCOMPARE(scx::SwTypeCaption(code), std::string(caption));
    }

    void directInputAddsOrRefusesAProgramThatExistsInAnotherCase() {
        scx::test::HubHome env;
        CMainFrame frame;
        scx::CIptView& view = OpenInFrame(frame, scx::test::WriteIptFile("pc.ipt", {"Acme/Word", "Hanbit/Calc"}));

        scx::test::WhenModal([](QWidget* d) { AnswerSwInputDialog(d, "ACME", "word"); });
        view.OnDirectInput();
        QCOMPARE(env.prompter.shown, std::vector<std::string>({"word는 이미 존재합니다."}));
        QCOMPARE(view.List().GetItemCount(), 2);
        QCOMPARE(view.List().SelectedRows(), QList<int>({0}));
        QVERIFY(!view.Document().IsModified());

        scx::test::WhenModal([](QWidget* d) { AnswerSwInputDialog(d, "  Orion ", "PhotoCraft"); });
        view.OnDirectInput();
        QCOMPARE(view.List().GetItemCount(), 3);
        QCOMPARE(view.List().SelectedRows(), QList<int>({2}));
        QCOMPARE(view.Document().File().SwList().GetRowText(2),
                 std::string("3\t0\t-\t-\t-\t-\t-\tOrion\tPhotoCraft\t5000\t-\t-\t-\t-\t-\t-\t-\t-\t-"));
        QVERIFY(view.Document().IsModified());
    }

    void deletingRows2And5RemovesExactlyThose() {
        scx::test::HubHome env({Answer::Yes});
        CMainFrame frame;
        using scx::test::SwRowText;
        // A hidden row before them: the list's rows are not the table's.
        scx::CIptView& view = OpenInFrame(
            frame, scx::test::WriteIptRows("pc.ipt", {SwRowText("1", "A", "P1"), SwRowText("99", "A", "hidden"),
                                                      SwRowText("1", "A", "P2"), SwRowText("1", "A", "P3"),
                                                      SwRowText("3", "A", "P4"), SwRowText("1", "A", "P5"),
                                                      SwRowText("0", "A", "P6")}));
        QCOMPARE(Column(view.List(), 4), QStringList({"P1", "P2", "P3", "P4", "P5", "P6"}));
        QCOMPARE(Column(view.List(), 0), QStringList({"001", "002", "003", "004", "005", "006"}));
        scx::SelectListItem(1, view.List(), true);
        scx::SelectListItem(4, view.List(), true);
        view.OnDelete();
        QCOMPARE(env.prompter.shown, std::vector<std::string>({"삭제하시겠습니까?"}));
        QCOMPARE(Column(view.List(), 4), QStringList({"P1", "P3", "P4", "P6"}));
        QCOMPARE(view.Document().File().SwList().GetRowCount(), 5);
        QCOMPARE(view.Document().File().SwList().GetCell(1, "DISP_PRODUCT"), std::string("hidden"));
        QVERIFY(view.Document().IsModified());

        view.List().clearSelection();
        view.OnDelete();
        QCOMPARE(env.prompter.shown.back(), std::string("삭제 프로그램을 선택해 주십시요."));
    }

    void droppingThreeChecklistRowsAsksOnceAndSelectsThem() {
        scx::test::HubHome env({Answer::Yes, Answer::Yes});
        WriteSampleDatabase();
        CMainFrame frame;
        frame.show();
        scx::CIptView& view = OpenInFrame(frame, scx::test::WriteIptFile("pc.ipt", {"A/B"}));
        frame.ShowChecklistDialog();
        scx::CChecklistDlg& checklist = *frame.ChecklistDialog();
        checklist.findChild<QLineEdit*>("program")->setText(" 애크미 ");
        checklist.findChild<QPushButton*>("search")->click();
        scx::CDragSourceList& results = checklist.ResultList();
        QCOMPARE(results.GetItemCount(), 6);
        QCOMPARE(results.GetItemText(1, 4), QString("280,000"));
        QCOMPARE(results.GetItemText(1, 5), QString("280000"));
        for (int row : {0, 2, 4}) scx::SelectListItem(row, results, true);

        std::unique_ptr<QMimeData> data(checklist.DragData());
        DropOn(view.List(), *data);
        QCOMPARE(env.prompter.shown, std::vector<std::string>({"복사하시겠습니까?"}));
        QCOMPARE(view.List().GetItemCount(), 4);
        QCOMPARE(view.List().SelectedRows(), QList<int>({1, 2, 3}));
        QCOMPARE(Column(view.List(), 1).mid(1), QStringList({"1", "1", "1"}));
        QCOMPARE(Column(view.List(), 4).mid(1), QStringList({"애크미 워드 2016", "애크미 워드 2021", "애크미 슬라이드 2019"}));
        QCOMPARE(view.Document().File().SwList().GetRowText(1),
                 std::string("1\t1001\tAcme Corporation\tAcme Word\t16.0.4266.1001\tWORD.EXE\tword.exe\t애크미\t"
                             "애크미 워드 2016\t250000\t-\t-\t-\t0\t-\t-\t-\t-\t-"));
        QVERIFY(view.Document().IsModified());

        // Rows dragged from one IPT list to another arrive unchanged.
        scx::CIptView& other = OpenInFrame(frame, scx::test::WriteIptFile("other.ipt", {}));
        std::unique_ptr<QMimeData> copied(view.DragData());
        DropOn(other.List(), *copied);
        QCOMPARE(other.Document().File().SwList().GetRowCount(), 3);
        QCOMPARE(other.Document().File().SwList().GetRowText(0), view.Document().File().SwList().GetRowText(1));

        QMimeData unreadable;
        unreadable.setData("CHECK", "short");
        DropOn(other.List(), unreadable);
        QCOMPARE(env.prompter.shown.back(), std::string("정보가 부족하여 복사 할 수 없습니다."));
    }

    void aFileSavedHereReadsBackUnchangedApartFromTheEdits() {
        scx::test::HubHome env;
        const std::string path = WriteSamplePc("pc1.ipt");
        const std::string original = scx::GetProgramFolder() + "original.ipt";
        scx::test::WriteBytes(original, scx::test::ReadBytes(path));
        CMainFrame frame;
        scx::CIptView& view = OpenInFrame(frame, path);
        scx::test::WhenModal([](QWidget* d) {
            d->findChild<QLineEdit*>("userName")->setText("이영희");
            d->findChild<QPushButton*>("ok")->click();
        });
        view.OnEditUserInfo();
        scx::test::WhenModal([](QWidget* d) { AnswerSwInputDialog(d, "Orion", "PhotoCraft"); });
        view.OnDirectInput();
        QVERIFY(view.Document().IsModified());
        QVERIFY(view.Document().DoSave());
        QVERIFY(!view.Document().IsModified());

        // The decoded text: every line as it was, apart from the user row and the added row.
        const QStringList before = RunScx({"decode", QString::fromStdString(original)}).split("\r\n");
        const QStringList after = RunScx({"decode", QString::fromStdString(path)}).split("\r\n");
        const QString oldUser = "총무팀\tPC-GA01\t김철수\t-\t-\t0\t10.0.0.11(00-11-22-33-44-01)";
        const QString newUser = "총무팀\tPC-GA01\t이영희\t-\t-\t0\t10.0.0.11(00-11-22-33-44-01)";
        const QString added = "3\t0\t-\t-\t-\t-\t-\tOrion\tPhotoCraft\t5000\t-\t-\t-\t-\t-\t-\t-\t-\t-";
        QCOMPARE(before.count(oldUser), 1);
        QStringList expected;
        for (const QString& line : before) {
            if (line == "#SWLIST_END") expected << added;
            expected << (line == oldUser ? newUser : line);
        }
        QCOMPARE(after, expected);
        // scx dump and the agent's window read it with the same class.
        QVERIFY(RunScx({"dump", QString::fromStdString(path)}).contains("#SWLIST (lines 7-15, 7 rows)"));
        scx::CFileIPT reread;
        QVERIFY(reread.Load(path, true));
        QCOMPARE(reread.SwList().GetRowCount(), 7);
    }

    void theToolbarIsCustomisedAndTheStatusBarShowsTheLocks() {
        scx::test::HubHome env;
        {
            CMainFrame frame;
            QCOMPARE(frame.ToolBarIds(), std::vector<int>({scx::ID_FILE_NEW, scx::ID_FILE_OPEN, scx::ID_FILE_SAVE,
                                                           scx::ID_FILE_PRINT, scx::ID_APP_ABOUT}));
            scx::test::WhenModal([](QWidget* d) {
                auto* list = d->findChild<QListWidget*>("commands");
                for (int i = 0; i < list->count(); ++i) {
                    const int id = list->item(i)->data(Qt::UserRole).toInt();
                    if (id == scx::ID_FILE_PRINT) list->item(i)->setCheckState(Qt::Unchecked);
                    if (id == scx::ID_VIEW_CHECKLIST) list->item(i)->setCheckState(Qt::Checked);
                }
                d->findChild<QPushButton*>("ok")->click();
            });
            frame.findChild<QAction*>("customizeToolbar")->trigger();
            QCOMPARE(frame.ToolBarIds(), std::vector<int>({scx::ID_FILE_NEW, scx::ID_FILE_OPEN, scx::ID_FILE_SAVE,
                                                           scx::ID_VIEW_CHECKLIST, scx::ID_APP_ABOUT}));
            QVERIFY(frame.findChild<QToolBar*>("표준")->actions().contains(frame.Command(scx::ID_VIEW_CHECKLIST)));

            auto* indicators = frame.statusBar()->findChild<scx::CKeyStateIndicators*>();
            QVERIFY(indicators);
            indicators->Show(scx::platform::KeyLockStates{true, false, true});
            QStringList texts;
            for (const char* name : {"indicatorCaps", "indicatorNum", "indicatorScrl"})
                texts << frame.statusBar()->findChild<QLabel*>(name)->text();
            QCOMPARE(texts, QStringList({"CAP", "", "SCRL"}));
        }
        CMainFrame again;  // the choice is kept
        QCOMPARE(again.ToolBarIds(), std::vector<int>({scx::ID_FILE_NEW, scx::ID_FILE_OPEN, scx::ID_FILE_SAVE,
                                                       scx::ID_VIEW_CHECKLIST, scx::ID_APP_ABOUT}));
    }

    void theAgentIsStartedOnlyFromWhereItStands() {
        scx::test::HubHome env;
        std::vector<QString> started;
        scx::GetHubServices().startProgram = [&](const QString& program) {
            started.push_back(program);
            return false;
        };
        CMainFrame frame;
        frame.UpdateCommands();
        QVERIFY(!frame.Command(scx::ID_RUN_AGENT)->isEnabled());
        frame.OnRunAgent();  // run anyway: the start reports the missing program
        const QString fallback = QString::fromStdString(scx::platform::ExecutableFolder() + "scxagent");
        QCOMPARE(started, std::vector<QString>({fallback}));
        QCOMPARE(env.prompter.shown.back(), fallback.toStdString() + "\n실행할 수 없습니다.");

        const std::string agent = env.home.File("scxagent");
        scx::test::WriteBytes(agent, "#!/bin/sh\n");
        frame.UpdateCommands();
        QVERIFY(!frame.Command(scx::ID_RUN_AGENT)->isEnabled());  // not executable
        QVERIFY(QFile::setPermissions(QString::fromStdString(agent), QFile::ReadOwner | QFile::ExeOwner));
        frame.UpdateCommands();
        QVERIFY(frame.Command(scx::ID_RUN_AGENT)->isEnabled());
        frame.Command(scx::ID_RUN_AGENT)->trigger();
        QCOMPARE(started.back(), QString::fromStdString(agent));
    }

    // The pictures of the README: the frame with a sample PC's result, the checklist dialog with
    // results (build/<preset>/test-artifacts/scxhub-ipt.png, scxhub-checklist.png).
    void screenshots() {
        scx::test::HubHome env;
        WriteSampleDatabase();
        WriteSamplePc("총무팀_김철수_20261211.ipt");
        scx::test::WriteIptFile("영업팀_박민수_20261211.ipt", {"A/B"});
        CMainFrame frame;
        frame.resize(1280, 720);
        frame.show();
        OpenInFrame(frame, scx::GetCheckOutFolder("IPT") + "총무팀_김철수_20261211.ipt");
        QVERIFY(!scx::test::GrabToPng(frame, "scxhub-ipt").isEmpty());

        frame.ShowChecklistDialog();
        scx::CChecklistDlg& checklist = *frame.ChecklistDialog();
        checklist.findChild<QLineEdit*>("company")->setText("애크미");
        checklist.findChild<QPushButton*>("search")->click();
        scx::SelectListItem(1, checklist.ResultList(), true);
        QVERIFY(!scx::test::GrabToPng(checklist, "scxhub-checklist").isEmpty());
    }
};

QTEST_MAIN(TestMainFrame)
#include "TestMainFrame.moc"

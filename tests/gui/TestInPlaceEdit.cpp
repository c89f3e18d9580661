// The in-place cell editors of the result lists: Enter, Esc, Up/Down in the designated column and
// focus loss, with a commit step that refuses "0".
#include <QFocusEvent>
#include <QTest>

#include "core/ui/scx_list_ctrl.h"
#include "hub/shell/ui/edit_in_com_list.h"
#include "hub/shell/ui/edit_in_list.h"
#include "hub_test_env.h"

namespace {

constexpr int kDesignated = 6;

struct Commit {
    int row, column;
    QString text;
    bool operator==(const Commit&) const = default;
};

// A list of three rows and eight columns, and an editor of kind T over it.
template <class T>
struct EditedList {
    EditedList() {
        for (int c = 0; c < 8; ++c) list.InsertColumn(c, QString::number(c), 60);
        for (int r = 0; r < 3; ++r) {
            list.InsertItem(-1, QString::number(r));
            list.SetItemText(r, kDesignated, QString::number(10 + r));
        }
        list.EndUpdate();
        list.resize(600, 200);
        list.show();
    }
    scx::CScxListCtrl list;
    std::vector<Commit> commits;
    T edit{list, kDesignated, [this](int row, int column, const QString& text, std::string& message) {
               commits.push_back({row, column, text});
               if (text == "0") message = "0은 입력할 수 없습니다.";
               return text != "0";
           }};
};

void Type(QLineEdit& edit, const QString& text, Qt::Key key) {
    edit.setText(text);
    QTest::keyClick(&edit, key);
}

}  // namespace

class TestInPlaceEdit : public QObject {
    Q_OBJECT

private slots:
    void enterCommitsAndARefusalKeepsEditing() {
        scx::test::HubHome env;
        EditedList<scx::CEditInList> f;
        f.edit.StartEditing(1, kDesignated, "11", true);
        QVERIFY(f.edit.IsEditing());
        QCOMPARE(f.edit.selectedText(), QString("11"));
        QCOMPARE(f.edit.alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QTest::keyClicks(&f.edit, "x");  // digits only
        QCOMPARE(f.edit.text(), QString("11"));
        Type(f.edit, "0", Qt::Key_Return);
        QVERIFY(f.edit.IsEditing());
        QCOMPARE(f.edit.selectedText(), QString("0"));
        QCOMPARE(env.prompter.shown, std::vector<std::string>({"0은 입력할 수 없습니다."}));
        Type(f.edit, "7", Qt::Key_Enter);
        QVERIFY(!f.edit.IsEditing());
        QCOMPARE(f.commits, std::vector<Commit>({{1, kDesignated, "0"}, {1, kDesignated, "7"}}));

        f.edit.StartEditing(2, kDesignated, "12", true);
        Type(f.edit, "9", Qt::Key_Escape);
        QVERIFY(!f.edit.IsEditing());
        QCOMPARE(f.commits.size(), size_t(2));  // Esc commits nothing
    }

    void upAndDownMoveOnlyInTheDesignatedColumn() {
        scx::test::HubHome env;
        EditedList<scx::CEditInList> f;
        f.edit.StartEditing(0, kDesignated, "10", true);
        QTest::keyClick(&f.edit, Qt::Key_Up);  // no row above: nothing happens
        QCOMPARE(f.edit.Row(), 0);
        Type(f.edit, "5", Qt::Key_Down);
        QCOMPARE(f.edit.Row(), 1);
        QCOMPARE(f.edit.text(), QString("11"));
        QCOMPARE(f.list.selectionModel()->selectedRows().value(0).row(), 1);
        Type(f.edit, "0", Qt::Key_Up);  // refused: stays on row 1, selected again
        QCOMPARE(f.edit.Row(), 1);
        QCOMPARE(f.list.selectionModel()->selectedRows().size(), 1);
        QCOMPARE(f.list.selectionModel()->selectedRows().value(0).row(), 1);
        QCOMPARE(f.commits, std::vector<Commit>({{0, kDesignated, "5"}, {1, kDesignated, "0"}}));
        Type(f.edit, "8", Qt::Key_Return);

        f.edit.StartEditing(0, 3, "abc", false);
        QTest::keyClick(&f.edit, Qt::Key_Down);  // another column: the key stays in the box
        QCOMPARE(f.edit.Row(), 0);
        QVERIFY(f.edit.IsEditing());
        QCOMPARE(f.commits.size(), size_t(3));
    }

    void focusLossCommitsInOneAndHidesInTheOther() {
        scx::test::HubHome env;
        QFocusEvent lost(QEvent::FocusOut, Qt::MouseFocusReason);
        EditedList<scx::CEditInList> list;
        list.edit.StartEditing(2, kDesignated, "12", true);
        list.edit.setText("4");
        QApplication::sendEvent(&list.edit, &lost);
        QVERIFY(!list.edit.IsEditing());
        QCOMPARE(list.commits, std::vector<Commit>({{2, kDesignated, "4"}}));

        EditedList<scx::CEditInComList> comList;
        comList.edit.StartEditing(2, kDesignated, "12", true);
        comList.edit.setText("4");
        QApplication::sendEvent(&comList.edit, &lost);
        QVERIFY(!comList.edit.IsEditing());
        QVERIFY(comList.commits.empty());
    }
};

QTEST_MAIN(TestInPlaceEdit)
#include "TestInPlaceEdit.moc"

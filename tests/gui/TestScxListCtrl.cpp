#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

#include "core/ui/scx_list_ctrl.h"
#include "tests/support/gui/window_grab.h"

using scx::CScxListCtrl;

class TestScxListCtrl : public QObject {
    Q_OBJECT

    // A shown list with columns "순번", "이름", "버전"; rows filled by the owners' protocol.
    std::unique_ptr<CScxListCtrl> MakeList(const QList<QStringList>& rows) {
        auto list = std::make_unique<CScxListCtrl>();
        list->resize(480, 260);
        list->InsertColumn(0, "순번", 90);
        list->InsertColumn(1, "이름", 200);
        list->InsertColumn(2, "버전", 120);
        Fill(*list, rows);
        list->show();
        QApplication::processEvents();
        return list;
    }
    static void Fill(CScxListCtrl& list, const QList<QStringList>& rows) {
        list.DeleteAllItems();
        for (const auto& row : rows) {
            int i = list.InsertItem(-1, row[0]);
            for (int c = 1; c < row.size(); ++c) list.SetItemText(i, c, row[c]);
        }
        list.EndUpdate();
    }
    static QStringList Column(const CScxListCtrl& list, int column) {
        QStringList out;
        for (int i = 0; i < list.model()->rowCount(); ++i)
            out << list.model()->index(i, column).data().toString();
        return out;
    }
    static void ClickHeader(CScxListCtrl& list, int column) {
        QHeaderView* header = list.header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
    }
    static QPoint CheckBoxPoint(CScxListCtrl& list, int row) {
        QModelIndex index = list.model()->index(row, 0);
        QStyleOptionViewItem option;
        option.initFrom(list.viewport());
        option.rect = list.visualRect(index);
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        option.index = index;
        return list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list).center();
    }

private slots:
    void rowsAppearOnlyAfterEndUpdate() {
        auto list = MakeList({{"001", "워드", "1.0"}, {"002", "엑셀", "2.0"}, {"003", "파워", "3.0"}});
        QCOMPARE(list->InsertItem(50, "004"), 3);  // any position means the end
        QCOMPARE(list->model()->rowCount(), 3);    // not shown before EndUpdate
        QVERIFY(!list->model()->index(0, 1).data().isValid());  // mid-fill: nothing is drawn
        list->SetItemText(3, 1, "메모장");
        list->EndUpdate();
        QCOMPARE(list->model()->rowCount(), 4);
        QCOMPARE(list->GetItemText(3, 1), QString("메모장"));
        list->RemoveRow(0);
        list->EndUpdate();
        QCOMPARE(Column(*list, 0), QStringList({"002", "003", "004"}));
    }

    void headerClicksAlternateTheDirection() {
        auto list = MakeList({{"001", "a", "9"}, {"002", "b", "10"}, {"003", "c", "010"},
                              {"004", "d", "b"}, {"005", "e", "B"}});
        ClickHeader(*list, 2);
        QCOMPARE(Column(*list, 2), QStringList({"010", "10", "9", "B", "b"}));  // code-unit order
        ClickHeader(*list, 2);
        QCOMPARE(Column(*list, 2), QStringList({"b", "B", "9", "10", "010"}));
        ClickHeader(*list, 2);
        QCOMPARE(Column(*list, 2), QStringList({"010", "10", "9", "B", "b"}));
        QCOMPARE(Column(*list, 1), QStringList({"c", "b", "a", "e", "d"}));  // rows move whole

        ClickHeader(*list, 2);  // descending now; a refill forgets the directions
        Fill(*list, {{"001", "a", "2"}, {"002", "b", "1"}});
        ClickHeader(*list, 2);
        QCOMPARE(Column(*list, 2), QStringList({"1", "2"}));
        scx::test::GrabToPng(*list, "scx_list_ctrl_sorted");
    }

    void emptyListIgnoresHeaderClicks() {
        auto list = MakeList({});
        ClickHeader(*list, 1);
        Fill(*list, {{"001", "z", "1"}, {"002", "a", "2"}});
        ClickHeader(*list, 1);  // still the first click on column 1: ascending
        QCOMPARE(Column(*list, 1), QStringList({"a", "z"}));
    }

    void checkMarksToggleOnTheBoxAndWithSpace() {
        auto list = MakeList({{"001", "워드", "1"}, {"002", "엑셀", "3"}, {"003", "파워", "2"}});
        QSignalSpy clicked(list.get(), &CScxListCtrl::clicked);
        QSignalSpy doubleClicked(list.get(), &CScxListCtrl::doubleClicked);
        QCOMPARE(list->GetCheck(9), 0);
        QVERIFY(!list->IsCheckMode());
        list->SetCheck(9, 1);  // past the end: only the check mode turns on
        QVERIFY(list->IsCheckMode());
        list->viewport()->update();
        QApplication::processEvents();

        QRect text = list->visualRect(list->model()->index(0, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(text.right() - 10, text.center().y()));
        QCOMPARE(list->GetCheck(0), 0);  // the text of column 0 is not the box
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CheckBoxPoint(*list, 0));
        QCOMPARE(list->GetCheck(0), 1);

        QRect name = list->visualRect(list->model()->index(2, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, name.center());
        QTest::keyClick(list.get(), Qt::Key_Space);
        QCOMPARE(list->GetCheck(2), 1);
        QTest::keyClick(list.get(), Qt::Key_Space);
        QCOMPARE(list->GetCheck(2), 0);

        ClickHeader(*list, 2);  // marks travel with their rows
        QCOMPARE(Column(*list, 1), QStringList({"워드", "파워", "엑셀"}));
        QCOMPARE(list->GetCheck(0), 1);
        QCOMPARE(list->model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        scx::test::GrabToPng(*list, "scx_list_ctrl_checks");

        int calls = 0;
        list->doubleClickFunction = [&calls](CScxListCtrl&, Qt::KeyboardModifiers, QPoint) { ++calls; };
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, name.center());
        QCOMPARE(calls, 1);
        QCOMPARE(clicked.count(), 0);  // the parent never hears of a click or double click
        QCOMPARE(doubleClicked.count(), 0);
    }

    void selectListItem() {
        auto list = MakeList({{"001", "a", "1"}, {"002", "b", "2"}, {"003", "c", "3"}});
        scx::SelectListItem(1, *list, true);
        QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(list->currentIndex().row(), 1);
        scx::SelectListItem(-1, *list, true);
        QCOMPARE(list->selectionModel()->selectedRows().size(), 3);
        QCOMPARE(list->currentIndex().row(), 2);
        scx::SelectListItem(0, *list, false);
        QCOMPARE(list->selectionModel()->selectedRows().size(), 2);
        scx::SelectListItem(-1, *list, false);
        QCOMPARE(list->selectionModel()->selectedRows().size(), 0);
    }
};

QTEST_MAIN(TestScxListCtrl)
#include "TestScxListCtrl.moc"

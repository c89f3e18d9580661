// The sortable list against Qt's item model, side by side in one run:
//  - filling 100,000 rows of 11 columns and showing them, against a QStandardItemModel in a
//    QTreeView with the same rows;
//  - a header-click sort of those rows, against std::sort of the same column's strings.
// Prints each time and the ratios. Run offscreen: QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTest>
#include <QTreeView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "core/ui/scx_list_ctrl.h"

namespace {

constexpr int kRows = 100000;
constexpr int kColumns = 11;

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

QVector<QVector<QString>> MakeRows() {
    std::mt19937 rng(42);
    const QString names[] = {"한글 워드프로세서", "오피스 표준", "Acme Paint", "백신", "사진 편집기"};
    QVector<QVector<QString>> rows(kRows);
    for (int r = 0; r < kRows; ++r) {
        rows[r].reserve(kColumns);
        rows[r] << QString::number(r).rightJustified(6, '0');
        for (int c = 1; c < kColumns; ++c)
            rows[r] << names[rng() % 5] + " " + QString::number(rng() % 100000);
    }
    return rows;
}


struct Figures {
    double scxFill, standardFill, scxSort, plainSort;
};

// One round of each measurement, on fresh windows.
Figures Round(const QVector<QVector<QString>>& rows) {
    Figures f{};
    // The sortable list: the fill protocol, then shown.
    scx::CScxListCtrl list;
    list.resize(1000, 600);
    for (int c = 0; c < kColumns; ++c) list.InsertColumn(c, QString("열 %1").arg(c), 90);
    auto t0 = std::chrono::steady_clock::now();
    list.DeleteAllItems();
    for (const auto& row : rows) {
        int i = list.InsertItem(-1, row[0]);
        for (int c = 1; c < kColumns; ++c) list.SetItemText(i, c, row[c]);
    }
    list.EndUpdate();
    list.show();
    QApplication::processEvents();
    f.scxFill = Seconds(t0);

    // The reference: an item per cell in a QStandardItemModel.
    {
        QTreeView view;
        view.resize(1000, 600);
        view.setUniformRowHeights(true);
        t0 = std::chrono::steady_clock::now();
        QStandardItemModel model(0, kColumns);
        for (const auto& row : rows) {
            QList<QStandardItem*> items;
            items.reserve(kColumns);
            for (const auto& text : row) items << new QStandardItem(text);
            model.appendRow(items);
        }
        view.setModel(&model);
        view.show();
        QApplication::processEvents();
        f.standardFill = Seconds(t0);
    }

    // Sorting column 3 with a header click, against std::sort of the same strings.
    QHeaderView* header = list.header();
    t0 = std::chrono::steady_clock::now();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 10, header->height() / 2));
    QApplication::processEvents();
    f.scxSort = Seconds(t0);
    QVector<QString> column;
    column.reserve(kRows);
    for (const auto& row : rows) column << row[3];
    t0 = std::chrono::steady_clock::now();
    std::sort(column.begin(), column.end());
    f.plainSort = Seconds(t0);
    return f;
}

void Print(const char* round, const Figures& f) {
    std::printf("%s: fill %d rows x %d columns and show: CScxListCtrl %.3f s, QStandardItemModel %.3f s, "
                "%.1fx faster (target >= 10x)\n",
                round, kRows, kColumns, f.scxFill, f.standardFill, f.standardFill / f.scxFill);
    std::printf("%s: header-click sort of column 3: CScxListCtrl %.3f s, std::sort of the strings %.3f s, "
                "ratio %.2f (target <= 1.5)\n",
                round, f.scxSort, f.plainSort, f.scxSort / f.plainSort);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto rows = MakeRows();
    // The first round also pays for the process's first touch of its heap pages (costly on a
    // virtual machine); the second shows the steady state. Both are printed.
    Print("cold", Round(rows));
    Print("warm", Round(rows));
    return 0;
}

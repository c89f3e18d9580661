#include "hub/shell/ui/ipt_list_ctrl.h"

#include <QDropEvent>
#include <QItemSelectionModel>

#include "core/docs/file_ipt.h"
#include "hub/shell/ipt_edit.h"

namespace scx {
namespace {

struct Column {
    const char* caption;
    int width;
    Qt::Alignment alignment;
};
constexpr Column kColumns[kIptListColumns] = {
    {"순번", 40, Qt::AlignLeft},       {"구분", 40, Qt::AlignHCenter},     {"유형", 40, Qt::AlignHCenter},
    {"저작권사", 120, Qt::AlignLeft},  {"프로그램명", 170, Qt::AlignLeft}, {"제품시리얼", 120, Qt::AlignHCenter},
    {"설치일", 80, Qt::AlignLeft},     {"최종사용일", 80, Qt::AlignLeft},  {"실행파일명", 110, Qt::AlignLeft},
    {"파일경로", 200, Qt::AlignLeft},  {"비고", 50, Qt::AlignLeft},
};

}  // namespace

CIptListCtrl::CIptListCtrl(QWidget* parent) : CDragSourceList(parent) {
    for (int i = 0; i < kIptListColumns; ++i) InsertColumn(i, kColumns[i].caption, kColumns[i].width, kColumns[i].alignment);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    viewport()->setAcceptDrops(true);
}

void CIptListCtrl::Fill(const CFileIPT& file, const std::vector<int>& selectSwRows) {
    DeleteAllItems();
    const CTableMulti& list = file.SwList();
    const int width = RowNumberWidth(list.GetRowCount());
    int shown = 0;
    for (int row = 0; row < list.GetRowCount(); ++row) {
        if (list.GetCell(row, "GUBUN") == kGubunHidden) continue;
        std::vector<std::string> texts = IptListTexts(file, row, ++shown, width);
        int at = InsertItem(-1, texts[0]);
        for (int column = 1; column < kIptListColumns; ++column) SetItemText(at, column, texts[column]);
        SetRowData(at, row);
    }
    EndUpdate();
    if (selectSwRows.empty()) return;
    clearSelection();
    for (int swRow : selectSwRows) {
        if (swRow == -1) {
            SelectListItem(-1, *this, true);
            continue;
        }
        int at = ListRowOf(swRow);
        if (at >= 0) SelectListItem(at, *this, true);
    }
}

std::vector<int> CIptListCtrl::SelectedSwRows() const {
    std::vector<int> rows;
    for (int at : SelectedRows()) rows.push_back(GetRowData(at));
    return rows;
}

int CIptListCtrl::ListRowOf(int swRow) const {
    for (int at = 0; at < GetItemCount(); ++at)
        if (GetRowData(at) == swRow) return at;
    return -1;
}

void CIptListCtrl::dragEnterEvent(QDragEnterEvent* event) { event->acceptProposedAction(); }
void CIptListCtrl::dragMoveEvent(QDragMoveEvent* event) { event->acceptProposedAction(); }

void CIptListCtrl::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    if (dropHandler && event->mimeData()) dropHandler(*event->mimeData());
}

}  // namespace scx

#pragma once
// The sortable list of both programs: a report-style list whose rows live in the control (owner
// data), sorted by a click on a column header with alternating direction, with an optional check
// mark per row that the user toggles on its check box or with Space.
//
// Fill protocol: DeleteAllItems; per row InsertItem (always at the end) and SetItemText for every
// further column; then EndUpdate, which shows the new rows.

#include <QTreeView>
#include <functional>
#include <string_view>
#include <vector>

#include "core/ui/scx_list_item.h"

namespace scx {

class CScxListModel;

class CScxListCtrl : public QTreeView {
    Q_OBJECT
public:
    // Replaces the platform's double click: the owner's function gets the control, the keyboard
    // modifiers and the click point; the parent hears of no double click from this control.
    using DoubleClickFunction = std::function<void(CScxListCtrl&, Qt::KeyboardModifiers, QPoint)>;

    explicit CScxListCtrl(QWidget* parent = nullptr);
    ~CScxListCtrl() override;

    int InsertColumn(int column, const QString& title, int width = 100,
                     Qt::Alignment alignment = Qt::AlignLeft);

    int AddItem(const QString& text);
    // The row always goes to the end, whatever the position; returns its index.
    int InsertItem(int position, const QString& text);
    int InsertItem(int position, std::string_view utf8Text);
    int InsertItem(int position, const char* utf8Text) { return InsertItem(position, std::string_view(utf8Text)); }
    int SetItemText(int row, int column, const QString& text);
    int SetItemText(int row, int column, std::string_view utf8Text);
    int SetItemText(int row, int column, const char* utf8Text) {
        return SetItemText(row, column, std::string_view(utf8Text));
    }
    QString GetItemText(int row, int column) const;
    void EndUpdate();
    int DeleteAllItems();
    void RemoveRow(int row);
    int GetItemCount() const;

    void SortByColumn(int column);

    int SetCheck(int row, int mark);
    int GetCheck(int row) const;
    void ToggleCheck(int row);
    bool IsCheckMode() const;

    void SetRowData(int row, int data);
    int GetRowData(int row) const;
    const CScxListItem* GetRow(int row) const;

    DoubleClickFunction doubleClickFunction;
    bool HasFocusFlag() const { return focusFlag_; }

    // The sort column shared by every list of the process: each sort sets it before it starts.
    static int sortColumn;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnHeaderClicked(int column);
    void OnFocusChanged(QWidget* old, QWidget* now);
    bool IsOnCheckBox(const QModelIndex& index, QPoint point);
    void SetRedraw(bool on);
    void RefreshShownRows();

    CScxListModel* model_;
    std::vector<int> sortAscending_;  // per column: 1 when the last sort was ascending
    bool focusFlag_ = false;
};

// Selects (and focuses) the row, or every row for -1, and scrolls to it; or takes the selection
// from the row, or from every selected row for -1. Returns 1.
int SelectListItem(int index, CScxListCtrl& list, bool select);

}  // namespace scx

#pragma once
// A file pane of the main frame (CIptFileView over CheckOut/IPT, CRstFileView over CheckOut/RST;
// one behaviour for both): the document files as a list, refreshed at creation and with F5, the
// popup "FILEVIEW" (목록 갱신, 열기, 삭제, 취합), Ctrl+A, open and double-click, and delete by
// moving the files into the TMP folder.

#include <QWidget>
#include <functional>

#include "hub/shell/document_types.h"
#include "hub/shell/file_pane_ops.h"

class QAction;

namespace scx {

class CScxListCtrl;
class CMainFrame;

class CFileView : public QWidget {
    Q_OBJECT
public:
    CFileView(FilePaneKind kind, CMainFrame& frame, QWidget* parent = nullptr);

    CScxListCtrl& List() { return *list_; }
    FilePaneKind Kind() const { return kind_; }

    void OnRefresh();
    void OnOpen();
    void OnDelete();
    void OnDoubleClick();
    // The popup's actions by command id (32782, 26801, 26799, 26800), with their enabling applied.
    QAction* Command(int id);

    // The aggregation run, given the selected file names; until it exists 취합 stays disabled.
    std::function<void(const QStringList&)> aggregate;

private:
    QStringList SelectedNames() const;
    void UpdateCommands();
    void ShowPopup(const QPoint& at);

    FilePaneKind kind_;
    CMainFrame& frame_;
    CScxListCtrl* list_;
    QAction* refresh_;
    QAction* open_;
    QAction* delete_;
    QAction* aggregate_;
};

}  // namespace scx

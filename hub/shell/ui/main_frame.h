#pragma once
// The workstation's main window: the menus of the no-document and document states, the toolbar
// "표준", the status bar, the document windows on a multi-document area, the two file panes
// docked as tabs (IPT first), and the tool windows (checklist, settings, database update, about).

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <vector>

#include "hub/shell/document_types.h"

class QAction;
class QDockWidget;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace scx {

class CChecklistDlg;
class CFileView;
class CIptDoc;
class CIptFrame;

// Command ids of the menus.
enum CommandId : int {
    ID_FILE_NEW = 57600, ID_FILE_OPEN = 57601, ID_FILE_CLOSE = 57602, ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604, ID_FILE_PRINT_SETUP = 57606, ID_FILE_PRINT = 57607, ID_APP_EXIT = 57665,
    ID_APP_ABOUT = 57664, ID_CLOSE_ALL = 26817, ID_VIEW_CHECKLIST = 26798, ID_DB_UPDATE = 26818,
    ID_RUN_AGENT = 26816, ID_SETTINGS = 26819, ID_ABOUT_SCRUTINEX = 32792,
    ID_LOOK_FIRST = 205, ID_LOOK_LAST = 219, ID_LOOK_DEFAULT = 216,
};

inline constexpr const char* kFrameTitle = "스크루티넥스2017 - 취합용(Lite)";

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame();
    ~CMainFrame() override;

    QAction* Command(int id) const { return commands_.value(id); }
    QMdiArea& MdiArea() { return *mdi_; }
    CFileView& IptFileView() { return *iptPane_; }
    CFileView& RstFileView() { return *rstPane_; }
    CChecklistDlg* ChecklistDialog() const;
    // The IPT document windows, in creation order.
    QList<CIptFrame*> IptFrames() const;
    CIptDoc* ActiveIptDocument() const;

    // Operations other windows use.
    void RefreshFilePanes();
    void ShowChecklistDialog();
    // Opens the path as the document of its extension; the window, or none.
    QMdiSubWindow* OpenDocumentFile(const QString& path);
    // Whether documents of that kind have a window in this program yet.
    bool CanOpenKind(DocumentKind kind) const { return kind == DocumentKind::Ipt; }
    // Replaces the document's window by a fresh one showing the file at `path`.
    void ReopenDocument(CIptDoc& doc, const QString& path);

    // File-New's choice of document types: the entries offered (never TLS).
    static QStringList NewDocumentEntries();
    void OnFileNew();
    void OnFileOpen();
    // Sends every document window a close request; true when none is left.
    bool OnCloseAll();
    void OnRunAgent();
    void OnSettings();
    void OnDbUpdate();
    void OnCustomizeToolbar();  // 사용자 지정...
    // The command ids the toolbar "표준" shows.
    const std::vector<int>& ToolBarIds() const { return toolBarIds_; }
    void SetLook(int id);
    int Look() const { return look_; }
    // Runs the enabling rules of every command (the menus run them when they open).
    void UpdateCommands();

protected:
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* AddCommand(QMenu* menu, int id, const QString& caption, void (CMainFrame::*slot)());
    void BuildMenus();
    void BuildToolBar();
    void FillToolBar(const std::vector<int>& ids);
    void BuildPanes();
    void UpdateMenuState();
    QMdiSubWindow* AddDocumentWindow(QMdiSubWindow* window);
    void NewIptDocument();

    QMdiArea* mdi_;
    CFileView* iptPane_ = nullptr;
    CFileView* rstPane_ = nullptr;
    QDockWidget* iptDock_ = nullptr;
    QDockWidget* rstDock_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QAction* customize_ = nullptr;
    std::vector<int> toolBarIds_;
    QMap<int, QAction*> commands_;
    QPointer<CChecklistDlg> checklist_;
    int look_ = ID_LOOK_DEFAULT;
};

}  // namespace scx

#pragma once
// One PC's inspection result under review: owns its CFileIPT for its whole life, knows whether it
// changed since the last save, and runs new, open, save, save as and the close prompt.

#include <QObject>
#include <QString>
#include <memory>

#include "core/docs/file_ipt.h"

class QWidget;

namespace scx {

class CMainFrame;
class CIptView;

class CIptDoc : public QObject {
    Q_OBJECT
public:
    explicit CIptDoc(CMainFrame& frame);
    ~CIptDoc() override;

    // New document: the user dialog (cancel: false, nothing made), the first rows, the reminder
    // to add the operating system and the checklist dialog.
    bool OnNewDocument(QWidget* dialogParent);
    // Loads the file; "Open Fail!!!" and false when it does not load.
    bool OnOpenDocument(const QString& path);

    // 저장: save as for a new document, else rewrite the loaded file.
    bool DoSave();
    // 다른 이름으로 저장: the proposed name in CheckOut/IPT; on success the panes are refreshed and,
    // unless the document is closing, its window is replaced by one showing the saved file.
    bool DoSaveAs();
    // The close prompt: true when the window may close.
    bool CanClose();

    CFileIPT& File() { return *file_; }
    bool IsModified() const { return modified_; }
    void SetModified(bool modified);
    QString Title() const;
    void SetView(CIptView* view) { view_ = view; }
    CIptView* View() const { return view_; }

signals:
    void modifiedChanged(bool modified);

private:
    CMainFrame& frame_;
    std::unique_ptr<CFileIPT> file_;
    CIptView* view_ = nullptr;
    bool modified_ = false;
    bool closing_ = false;
};

}  // namespace scx

#pragma once
// "파일 검색": files of the chosen disks whose names match a pattern, found on a worker thread;
// the list can be saved as a spreadsheet file. Closing the window stops and waits for the search.

#include <QDialog>
#include <memory>

#include "agent/search/file_search.h"
#include "core/prompter.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace scx {

class CAgentShell;
class CDiskTree;
class CScxListCtrl;
class FileSearchRelay;

class CSearchFileDlg : public QDialog {
    Q_OBJECT
public:
    CSearchFileDlg(const target::Target& target, Prompter& prompter, CAgentShell& shell, QWidget* parent = nullptr);
    ~CSearchFileDlg() override;

    bool Searching() const { return thread_ != nullptr; }

public slots:
    void done(int result) override;

private:
    void OnSearchButton();
    void OnFound(const QString& name, const QString& size, const QString& folder);
    void OnSearchDone();
    void OnExport();
    void SetIdle(bool idle);

    const target::Target& target_;
    Prompter& prompter_;
    CAgentShell& shell_;
    CDiskTree* disks_;
    QLineEdit* text_;
    QPushButton* searchButton_;
    QPushButton* exportButton_;
    CScxListCtrl* list_;
    QLabel* status_;
    QProgressBar* progress_;
    std::unique_ptr<FileSearchRelay> relay_;   // outlives the thread it listens to
    std::unique_ptr<FileSearchThread> thread_;
    bool closed_ = false;
};

}  // namespace scx

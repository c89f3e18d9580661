#pragma once
// "알림": the publisher's notices, fetched once when the window is made; a double click opens a
// notice's web page (http and https links only).

#include <QDialog>
#include <vector>

#include "agent/notice/notice_feed.h"

namespace scx {

class CAgentShell;
class CScxListCtrl;

class CRSSDlg : public QDialog {
    Q_OBJECT
public:
    CRSSDlg(const ServerAddress& server, Prompter& prompter, CAgentShell& shell, QWidget* parent = nullptr);

    CScxListCtrl& List() { return *list_; }
    // Opens the link of list row `row` when it is an http or https address.
    void OpenRow(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CAgentShell& shell_;
    CScxListCtrl* list_;
    std::vector<std::string> links_;  // link of each notice, by its number - 1
};

}  // namespace scx

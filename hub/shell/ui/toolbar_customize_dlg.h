#pragma once
// "사용자 지정": the examiner chooses which commands the toolbar "표준" shows. The choice is kept
// as the value ToolbarButtons (command ids joined by commas) beside ApplicationLook in the
// per-user registry file.

#include <QDialog>
#include <QList>
#include <vector>

class QAction;
class QListWidget;

namespace scx {

class CToolbarCustomizeDlg : public QDialog {
    Q_OBJECT
public:
    // `candidates`: every command the toolbar may show, in toolbar order; `shown`: the ids shown
    // now; `defaults`: what "원래대로" restores.
    CToolbarCustomizeDlg(const QList<QAction*>& candidates, const std::vector<int>& shown,
                         const std::vector<int>& defaults, QWidget* parent = nullptr);

    // The ids checked, in toolbar order.
    std::vector<int> Chosen() const;

private:
    void Check(const std::vector<int>& ids);
    QListWidget* list_;
};

// The stored toolbar commands, or `defaults` when none (or nothing valid) is stored.
std::vector<int> ReadToolbarButtons(const std::vector<int>& candidates, const std::vector<int>& defaults);
void WriteToolbarButtons(const std::vector<int>& ids);

}  // namespace scx

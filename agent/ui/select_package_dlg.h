#pragma once
// "패키징": the operator chooses which of a package's candidates (its editions, and possibly the
// part row as found) the PC holds; at least one must be checked.

#include <QDialog>
#include <string>
#include <vector>

#include "core/prompter.h"

namespace scx {

class CScxListCtrl;

class CSelectPackageDlg : public QDialog {
    Q_OBJECT
public:
    // Candidates are 19 values joined by TAB; shorter ones are not listed.
    CSelectPackageDlg(const std::vector<std::string>& candidates, Prompter& prompter, QWidget* parent = nullptr);

    // After OK: the indexes of the checked rows, ascending.
    const std::vector<int>& Chosen() const { return chosen_; }
    CScxListCtrl& List() { return *list_; }

protected:
    void reject() override;

private:
    void OnOk();

    Prompter& prompter_;
    CScxListCtrl* list_;
    std::vector<int> chosen_;
};

}  // namespace scx

#pragma once
// The user-information window shown before every inspection: who uses the PC, which kind of PC,
// the result file's suffix and the disks to inspect. Its OK runs the system's checks
// (agent/scan/user_info.h) and records the names in the registry.

#include <QDialog>

#include "agent/scan/user_info.h"
#include "platform/target/target.h"

class QLineEdit;
class QRadioButton;

namespace scx {

class CDiskTree;
class CGdipButton;

class CUserDlg : public QDialog {
    Q_OBJECT
public:
    CUserDlg(const target::Target& target, Prompter& prompter, QWidget* parent = nullptr);

    // The entries after OK: group, PC and user names, PC kind, suffix, IP address, chosen disks.
    const scan::UserInfo& Info() const { return info_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnNameEdited(QLineEdit* edit);
    void OnOk();

    Prompter& prompter_;
    scan::UserInfo info_;
    QLineEdit* pcName_;
    QLineEdit* group_;
    QLineEdit* user_;
    QLineEdit* suffix_;
    QRadioButton* brandPc_;
    QRadioButton* assembledPc_;
    CDiskTree* disks_;
    enum class Focus { Group, User } focus_ = Focus::Group;
};

}  // namespace scx

#pragma once
// "사용자정보 입력": the PC's 컴퓨터명, 회사(부서)명, 사용자명 and kind (brand or assembled).

#include <QDialog>

#include "hub/shell/ipt_edit.h"

class QLineEdit;
class QRadioButton;

namespace scx {

class CUserDlg : public QDialog {
    Q_OBJECT
public:
    explicit CUserDlg(const IptUserInfo& info, QWidget* parent = nullptr);
    // The values as accepted (trimmed).
    IptUserInfo Values() const;

public slots:
    void accept() override;

private:
    QLineEdit* pcName_;
    QLineEdit* groupName_;
    QLineEdit* userName_;
    QRadioButton* brand_;
    QRadioButton* assembled_;
};

}  // namespace scx

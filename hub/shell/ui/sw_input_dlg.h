#pragma once
// "프로그램 정보를 입력해 주세요.": a program the agent did not find, typed in by the examiner.

#include <QDialog>

#include "hub/shell/ipt_edit.h"

class QLineEdit;

namespace scx {

class CSwInputDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSwInputDlg(QWidget* parent = nullptr);
    // The five texts, trimmed.
    SwInput Values() const;

public slots:
    void accept() override;

private:
    QLineEdit* company_;
    QLineEdit* program_;
    QLineEdit* price_;
    QLineEdit* exeFile_;
    QLineEdit* path_;
};

}  // namespace scx

#pragma once
// "Scrutinex 정보": the program's name, version and copyright with a 확인 button.

#include <QDialog>

namespace scx {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace scx

#pragma once
// "Scrutinex": a picture of what the product does.

#include <QDialog>

namespace scx {

class CAboutScrutinexDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutScrutinexDlg(QWidget* parent = nullptr);
};

}  // namespace scx

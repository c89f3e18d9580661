#pragma once
// "Scrutinex": the product picture and a 확인 button.

#include <QDialog>

namespace scx {

class CAboutScrutinexDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutScrutinexDlg(QWidget* parent = nullptr);
};

// The product picture (also the splash's): drawn, so no image file has to travel with the program.
QPixmap ProductPicture(const QString& caption);

}  // namespace scx

#include "agent/ui/about_scrutinex_dlg.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace scx {

CAboutScrutinexDlg::CAboutScrutinexDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("CAboutScrutinexDlg");
    setWindowTitle("Scrutinex");
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(":/agent/about.png"));
    auto* ok = new QPushButton("확인", this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace scx

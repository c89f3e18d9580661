#include "agent/ui/about_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace scx {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("CAboutDlg");
    setWindowTitle("ScrutAgent 정보");
    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(":/agent/icon.png"));
    auto* text = new QLabel(QString("%1\n버전 %2").arg(kAgentProductName, kAgentVersion), this);
    auto* ok = new QPushButton("확인", this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace scx

#include "hub/shell/ui/about_scrutinex_dlg.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace scx {

QPixmap ProductPicture(const QString& caption) {
    QPixmap picture(420, 220);
    QPainter p(&picture);
    QLinearGradient gradient(0, 0, 0, 220);
    gradient.setColorAt(0, QColor("#1d3f72"));
    gradient.setColorAt(1, QColor("#3d7cc9"));
    p.fillRect(picture.rect(), gradient);
    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPointSize(26);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 40, 420, 60), Qt::AlignCenter, "Scrutinex");
    QFont small = p.font();
    small.setPointSize(11);
    small.setBold(false);
    p.setFont(small);
    p.drawText(QRect(0, 110, 420, 80), Qt::AlignCenter | Qt::TextWordWrap, caption);
    return picture;
}

CAboutScrutinexDlg::CAboutScrutinexDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Scrutinex");
    auto* picture = new QLabel;
    picture->setPixmap(ProductPicture("스크루티넥스는 PC에 설치된 소프트웨어를 점검하고\n라이선스 보유 현황과 비교합니다."));
    auto* ok = new QPushButton("확인");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace scx

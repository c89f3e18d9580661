#include "hub/shell/ui/ver_check_dlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "hub/shell/ui/about_scrutinex_dlg.h"

namespace scx {

CVerCheckDlg::CVerCheckDlg(QWidget* parent, int closeAfterMs) : QDialog(parent, Qt::SplashScreen) {
    auto* picture = new QLabel;
    picture->setPixmap(ProductPicture("스크루티넥스2017 - 취합용(Lite)"));
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    QTimer::singleShot(closeAfterMs, this, &QDialog::accept);
}

void CVerCheckDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

void CVerCheckDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) accept();
}

}  // namespace scx

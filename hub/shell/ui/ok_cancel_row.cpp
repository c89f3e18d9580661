#include "hub/shell/ui/ok_cancel_row.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace scx {

QHBoxLayout* MakeOkCancelRow(QDialog& dialog) {
    auto* ok = new QPushButton("확 인");
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton("취 소");
    cancel->setObjectName("cancel");
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}

}  // namespace scx

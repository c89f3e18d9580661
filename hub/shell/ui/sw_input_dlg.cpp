#include "hub/shell/ui/sw_input_dlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/prompter.h"
#include "hub/shell/ui/hub_services.h"
#include "hub/shell/ui/ok_cancel_row.h"

namespace scx {
namespace {

QLineEdit* MakeEdit(const char* name, int maxLength) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

}  // namespace

CSwInputDlg::CSwInputDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("프로그램 정보를 입력해 주세요.");
    company_ = MakeEdit("company", 50);
    program_ = MakeEdit("program", 100);
    price_ = MakeEdit("price", 9);
    price_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), price_));
    exeFile_ = MakeEdit("exeFile", 50);
    path_ = MakeEdit("path", 255);
    auto* group = new QGroupBox("저작권사명과 프로그램명은 필수 항목입니다");
    auto* form = new QFormLayout(group);
    form->addRow("저작권사명", company_);
    form->addRow("프로그램명", program_);
    form->addRow("가격", price_);
    form->addRow("실행파일명", exeFile_);
    form->addRow("설치 경로", path_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(MakeOkCancelRow(*this));
}

SwInput CSwInputDlg::Values() const {
    auto text = [](QLineEdit* edit) { return edit->text().trimmed().toStdString(); };
    return {text(company_), text(program_), text(price_), text(exeFile_), text(path_)};
}

void CSwInputDlg::accept() {
    for (QLineEdit* edit : {company_, program_, price_, exeFile_, path_}) edit->setText(edit->text().trimmed());
    if (company_->text().isEmpty()) {
        HubPrompter().ShowMessage("저작권사명을 입력해 주세요");
        company_->setFocus();
        return;
    }
    if (program_->text().isEmpty()) {
        HubPrompter().ShowMessage("프로그램명을 선택해 주세요");
        program_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace scx

#include "hub/shell/ui/user_dlg.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/prompter.h"
#include "hub/shell/ui/hub_services.h"
#include "hub/shell/ui/ok_cancel_row.h"

namespace scx {
namespace {

QLineEdit* MakeEdit(const char* name, int maxLength, const std::string& value) {
    auto* edit = new QLineEdit(QString::fromStdString(value == "-" ? std::string() : value));
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

}  // namespace

CUserDlg::CUserDlg(const IptUserInfo& info, QWidget* parent) : QDialog(parent) {
    setWindowTitle("사용자정보 입력");
    pcName_ = MakeEdit("pcName", 50, info.pcName);
    groupName_ = MakeEdit("groupName", 100, info.groupName);
    userName_ = MakeEdit("userName", 50, info.userName);
    brand_ = new QRadioButton("브랜드 PC");
    brand_->setObjectName("brandPc");
    assembled_ = new QRadioButton("조립 PC");
    assembled_->setObjectName("assembledPc");
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(brand_, 0);
    kinds->addButton(assembled_, 1);
    brand_->setChecked(info.pcKind == 0);
    assembled_->setChecked(info.pcKind == 1);

    auto* group = new QGroupBox("사용자 정보");
    auto* form = new QFormLayout(group);
    form->addRow("컴퓨터명", pcName_);
    form->addRow("회사(부서)명", groupName_);
    form->addRow("사용자명", userName_);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(brand_);
    kindRow->addWidget(assembled_);
    form->addRow("PC 종류", kindRow);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(MakeOkCancelRow(*this));
}

IptUserInfo CUserDlg::Values() const {
    IptUserInfo info;
    info.pcName = pcName_->text().trimmed().toStdString();
    info.groupName = groupName_->text().trimmed().toStdString();
    info.userName = userName_->text().trimmed().toStdString();
    info.pcKind = brand_->isChecked() ? 0 : assembled_->isChecked() ? 1 : -1;
    return info;
}

void CUserDlg::accept() {
    for (QLineEdit* edit : {pcName_, groupName_, userName_}) edit->setText(edit->text().trimmed());
    struct Check {
        bool failed;
        const char* message;
        QWidget* field;
    };
    const Check checks[] = {
        {pcName_->text().isEmpty(), "컴퓨터명을 입력해 주세요.", pcName_},
        {!brand_->isChecked() && !assembled_->isChecked(), "PC 종류를 선택해 주세요.", brand_},
        {groupName_->text().isEmpty(), "회사(부서)명을 입력해 주세요.", groupName_},
        {userName_->text().isEmpty(), "사용자명을 입력해 주세요.", userName_},
    };
    for (const Check& check : checks) {
        if (!check.failed) continue;
        HubPrompter().ShowMessage(check.message);
        check.field->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace scx

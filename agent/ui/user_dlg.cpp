#include "agent/ui/user_dlg.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "agent/identify/pc_identity.h"
#include "agent/ui/disk_tree.h"
#include "agent/ui/drag_area.h"
#include "agent/ui/gdip_button.h"
#include "core/text_util.h"

namespace scx {
namespace {

QLineEdit* NameEdit(const std::string& text, QWidget* parent) {
    auto* edit = new QLineEdit(QString::fromStdString(text), parent);
    edit->setMaxLength(100);
    edit->setAttribute(Qt::WA_InputMethodEnabled);
    return edit;
}

}  // namespace

CUserDlg::CUserDlg(const target::Target& target, Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), prompter_(prompter) {
    setObjectName("CUserDlg");
    info_.pcName = GetPcName(target);
    info_.ipAddress = GetPcAddress(target, info_.pcName);
    info_.userName = GetLogonUserName(target);
    info_.suffix = NowStamp(false);

    auto* title = new CDragArea(this);
    title->setObjectName("titleBar");
    title->setFixedHeight(44);
    auto* heading = new QLabel("사용자 정보를 입력해 주십시오", title);
    heading->setStyleSheet("color: white; font-size: 15px; font-weight: bold;");
    (new QHBoxLayout(title))->addWidget(heading);

    pcName_ = NameEdit(info_.pcName, this);
    pcName_->setReadOnly(true);
    pcName_->setObjectName("pcName");
    group_ = NameEdit({}, this);
    group_->setObjectName("groupName");
    user_ = NameEdit(info_.userName, this);
    user_->setObjectName("userName");
    suffix_ = NameEdit(info_.suffix, this);
    suffix_->setObjectName("suffix");
    brandPc_ = new QRadioButton("브랜드PC", this);
    brandPc_->setObjectName("brandPc");
    assembledPc_ = new QRadioButton("조립PC", this);
    assembledPc_->setObjectName("assembledPc");
    brandPc_->setChecked(true);
    disks_ = new CDiskTree(target, false, this);
    disks_->setObjectName("disks");

    auto* diskBox = new QGroupBox("대상 디스크", this);
    (new QVBoxLayout(diskBox))->addWidget(disks_);
    auto* userBox = new QGroupBox("사용자 정보", this);
    auto* form = new QFormLayout(userBox);
    form->addRow("컴퓨터명", pcName_);
    form->addRow("회사(부서)명", group_);
    form->addRow("사용자명", user_);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(brandPc_);
    kinds->addWidget(assembledPc_);
    kinds->addStretch();
    form->addRow("PC 종류", kinds);
    auto* name = new QHBoxLayout;
    name->addWidget(new QLabel("회사명_사용자명_", this));
    name->addWidget(suffix_);
    name->addWidget(new QLabel(".IPT", this));
    form->addRow("결과파일명", name);

    auto* ok = new CGdipButton("확인", ":/agent/button.png", {}, this);
    ok->setObjectName("ok");
    auto* cancel = new CGdipButton("취소", ":/agent/button.png", {}, this);
    cancel->setObjectName("cancel");
    connect(ok, &QAbstractButton::clicked, this, &CUserDlg::OnOk);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* body = new QHBoxLayout;
    body->addWidget(diskBox, 2);
    body->addWidget(userBox, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->addWidget(title);
    auto* inner = new QVBoxLayout;
    inner->setContentsMargins(12, 6, 12, 0);
    inner->addLayout(body);
    inner->addLayout(buttons);
    layout->addLayout(inner);
    resize(660, 330);

    for (QLineEdit* edit : {group_, user_}) {
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { OnNameEdited(edit); });
    }
    setTabOrder(group_, user_);
    group_->setFocus();
}

bool CUserDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == group_) focus_ = Focus::Group;
        if (watched == user_) focus_ = Focus::User;
    }
    return QDialog::eventFilter(watched, event);
}

void CUserDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return OnOk();
    QDialog::keyPressEvent(event);
}

void CUserDlg::OnNameEdited(QLineEdit* edit) {
    bool removed = false;
    std::string clean = scan::FilterName(edit->text().toStdString(), &removed);
    if (!removed) return;
    edit->setText(QString::fromStdString(clean));
    edit->end(false);
    prompter_.ShowMessage(scan::kNameFilterMessage);
}

void CUserDlg::OnOk() {
    // Spaces at both ends go, and the fields show what is taken.
    for (QLineEdit* edit : {pcName_, group_, user_, suffix_}) edit->setText(edit->text().trimmed());
    info_.pcName = pcName_->text().toStdString();
    info_.groupName = group_->text().toStdString();
    info_.userName = user_->text().toStdString();
    info_.suffix = suffix_->text().toStdString();
    info_.pcKind = brandPc_->isChecked() ? 0 : assembledPc_->isChecked() ? 1 : -1;
    if (focus_ == Focus::Group) {
        // Enter in the group name (or OK after it) moves on to the user name.
        user_->setFocus();
        user_->selectAll();
        focus_ = Focus::User;
        return;
    }
    info_.disks = disks_->CheckedDisks();
    switch (scan::CheckUserInfo(info_, prompter_)) {
    case scan::UserInfoCheck::Accepted: accept(); return;
    case scan::UserInfoCheck::GroupName: group_->setFocus(); return;
    case scan::UserInfoCheck::UserName: user_->setFocus(); return;
    case scan::UserInfoCheck::PcKind: brandPc_->setFocus(); return;
    case scan::UserInfoCheck::Disks: disks_->setFocus(); return;
    case scan::UserInfoCheck::Overwrite: return;
    }
}

}  // namespace scx

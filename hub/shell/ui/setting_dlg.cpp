#include "hub/shell/ui/setting_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace scx {

CSettingDlg::CSettingDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("환경설정");
    const InspectionOptions options = ReadInspectionOptions(OptionsReader::SettingDialog);
    const ResultPresets presets = ReadResultPresets(PresetsReader::SettingDialog);

    auto* optionsGroup = new QGroupBox("점검 옵션");
    auto* optionsLayout = new QVBoxLayout(optionsGroup);
    isDetail_ = AddCheck("IsDetail", "정밀점검", options.isDetail);
    isClose_ = AddCheck("IsClose", "점검 후 종료", options.isClose);
    isExist_ = AddCheck("IsExist", "중복처리", options.isExist);
    isFont_ = AddCheck("IsFont", "폰트검색", options.isFont);
    isFontOnly_ = AddCheck("IsFontOnly", "폰트만 검색", options.isFontOnly);
    straight_ = AddCheck("Straight", "Scrutinex Agent 실행시 바로 점검 시작", options.straight);
    packaging_ = AddCheck("Packaging", "점검 후 패키징", options.packaging);
    hashCompare_ = AddCheck("HashCompare", "Hash 비교", options.hashCompare);
    monitoringLog_ = AddCheck("MonitoringLog", "모니터링 로그 기록", options.monitoringLog);
    for (QCheckBox* box : {isDetail_, isClose_, isExist_, isFont_, isFontOnly_, straight_, packaging_, hashCompare_,
                           monitoringLog_})
        optionsLayout->addWidget(box);
    // Hidden options keep what was read.
    isFont_->setVisible(false);
    isFontOnly_->setVisible(false);
    monitoringLog_->setVisible(false);
    packaging_->setEnabled(!isClose_->isChecked());
    connect(isClose_, &QCheckBox::toggled, packaging_, [this](bool on) { packaging_->setEnabled(!on); });

    reguForm_ = AddList("ReguForm", {"(선택)", "상시", "신고", "고소/고발", "기타"}, presets.reguForm);
    area_ = AddList("Area",
                    {"(선택)", "강원", "경기", "경남", "경북", "광주", "대구", "대전", "부산", "서울", "세종", "울산",
                     "인천", "전남", "전북", "제주", "충남", "충북"},
                    presets.area);
    reguOrgan_ = AddList("ReguOrgan", {"(선택)", "검찰", "단속반", "경찰"}, presets.reguOrgan);
    regulator_ = new QLineEdit(QString::fromStdString(presets.regulator));
    regulator_->setObjectName("Regulator");
    regulator_->setMaxLength(static_cast<int>(kRegulatorMaxChars));
    baseInfo_ = new QGroupBox("점검결과 기본 정보");
    baseInfo_->setObjectName("baseInfo");
    auto* baseLayout = new QFormLayout(baseInfo_);
    baseLayout->addRow("단속형태 :", reguForm_);
    baseLayout->addRow("지역 :", area_);
    baseLayout->addRow("주관기관 :", reguOrgan_);
    baseLayout->addRow("단속자 :", regulator_);
    baseInfo_->setVisible(false);

    auto* save = new QPushButton("저 장");
    save->setObjectName("save");
    save->setDefault(true);
    auto* cancel = new QPushButton("취 소");
    cancel->setObjectName("cancel");
    connect(save, &QPushButton::clicked, this, &CSettingDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CSettingDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(optionsGroup);
    layout->addWidget(baseInfo_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QCheckBox* CSettingDlg::AddCheck(const char* name, const QString& caption, bool on) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    box->setChecked(on);
    return box;
}

QComboBox* CSettingDlg::AddList(const char* name, const QStringList& entries, int index) {
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    list->addItems(entries);
    list->setCurrentIndex(index >= 0 && index < entries.size() ? index : 0);
    return list;
}

void CSettingDlg::accept() {
    InspectionOptions options;
    options.isDetail = isDetail_->isChecked();
    options.isClose = isClose_->isChecked();
    options.isExist = isExist_->isChecked();
    options.isFont = isFont_->isChecked();
    options.isFontOnly = isFontOnly_->isChecked();
    options.straight = straight_->isChecked();
    options.packaging = packaging_->isChecked();
    options.hashCompare = hashCompare_->isChecked();
    options.monitoringLog = monitoringLog_->isChecked();
    ResultPresets presets;
    presets.reguForm = reguForm_->currentIndex();
    presets.area = area_->currentIndex();
    presets.reguOrgan = reguOrgan_->currentIndex();
    presets.regulator = regulator_->text().toStdString();
    WriteSettingDialogValues(options, presets);
    QDialog::accept();
}

}  // namespace scx

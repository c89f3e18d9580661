#pragma once
// "환경설정": the agent's inspection options of ScxSetting.ini. The font options and the group
// "점검결과 기본 정보" (the presets of new results) are hidden, but keep the values read and are
// written back unchanged.

#include <QDialog>

#include "core/settings/scx_setting.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;

namespace scx {

class CSettingDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSettingDlg(QWidget* parent = nullptr);

public slots:
    // 저 장: every key written, the examiner name trimmed; then closes.
    void accept() override;

private:
    QCheckBox* AddCheck(const char* name, const QString& caption, bool on);
    QComboBox* AddList(const char* name, const QStringList& entries, int index);

    QCheckBox* isDetail_;
    QCheckBox* isClose_;
    QCheckBox* isExist_;
    QCheckBox* isFont_;
    QCheckBox* isFontOnly_;
    QCheckBox* straight_;
    QCheckBox* packaging_;
    QCheckBox* hashCompare_;
    QCheckBox* monitoringLog_;
    QComboBox* reguForm_;
    QComboBox* area_;
    QComboBox* reguOrgan_;
    QLineEdit* regulator_;
    QGroupBox* baseInfo_;
};

}  // namespace scx

#pragma once
// "ScrutAgent 정보": the agent's name and version.

#include <QDialog>

namespace scx {

inline constexpr const char* kAgentProductName = "스크루티넥스2017 - 점검용";
inline constexpr const char* kAgentVersion = "8.1.0.0";

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace scx

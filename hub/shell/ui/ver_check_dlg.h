#pragma once
// The start-up picture: closes after two seconds or at a click anywhere on it; Enter and Esc do
// nothing. (Its text about checking for a new version stays hidden: no check takes place.)

#include <QDialog>

namespace scx {

class CVerCheckDlg : public QDialog {
    Q_OBJECT
public:
    explicit CVerCheckDlg(QWidget* parent = nullptr, int closeAfterMs = 2000);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace scx

#pragma once
// The database-update progress window of both programs: one status text per step, a progress bar
// over the steps 0 to 6, and nothing to press. It closes by itself one second after the last step,
// or with "인터넷 연결 상태를 확인해 주세요." when the database server cannot be reached.

#include <QDialog>
#include <memory>

#include "core/dbupdate/db_update_worker.h"

class QLabel;
class QProgressBar;

namespace scx {

class Prompter;

class CDbUpdateDlg : public QDialog {
    Q_OBJECT
public:
    // The two programs carry the same window under their own resources and initial text.
    enum class Variant { Workstation, Agent };

    CDbUpdateDlg(Variant variant, DbUpdateConfig config, CheckListDatabaseAccess& databases,
                 Prompter& prompter, QWidget* parent = nullptr);
    ~CDbUpdateDlg() override;

    // Tests the connection first: without it, shows the message and returns Rejected at once.
    // Otherwise runs the update modally; Accepted after the last step.
    int exec() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private slots:
    void ShowStep(int step);
    void EndWithoutConnection();

private:
    class Observer;
    void WaitForWorker();

    DbUpdateConfig config_;
    Prompter& prompter_;
    std::unique_ptr<Observer> observer_;
    DbUpdateWorker worker_;
    QLabel* status_;
    QProgressBar* progress_;
    bool ending_ = false;
};

// Resource numbers of the window and its two controls in each program.
struct DbUpdateDlgResources {
    int dialog, status, progress;
};
inline constexpr DbUpdateDlgResources kWorkstationDbUpdateDlg{310, 26689, 26685};
inline constexpr DbUpdateDlgResources kAgentDbUpdateDlg{153, 1016, 1015};

}  // namespace scx

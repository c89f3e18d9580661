#include "core/ui/db_update_dlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "core/prompter.h"

namespace scx {

// Hands the worker's reports to the window's thread and waits until the window has shown them, so
// the steps appear in order and one at a time.
class CDbUpdateDlg::Observer : public DbUpdateObserver {
public:
    explicit Observer(CDbUpdateDlg& dialog) : dialog_(dialog) {}
    void OnStep(int step, std::string_view) override {
        QMetaObject::invokeMethod(&dialog_, "ShowStep", Qt::BlockingQueuedConnection, Q_ARG(int, step));
    }
    void OnNoConnection() override {
        QMetaObject::invokeMethod(&dialog_, "EndWithoutConnection", Qt::QueuedConnection);
    }

private:
    CDbUpdateDlg& dialog_;
};

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CDbUpdateDlg::CDbUpdateDlg(Variant variant, DbUpdateConfig config, CheckListDatabaseAccess& databases,
                           Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      config_(std::move(config)),
      prompter_(prompter),
      observer_(std::make_unique<Observer>(*this)),
      worker_(databases),
      status_(new QLabel),
      progress_(new QProgressBar) {
    const bool workstation = variant == Variant::Workstation;
    const DbUpdateDlgResources& ids = workstation ? kWorkstationDbUpdateDlg : kAgentDbUpdateDlg;
    setWindowTitle("DB UPDATE");
    // No buttons and no close box: the window ends by itself.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setProperty("resourceId", ids.dialog);
    status_->setObjectName("status");
    status_->setProperty("resourceId", ids.status);
    status_->setText(workstation ? "DB 업데이트를 준비 중입니다" : "DB UPDATE를 준비 중입니다.");
    progress_->setObjectName("progress");
    progress_->setProperty("resourceId", ids.progress);
    progress_->setRange(0, kLastDbUpdateStep);
    progress_->setValue(0);
    progress_->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    QWidget* holder = this;
    if (workstation) {  // the workstation's window draws a frame around its two controls
        auto* frame = new QGroupBox;
        layout->addWidget(frame);
        holder = frame;
        new QVBoxLayout(frame);
    }
    holder->layout()->addWidget(status_);
    holder->layout()->addWidget(progress_);
    setMinimumWidth(320);
}

CDbUpdateDlg::~CDbUpdateDlg() { WaitForWorker(); }

int CDbUpdateDlg::exec() {
    if (!worker_.Start(config_, *observer_)) {
        prompter_.ShowMessage(kCheckConnectionText);
        return Rejected;
    }
    return QDialog::exec();
}

void CDbUpdateDlg::ShowStep(int step) {
    progress_->setValue(step);
    status_->setText(Text(DbUpdateStepText(step)));
    if (step < 0 || step > 5) {  // the completion text: the window ends a second later
        ending_ = true;
        QTimer::singleShot(1000, this, [this] {
            WaitForWorker();
            done(Accepted);
        });
    }
}

void CDbUpdateDlg::EndWithoutConnection() {
    ending_ = true;
    WaitForWorker();
    prompter_.ShowMessage(kCheckConnectionText);
    done(Rejected);
}

void CDbUpdateDlg::WaitForWorker() {
    // The worker may be waiting for this thread to show a step: keep showing them until it ends.
    while (worker_.IsRunning()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    worker_.Join();
}

void CDbUpdateDlg::keyPressEvent(QKeyEvent* event) {
    // Enter and Esc would end a dialog; this one ends only by itself.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDbUpdateDlg::closeEvent(QCloseEvent* event) {
    if (!ending_) event->ignore();
}

void CDbUpdateDlg::reject() {
    if (ending_) QDialog::reject();
}

}  // namespace scx

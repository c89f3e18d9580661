#include "hub/shell/ui/ipt_frame.h"

#include <QCloseEvent>

#include "hub/shell/ui/ipt_doc.h"
#include "hub/shell/ui/ipt_view.h"

namespace scx {

CIptFrame::CIptFrame(std::unique_ptr<CIptDoc> doc, CMainFrame& frame) : doc_(std::move(doc)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(356, 320);
    view_ = new CIptView(*doc_, frame);
    setWidget(view_);
    connect(doc_.get(), &CIptDoc::modifiedChanged, this, &CIptFrame::UpdateTitle);
    UpdateTitle();
}

CIptFrame::~CIptFrame() = default;

void CIptFrame::UpdateTitle() { setWindowTitle(doc_->Title()); }

void CIptFrame::closeEvent(QCloseEvent* event) {
    if (!doc_->CanClose()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace scx

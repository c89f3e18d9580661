#pragma once
// The document window of an IPT document: owns the document and shows its view; closing it runs
// the document's close prompt.

#include <QMdiSubWindow>
#include <memory>

namespace scx {

class CIptDoc;
class CIptView;
class CMainFrame;

class CIptFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CIptFrame(std::unique_ptr<CIptDoc> doc, CMainFrame& frame);
    ~CIptFrame() override;

    CIptDoc& Document() { return *doc_; }
    CIptView& View() { return *view_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void UpdateTitle();
    std::unique_ptr<CIptDoc> doc_;
    CIptView* view_;
};

}  // namespace scx

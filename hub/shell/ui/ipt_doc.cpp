#include "hub/shell/ui/ipt_doc.h"

#include <QFileInfo>

#include "core/folders.h"
#include "core/prompter.h"
#include "core/text_util.h"
#include "hub/shell/document_types.h"
#include "hub/shell/ipt_edit.h"
#include "hub/shell/ui/hub_services.h"
#include "hub/shell/ui/main_frame.h"
#include "hub/shell/ui/user_dlg.h"

namespace scx {

constexpr const char* kSaveFailed = "저장실패. 다시 시도해 주십시요.";

CIptDoc::CIptDoc(CMainFrame& frame) : frame_(frame), file_(std::make_unique<CFileIPT>()) {}
CIptDoc::~CIptDoc() = default;

bool CIptDoc::OnNewDocument(QWidget* dialogParent) {
    CUserDlg dialog(IptUserInfo{}, dialogParent);
    if (dialog.exec() != QDialog::Accepted) return false;
    InitNewIpt(*file_, dialog.Values());
    SetModified(true);
    return true;
}

bool CIptDoc::OnOpenDocument(const QString& path) {
    auto file = std::make_unique<CFileIPT>();
    if (!file->Load(path.toStdString(), true)) {
        HubPrompter().ShowMessage("Open Fail!!!");
        return false;
    }
    file_ = std::move(file);
    SetModified(false);
    return true;
}

void CIptDoc::SetModified(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

QString CIptDoc::Title() const {
    if (file_->GetPath().empty()) return QString::fromUtf8(kDocumentTypes[0].docName.data());
    return QFileInfo(QString::fromStdString(file_->GetPath())).fileName();
}

bool CIptDoc::DoSave() {
    if (!view_) {
        HubPrompter().ShowMessage("ERROR. 새로운 문서를 만들어 다시 시도하십시요.");
        return false;
    }
    if (file_->GetPath().empty() || !file_->IsLoaded()) return DoSaveAs();
    if (!file_->Save()) {
        HubPrompter().ShowMessage(kSaveFailed);
        return false;
    }
    SetModified(false);
    return true;
}

bool CIptDoc::DoSaveAs() {
    SaveFileRequest request;
    request.title = "다른이름 저장";
    request.folder = QString::fromStdString(GetCheckOutFolder("IPT"));
    request.proposedName = QString::fromStdString(DefaultIptSaveName(*file_));
    request.defaultSuffix = "ipt";
    request.filter = "IPT 문서 (*.ipt)";
    EnsureFolder(request.folder.toStdString());
    QString path = GetHubServices().chooseSaveFile(request);
    if (path.isEmpty()) return false;
    if (!file_->SaveAs(path.toStdString(), true)) {
        HubPrompter().ShowMessage(kSaveFailed);
        return false;
    }
    SetModified(false);
    frame_.RefreshFilePanes();
    if (!closing_) frame_.ReopenDocument(*this, path);
    return true;
}

bool CIptDoc::CanClose() {
    if (!modified_) return true;
    std::string question = Format("%s\n변경된 내용이 있습니다. 저장하시겠습니까?", file_->GetPath().c_str());
    switch (HubPrompter().AskYesNoCancel(question)) {
        case Prompter::Answer::Yes:
            closing_ = true;
            if (DoSave()) return true;
            closing_ = false;
            return false;
        case Prompter::Answer::No:
            return true;
        case Prompter::Answer::Cancel:
            return false;
    }
    return false;
}

}  // namespace scx

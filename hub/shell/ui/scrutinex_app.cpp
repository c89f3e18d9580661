#include "hub/shell/ui/scrutinex_app.h"

#include "core/folders.h"
#include "core/prompter.h"
#include "hub/shell/ui/hub_services.h"
#include "hub/shell/ui/look_style.h"
#include "hub/shell/ui/main_frame.h"
#include "hub/shell/ui/ver_check_dlg.h"

namespace scx {

CScrutinexApp::CScrutinexApp() = default;

CScrutinexApp::~CScrutinexApp() { ExitInstance(); }

bool CScrutinexApp::InitInstance(const Options& options) {
    lock_ = std::make_unique<SingleInstanceLock>(kHubInstanceName);
    if (!lock_->Acquire()) {
        HubPrompter().ShowMessage("이미 실행되고 있습니다.");
        return false;
    }
    EnsureCheckOutFolders(false);  // failures show later, where a folder is needed
    if (options.showSplash) CVerCheckDlg(nullptr, options.splashMs).exec();
    ApplyLook(ReadApplicationLook(ID_LOOK_DEFAULT));
    frame_ = std::make_unique<CMainFrame>();
    frame_->show();
    savedPageSetup_ = ReadPageSetup();
    pageSetupSaved_ = true;
    ApplyPropertyIni(GetProgramFolder() + "property.ini");
    return true;
}

void CScrutinexApp::ExitInstance() {
    frame_.reset();
    if (pageSetupSaved_) RestorePageSetup(savedPageSetup_);
    pageSetupSaved_ = false;
    lock_.reset();
}

}  // namespace scx

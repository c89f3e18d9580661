#pragma once
// The workstation program: start-up (one instance per user, the data folders, the start-up
// picture, the main frame, the page setup taken from property.ini) and exit (the page setup put
// back).

#include <memory>

#include "hub/shell/page_setup.h"
#include "hub/shell/single_instance.h"

namespace scx {

class CMainFrame;

class CScrutinexApp {
public:
    CScrutinexApp();
    ~CScrutinexApp();

    struct Options {
        bool showSplash = true;
        int splashMs = 2000;
    };
    // False when start-up ends early (another instance: "이미 실행되고 있습니다." is shown).
    bool InitInstance(const Options& options);
    // Puts the page setup back; the frame is gone afterwards.
    void ExitInstance();

    CMainFrame* MainFrame() const { return frame_.get(); }

private:
    std::unique_ptr<SingleInstanceLock> lock_;
    std::unique_ptr<CMainFrame> frame_;
    PageSetupValues savedPageSetup_;
    bool pageSetupSaved_ = false;
};

}  // namespace scx

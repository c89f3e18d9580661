#include "agent/scrutinex_agent_app.h"

#include "agent/app/single_instance.h"
#include "agent/ui/agent_shell.h"
#include "agent/ui/scrutinex_agent_dlg.h"
#include "core/folders.h"
#include "core/settings/profile_file.h"
#include "core/ui/message_prompter.h"
#include "platform/target/target.h"

namespace scx {

CScrutinexAgentApp::CScrutinexAgentApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("scxagent");
    setOrganizationName("Scrutinex");
    setQuitOnLastWindowClosed(false);  // the window hides to the tray; only quitting ends the program
}

std::vector<std::string> CScrutinexAgentApp::TargetNames(const QStringList& arguments) {
    std::vector<std::string> names;
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--target" && i + 1 < arguments.size()) names.push_back(arguments[++i].toStdString());
        else if (arguments[i].startsWith("--target=")) names.push_back(arguments[i].mid(9).toStdString());
    }
    if (names.empty()) {
        std::string configured = ReadProfileString("Agent", "Target", "", 0, GetSettingFilePath());
        if (!configured.empty()) names.push_back(configured);
    }
    return names;
}

int CScrutinexAgentApp::Run() {
    CMessagePrompter prompter;
    CAgentShell shell;
    return RunAgent(arguments(), prompter, shell);
}

int RunAgent(const QStringList& arguments, Prompter& prompter, CAgentShell& shell) {
    SingleInstanceLock lock(kAgentInstanceName);
    if (!lock.Acquire()) {
        prompter.ShowMessage(kAlreadyRunningMessage);
        return 1;
    }
    EnsureFolder(GetProgramFolder() + "CheckOut");
    std::string error;
    auto target = target::OpenTarget(CScrutinexAgentApp::TargetNames(arguments), &error);
    if (!target) {
        prompter.ShowMessage("점검 대상을 열 수 없습니다.\n" + error);
        return 1;
    }
    CScrutinexAgentDlg dialog(std::move(target), prompter, shell);
    return dialog.exec();
}

}  // namespace scx

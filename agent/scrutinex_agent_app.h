#pragma once
// The agent program: one per user (the lock "GzmL1963_Sgukt"), the data folders, the target to
// inspect, and the main window run until it ends.

#include <QApplication>
#include <string>
#include <vector>

namespace scx {

class CAgentShell;
class Prompter;

// Start-up and the main window's run: the lock, the data folders, the target, the window. The
// program's exit status (see Run).
int RunAgent(const QStringList& arguments, Prompter& prompter, CAgentShell& shell);

class CScrutinexAgentApp : public QApplication {
    Q_OBJECT
public:
    CScrutinexAgentApp(int& argc, char** argv);
    // The program's exit status: the main window's (18 when the operator quit), 1 when another
    // agent runs or the target cannot be opened.
    int Run();

    // The target names: --target NAME (repeatable) from the command line, else Target of section
    // Agent in ScxSetting.ini, else none (the automatic choice).
    static std::vector<std::string> TargetNames(const QStringList& arguments);
};

}  // namespace scx

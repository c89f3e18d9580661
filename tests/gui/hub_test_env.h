#pragma once
// What the workstation's window tests share: a fresh data folder with its own per-user registry
// file and lock folder, a scripted prompter and file chooser in place of the boxes, and answering
// the next modal window.

#include <QApplication>
#include <QThread>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "core/docs/file_ipt.h"
#include "core/folders.h"
#include "hub/shell/ipt_edit.h"
#include "hub/shell/ui/hub_services.h"
#include "platform/folders.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_home.h"

namespace scx::test {

class HubHome {
public:
    explicit HubHome(std::deque<Prompter::Answer> answers = {}) : prompter(std::move(answers)) {
        platform::MakeFolder(home.Path() + "config");
        platform::MakeFolder(home.Path() + "run");
        setenv("XDG_CONFIG_HOME", (home.Path() + "config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (home.Path() + "run").c_str(), 1);
        saved_ = GetHubServices();
        GetHubServices().prompter = &prompter;
        GetHubServices().chooseSaveFile = [this](const SaveFileRequest& request) {
            saveRequests.push_back(request);
            return request.folder + request.proposedName + "." + request.defaultSuffix;
        };
    }
    ~HubHome() { GetHubServices() = saved_; }

    TempHome home;
    ScriptedPrompter prompter;
    std::vector<SaveFileRequest> saveRequests;

private:
    HubServices saved_;
};

// Modal windows shown now; each runs its own event loop once it is up.
inline int ShownModalCount() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->isModal()) ++count;
    return count;
}

// Runs `act` on the next modal window once its event loop runs. A timer may fire while the window
// is being shown, before exec() has started its loop: an answer given then (accept, reject) would
// end no loop, and exec() would wait for ever. So the answer waits until the loops nest as deep
// as the modal windows shown.
inline void WhenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, qApp, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || QThread::currentThread()->loopLevel() < ShownModalCount()) return WhenModal(act);
        act(modal);
    });
}

// A #SWLIST row text of GUBUN `gubun` for the program (the other columns plain values).
inline std::string SwRowText(const std::string& gubun, const std::string& company, const std::string& program) {
    return gubun + "\t0\t-\t-\t-\t-\ta.exe\t" + company + "\t" + program + "\t1000\tC:\\A\\\t-\t-\t0\t-\t-\t-\t-\t-";
}

// An .ipt file in CheckOut/IPT with the user 총무팀 / 사용자1 and the given #SWLIST rows; its path.
inline std::string WriteIptRows(const std::string& name, const std::vector<std::string>& rows) {
    EnsureCheckOutFolders(false);
    CFileIPT file;
    InitNewIpt(file, {"총무팀", "PC-01", "사용자1", 0});
    for (const std::string& row : rows) file.SwList().AddRowText(row, "\t");
    std::string path = GetCheckOutFolder("IPT") + name;
    file.SaveAs(path, true);
    return path;
}

// An .ipt file in CheckOut/IPT with the user 총무팀 / 사용자1 and one typed-in program per name
// ("Company/Program"); returns its path.
inline std::string WriteIptFile(const std::string& name, const std::vector<std::string>& programs) {
    EnsureCheckOutFolders(false);
    CFileIPT file;
    InitNewIpt(file, {"총무팀", "PC-01", "사용자1", 0});
    ScriptedPrompter quiet;
    for (const std::string& program : programs) {
        size_t slash = program.find('/');
        AddDirectInput(file, {program.substr(0, slash), program.substr(slash + 1), "1000", "a.exe", "C:\\A"}, quiet);
    }
    std::string path = GetCheckOutFolder("IPT") + name;
    file.SaveAs(path, true);
    return path;
}

}  // namespace scx::test

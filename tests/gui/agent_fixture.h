#pragma once
// What the agent's window tests share: a fresh data folder with the sample checklist database, a
// sample PC as a Wine prefix, a scripted prompter and desktop, and waiting for a modal window.

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "agent/ui/agent_shell.h"
#include "core/db/checklist_database.h"
#include "core/dbupdate/daily_check.h"
#include "core/settings/profile_file.h"
#include "core/settings/scx_setting.h"
#include "platform/target/target.h"
#include "tests/support/pe_writer.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/target_builder.h"
#include "tests/support/temp_home.h"
#include "tests/support/test_http_server.h"

namespace scx::test {

// Answers the desktop's choosers from lists and records what was opened.
class ScriptedShell : public CAgentShell {
public:
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&, bool) override {
        return Next(saveNames);
    }
    QString OpenFileName(QWidget*, const QString&, const QString&) override { return Next(openNames); }
    QString FolderName(QWidget*, const QString&) override { return Next(folders); }
    bool OpenUrl(const QUrl& url) override {
        opened << url.toString();
        return true;
    }
    bool StartProgram(const QString& path) override {
        started << path;
        return true;
    }

    std::deque<QString> saveNames, openNames, folders;
    QStringList opened, started;

private:
    static QString Next(std::deque<QString>& list) {
        if (list.empty()) return {};
        QString next = list.front();
        list.pop_front();
        return next;
    }
};

inline std::string Exe(const char* company, const char* product, const char* version, const char* original) {
    return BuildPeImage({{"CompanyName", company},
                         {"ProductName", product},
                         {"FileVersion", version},
                         {"ProductVersion", version},
                         {"OriginalFilename", original}});
}

class AgentFixture {
public:
    AgentFixture() {
        config_ = home.File("config");
        setenv("XDG_CONFIG_HOME", config_.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", home.Path().c_str(), 1);
        ReleaseCheckListDatabase();
        for (auto file : {CheckListFile::Window, CheckListFile::Font, CheckListFile::User, CheckListFile::Package,
                          CheckListFile::Filter})
            WriteBytes(home.File(CheckListFileName(file)), SampleDatabaseFile(CheckListFileName(file)));
        // No update at start-up unless a test asks for one.
        WriteUpdateFlag("N");
        WriteLatestUpdateDate(TodayText());

        pc.SetWindows10Pro("SALES-PC");
        pc.AddFile("C:\\Program Files\\Acme\\Office17\\word.exe",
                   Exe("Acme Corporation", "Acme Word", "17.0.10000.2000", "WORD.EXE"));
        pc.AddFile("C:\\Program Files\\Acme\\Office17\\sheet.exe",
                   Exe("Acme Corporation", "Acme Sheet", "17.0.10000.2000", "SHEET.EXE"));
        pc.AddFile("C:\\Program Files\\Orion\\photocraft.exe", Exe("Orion Graphics", "PhotoCraft", "8.2.1", "PhotoCraft.exe"));
        pc.AddFile("C:\\Program Files\\Orion\\vectorcraft.exe",
                   Exe("Orion Graphics", "VectorCraft", "8.0.5", "VectorCraft.exe"));
        targetName = "wine:" + pc.WriteWinePrefix();
    }
    ~AgentFixture() { ReleaseCheckListDatabase(); }

    std::unique_ptr<target::Target> Target() const {
        std::string error;
        return target::OpenTarget({targetName}, &error);
    }
    static void Set(const char* key, const char* value) {
        WriteProfileString(kSettingSection, key, value, GetSettingFilePath());
    }

    TempHome home;
    TargetBuilder pc;
    std::string targetName;
    ScriptedPrompter prompter;
    ScriptedShell shell;

private:
    std::string config_;
};

// Runs `action` on the first modal window of type T once it is up (polling, so it works from
// inside the nested loop of an exec); gives up after 20 s.
template <class T>
void WhenModal(std::function<void(T*)> action) {
    auto* clock = new QElapsedTimer;
    clock->start();
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window && clock->elapsed() < 20000) return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (window) action(window);
    });
    timer->start(10);
}

}  // namespace scx::test

// scx update [--host HOST[:PORT]] [--daily]: fetches the five checklist database files from the
// database server into the data folder, keeping each previous file as ".bak", with the update's
// step texts as progress.

#include <iostream>

#include "cli/server_option.h"
#include "core/dbupdate/checklist_database_files.h"
#include "core/dbupdate/daily_check.h"
#include "core/dbupdate/db_update_worker.h"

namespace scx::cli {
namespace {

// Prints each step as the worker reports it, and names the files that were not replaced.
class PrintingObserver : public DbUpdateObserver {
public:
    void OnStep(int step, std::string_view text) override {
        std::cout << "[" << step << "/" << kLastDbUpdateStep << "] " << text << std::endl;
    }
    void OnNoConnection() override { noConnection = true; }
    void OnFileDone(const DbFileInfo& file, DownloadOutcome outcome, std::string_view detail) override {
        if (outcome == DownloadOutcome::Replaced) return;
        std::cerr << "scx update: " << CheckListFileName(file.file) << ": " << DownloadOutcomeText(outcome);
        if (!detail.empty()) std::cerr << " (" << PrintableText(detail) << ")";
        std::cerr << "\n";
    }
    bool noConnection = false;
};

class UpdateCommand : public Command {
public:
    std::string_view Name() const override { return "update"; }
    std::string_view Description() const override {
        return "download the checklist database files from the database server";
    }
    std::string_view Usage() const override {
        return "[--host HOST[:PORT]] [--daily]\n"
               "Fetches windowchecklist, package, filter, userchecklist and fontchecklist.dat into\n"
               "the data folder; each previous file is kept as NAME.bak. A file that fails to\n"
               "download or is not a valid database file leaves the local copy as it was.\n"
               "  --host    the database server (default: ChecklistHost of [Server] in ScxSetting.ini)\n"
               "  --daily   the agent's start-up check: update only when UpdateFlag and\n"
               "            LatestUpdateDate of ScxSetting.ini say an update is due today\n"
               "Exit status 1 when the server cannot be reached or a file was not replaced.";
    }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv, {"--daily"}, {"--host"});
        if (!args.ok()) return UsageError(*this, args.error());
        if (!args.Positionals().empty()) return UsageError(*this, "unexpected argument " + args.Positionals()[0]);
        int exitCode = kExitOk;
        auto server = ServerFromArgs(*this, args, ReadChecklistHost(), "ChecklistHost", exitCode);
        if (!server) return exitCode;
        DbUpdateConfig config = DbUpdateConfigFromSettings();
        config.server = *server;
        if (!args.Has("--daily")) return RunUpdate(config);
        bool ran = RunDailyUpdateCheck(TodayText(), [&] { exitCode = RunUpdate(config); });
        if (!ran) std::cout << "no update due today\n";
        return exitCode;
    }

private:
    int RunUpdate(const DbUpdateConfig& config) {
        CheckListDatabaseFiles databases;
        DbUpdateWorker worker(databases);
        PrintingObserver observer;
        if (!worker.Start(config, observer))
            return Failure(*this, std::string(kCheckConnectionText) + " (" + config.server.Authority() + ")");
        worker.Join();
        if (observer.noConnection)
            return Failure(*this, std::string(kCheckConnectionText) + " (" + config.server.Authority() + ")");
        return worker.Summary().AllReplaced() ? kExitOk : kExitFailure;
    }
};

}  // namespace

std::unique_ptr<Command> MakeUpdateCommand() { return std::make_unique<UpdateCommand>(); }

}  // namespace scx::cli

// scx add-ipt RST IPT...: "점검결과추가" without a window.

#include <iostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/document_args.h"
#include "cli/terminal_prompter.h"
#include "core/db/checklist_database.h"
#include "hub/result/result_commands.h"
#include "hub/shell/aggregation_run.h"
#include "platform/folders.h"

namespace scx::cli {
namespace {

class AddIptCommand : public Command {
public:
    std::string_view Name() const override { return "add-ipt"; }
    std::string_view Description() const override {
        return "add inspection results (.ipt) to a result (.rst), moving them into CheckOut/IPT";
    }
    std::string_view Usage() const override {
        return "RST [--no-packages] [--yes|--no] IPT...\n"
               "RST: a path, or a file name in CheckOut/RST. Each IPT file is moved into CheckOut/IPT\n"
               "(skipped when a file of that name is there) and added, folding packages with\n"
               "package.dat unless --no-packages; the result is sorted, its PC count updated, saved.\n"
               "--yes / --no answer every question (default: ask on the terminal).";
    }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv, {"--yes", "--no", "--no-packages"}, {});
        if (!args.ok()) return UsageError(*this, args.error());
        std::string error;
        TerminalPrompter prompter(AnswerMode(args, error));
        if (!error.empty()) return UsageError(*this, error);
        const auto& pos = args.Positionals();
        if (pos.size() < 2) return UsageError(*this, "expected RST and at least one IPT");
        std::vector<std::string> chosen;
        for (size_t i = 1; i < pos.size(); ++i) {
            if (!platform::FileExists(pos[i])) return Failure(*this, pos[i] + ": no such file");
            chosen.push_back(AbsolutePath(pos[i]));
        }

        CFileRST result;
        std::string path = DocumentPath(pos[0], "RST");
        if (!result.Load(path, true)) return Failure(*this, path + ": cannot be read as a result");
        std::shared_ptr<const CFilePackage> packages;
        if (!args.Has("--no-packages")) {
            packages = GetPackageList();
            if (!packages && prompter.AskYesNo(kAskStopWithoutPackages))
                return Failure(*this, "stopped: no package file");
        }

        InspectionFileMove move = MoveIntoInspectionFolder(chosen);
        for (const auto& file : move.skipped)
            std::cerr << file << ": skipped, a file of that name is already in CheckOut/IPT\n";
        for (const auto& file : move.failed) std::cerr << file << ": cannot be moved into CheckOut/IPT\n";
        int completed = AddInspectionResults(result, move.moved, packages.get(), prompter);
        if (!result.Save()) return Failure(*this, "cannot write " + path);
        std::cout << path << ": " << move.moved.size() << " added, " << result.UserInfo().GetRowCount()
                  << " PCs, " << result.SwList().GetRowCount() << " software\n";
        return completed ? kExitOk : Failure(*this, "stopped; the files added before were saved");
    }
};

}  // namespace

std::unique_ptr<Command> MakeAddIptCommand() { return std::make_unique<AddIptCommand>(); }

}  // namespace scx::cli

// scx merge RST OTHER.rst...: "취합파일병합" without a window.

#include <iostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/document_args.h"
#include "cli/terminal_prompter.h"
#include "hub/result/result_commands.h"

namespace scx::cli {
namespace {

class MergeCommand : public Command {
public:
    std::string_view Name() const override { return "merge"; }
    std::string_view Description() const override {
        return "merge other results (.rst) into a result; the others stay as they are";
    }
    std::string_view Usage() const override {
        return "RST [--yes|--no] OTHER.rst...\n"
               "RST: a path, or a file name in CheckOut/RST. The result is sorted, its PC count\n"
               "updated and saved. --yes / --no answer every question (default: ask on the terminal).";
    }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv, {"--yes", "--no"}, {});
        if (!args.ok()) return UsageError(*this, args.error());
        std::string error;
        TerminalPrompter prompter(AnswerMode(args, error));
        if (!error.empty()) return UsageError(*this, error);
        const auto& pos = args.Positionals();
        if (pos.size() < 2) return UsageError(*this, "expected RST and at least one OTHER.rst");

        CFileRST result;
        std::string path = DocumentPath(pos[0], "RST");
        if (!result.Load(path, true)) return Failure(*this, path + ": cannot be read as a result");
        std::vector<std::string> others;
        for (size_t i = 1; i < pos.size(); ++i) others.push_back(AbsolutePath(pos[i]));
        int completed = MergeResultFiles(result, others, prompter);
        if (!result.Save()) return Failure(*this, "cannot write " + path);
        std::cout << path << ": " << result.UserInfo().GetRowCount() << " PCs, "
                  << result.SwList().GetRowCount() << " software, " << result.PcHistory().GetRowCount()
                  << " install records\n";
        return completed ? kExitOk : Failure(*this, "stopped; the results merged before were saved");
    }
};

}  // namespace

std::unique_ptr<Command> MakeMergeCommand() { return std::make_unique<MergeCommand>(); }

}  // namespace scx::cli

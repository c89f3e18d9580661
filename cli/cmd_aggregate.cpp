// scx aggregate -o OUT.tls IPT...: the aggregation run without its window.

#include <iostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/document_args.h"
#include "cli/terminal_prompter.h"
#include "hub/shell/aggregation_run.h"
#include "platform/folders.h"

namespace scx::cli {
namespace {

// Progress as plain lines: one per file.
class LineReporter : public AggregationReporter {
public:
    void Status(std::string_view text) override { last = text; }
    void Progress(int index, int count, std::string_view name) override {
        std::cerr << CountLabel(index, count) << " (" << PercentLabel(index, count) << ") " << name << "\n";
    }
    std::string last;
};

class AggregateCommand : public Command {
public:
    std::string_view Name() const override { return "aggregate"; }
    std::string_view Description() const override {
        return "merge inspection results (.ipt) into a total list (.tls), folding packages";
    }
    std::string_view Usage() const override {
        return "-o OUT.tls [--no-packages] [--yes|--no] IPT...\n"
               "IPT: a path, or a file name in CheckOut/IPT. Components are folded into packages\n"
               "with package.dat of the data folder unless --no-packages.\n"
               "--yes / --no answer every question (default: ask on the terminal).";
    }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv, {"--yes", "--no", "--no-packages"}, {"-o"});
        if (!args.ok()) return UsageError(*this, args.error());
        std::string error;
        TerminalPrompter prompter(AnswerMode(args, error));
        if (!error.empty()) return UsageError(*this, error);
        auto out = args.Value("-o");
        if (!out) return UsageError(*this, "expected -o OUT.tls");
        if (args.Positionals().empty()) return UsageError(*this, "expected at least one IPT");

        AggregationRequest request;
        request.usePackages = !args.Has("--no-packages");
        if (request.usePackages && !GoOnWithoutPackageFile(prompter))
            return Failure(*this, "stopped: no package file");
        for (const auto& name : args.Positionals())
            request.names.push_back(platform::FileExists(name) ? AbsolutePath(name) : name);
        request.targetPath = AbsolutePath(*out);

        std::atomic<int> running{1};
        LineReporter reporter;
        if (RunAggregation(request, running, reporter, prompter) != AggregationMessage::Finished)
            return Failure(*this, reporter.last == "저장실패" ? "cannot write " + request.targetPath
                                                             : std::string("stopped; nothing written"));
        std::cout << reporter.last << ": " << request.targetPath << "\n";
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeAggregateCommand() { return std::make_unique<AggregateCommand>(); }

}  // namespace scx::cli

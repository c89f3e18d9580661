// scx report RST [--pc] [--columns LIST] [-o DIR]: the report dialog's page without a window.

#include <iostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/document_args.h"
#include "cli/result_rows.h"
#include "cli/terminal_prompter.h"
#include "hub/report/usage_report.h"

namespace scx::cli {
namespace {

class ReportCommand : public Command {
public:
    std::string_view Name() const override { return "report"; }
    std::string_view Description() const override {
        return "write the usage report of a result (.rst) per software, or per PC with --pc, as HTML";
    }
    std::string_view Usage() const override {
        return "RST [--pc] [--columns LIST] [-o DIR]\n"
               "RST: a path, or a file name in CheckOut/RST. Writes \"SW별 사용현황.html\" (or with --pc\n"
               "\"PC별 사용현황.html\") into DIR (default: CheckOut/RST) and prints its path.\n"
               "--columns: the columns to show, by number from 0, as 0,2,3 (default: the dialog's):\n"
               "  SW: 0 순번, 1 유형(비상용포함), 2 SW명, 3 저작사, 4 설치, 5 정품, 6 복제, 7 소비자가, 8 비고\n"
               "  PC: 0 회사(부서)명, 1 사용자, 2 유형(비상용포함), 3 SW명, 4 저작사, 5 제품시리얼, 6 소비자가";
    }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv, {"--pc"}, {"--columns", "-o"});
        if (!args.ok()) return UsageError(*this, args.error());
        if (args.Positionals().size() != 1) return UsageError(*this, "expected one RST");
        UsageReportKind kind = args.Has("--pc") ? UsageReportKind::kPc : UsageReportKind::kSoftware;
        ReportLayout layout = DefaultReportLayout(kind);
        if (auto columns = args.Value("--columns")) {
            std::string error;
            auto shown = ParseRowList(*columns, static_cast<int>(layout.flags.size()), error);
            if (!shown) return UsageError(*this, "--columns: " + error);
            layout.flags.assign(layout.flags.size(), false);
            for (int column : *shown) layout.flags[column] = true;
        }

        CFileRST result;
        std::string path = DocumentPath(args.Positionals()[0], "RST");
        if (!result.Load(path, true)) return Failure(*this, path + ": cannot be read as a result");
        TerminalPrompter prompter(TerminalPrompter::Mode::AlwaysNo);
        std::string folder = args.Value("-o") ? AbsolutePath(*args.Value("-o")) : std::string();
        std::string written = WriteUsageReport(kind, result, layout.flags, prompter, folder);
        if (written.empty()) return Failure(*this, std::string(kReportFailed));
        std::cout << written << "\n";
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeReportCommand() { return std::make_unique<ReportCommand>(); }

}  // namespace scx::cli

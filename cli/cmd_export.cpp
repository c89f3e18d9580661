// scx export RST --per-sw|--per-pc [--rows LIST] -o DIR: the result view's "엑셀 저장" without a
// window.

#include <iostream>
#include <numeric>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/document_args.h"
#include "cli/result_rows.h"
#include "cli/terminal_prompter.h"
#include "core/folders.h"
#include "hub/report/install_export.h"

namespace scx::cli {
namespace {

class ExportCommand : public Command {
public:
    std::string_view Name() const override { return "export"; }
    std::string_view Description() const override {
        return "export the install records of a result (.rst) per software or per PC as a spreadsheet (.xls)";
    }
    std::string_view Usage() const override {
        return "RST --per-sw|--per-pc [--rows LIST] -o DIR\n"
               "RST: a path, or a file name in CheckOut/RST. Writes \"SW별 설치내역_<date and time>.xls\"\n"
               "(--per-sw) or \"PC별 설치내역_<date and time>.xls\" (--per-pc) into DIR (made when missing)\n"
               "and prints its path; "
               "an existing file is never replaced (a second export in the same second ends in _2.xls).\n"
               "--rows: #SWLIST (--per-sw) or #USERINFO (--per-pc) rows from 0, as 3,7,12 (default: all).";
    }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv, {"--per-sw", "--per-pc"}, {"--rows", "-o"});
        if (!args.ok()) return UsageError(*this, args.error());
        if (args.Has("--per-sw") == args.Has("--per-pc")) return UsageError(*this, "expected --per-sw or --per-pc");
        auto out = args.Value("-o");
        if (!out) return UsageError(*this, "expected -o DIR");
        if (args.Positionals().size() != 1) return UsageError(*this, "expected one RST");
        InstallExportKind kind = args.Has("--per-sw") ? InstallExportKind::kPerSoftware : InstallExportKind::kPerPc;

        CFileRST result;
        std::string path = DocumentPath(args.Positionals()[0], "RST");
        if (!result.Load(path, true)) return Failure(*this, path + ": cannot be read as a result");
        int count = kind == InstallExportKind::kPerSoftware ? result.SwList().GetRowCount()
                                                             : result.UserInfo().GetRowCount();
        std::vector<int> rows(static_cast<size_t>(count));
        std::iota(rows.begin(), rows.end(), 0);
        if (auto list = args.Value("--rows")) {
            std::string error;
            auto chosen = ParseRowList(*list, count, error);
            if (!chosen) return UsageError(*this, "--rows: " + error);
            rows = *chosen;
        }
        // Unlike the folder chooser of the windows, -o may name a folder still to be made.
        std::string folder = AbsolutePath(*out);
        if (!EnsureFolder(folder + "/")) return Failure(*this, "cannot make the folder " + folder);
        TerminalPrompter prompter(TerminalPrompter::Mode::AlwaysNo);
        std::string written = ExportInstallRecords(kind, result, rows, folder, prompter);
        if (written.empty()) return kExitFailure;  // the prompter has said why
        std::cout << written << "\n";
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeExportCommand() { return std::make_unique<ExportCommand>(); }

}  // namespace scx::cli

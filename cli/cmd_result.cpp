// scx result -o OUT.rst TLS [--mark default|all|ROWS]: "결과작성" without a window.

#include <algorithm>
#include <iostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/document_args.h"
#include "core/text_util.h"
#include "hub/result/result_creation.h"

namespace scx::cli {
namespace {

class ResultCommand : public Command {
public:
    std::string_view Name() const override { return "result"; }
    std::string_view Description() const override {
        return "create a result (.rst) from the marked software of a total list (.tls)";
    }
    std::string_view Usage() const override {
        return "-o OUT.rst TLS [--mark default|all|ROWS]\n"
               "TLS: a path, or a file name in CheckOut/TLS.\n"
               "--mark default: what a fresh total-list window marks (shown rows whose GUBUN is not 2);\n"
               "       all: every shown row (GUBUN not 99); ROWS: #SWLIST row numbers from 0, as 3,7,12.";
    }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv, {}, {"-o", "--mark"});
        if (!args.ok()) return UsageError(*this, args.error());
        auto out = args.Value("-o");
        if (!out) return UsageError(*this, "expected -o OUT.rst");
        if (args.Positionals().size() != 1) return UsageError(*this, "expected one TLS");

        CFileTLS total;
        std::string path = DocumentPath(args.Positionals()[0], "TLS");
        if (!total.Load(path, true)) return Failure(*this, path + ": cannot be read as a total list");

        std::vector<int> marked;
        std::string mark = args.Value("--mark").value_or("default");
        if (mark == "default") {
            marked = DefaultMarkedRows(total);
        } else if (mark == "all") {
            marked = ShownSoftwareRows(total);
        } else {
            std::vector<int> shown = ShownSoftwareRows(total);
            for (const auto& field : SplitFields(mark, ",")) {
                long long row = ParseDigits(field);
                if (row < 0 || std::find(shown.begin(), shown.end(), row) == shown.end())
                    return UsageError(*this, "--mark: " + field + " is not a shown #SWLIST row");
                marked.push_back(static_cast<int>(row));
            }
        }
        if (marked.empty()) return Failure(*this, std::string(kNothingMarked));

        CFileRST result;
        InitNewResult(result);
        FillResultFromTotalList(total, marked, result);
        std::string target = AbsolutePath(*out);
        if (!result.SaveAs(target, true)) return Failure(*this, "cannot write " + target);
        std::cout << target << ": " << result.UserInfo().GetRowCount() << " PCs, "
                  << result.SwList().GetRowCount() << " software, " << result.PcHistory().GetRowCount()
                  << " install records\n";
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeResultCommand() { return std::make_unique<ResultCommand>(); }

}  // namespace scx::cli

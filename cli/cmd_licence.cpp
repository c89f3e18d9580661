// scx licence RST [--set PRODUCT=N]... [--set-row ROW=N]...: "정품수량", the licence counts of a
// result, entered as the examiner enters them in the result view, and the counts listed.

#include <iostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/document_args.h"
#include "core/docs/record_fields.h"
#include "core/text_util.h"
#include "hub/result/licence_count.h"

namespace scx::cli {
namespace {

using namespace scx::fields;

// "NAME=N" split at its last "=", N all digits.
bool SplitAssignment(const std::string& text, std::string& name, long long& count) {
    size_t eq = text.rfind('=');
    if (eq == std::string::npos || eq == 0) return false;
    name = text.substr(0, eq);
    count = ParseDigits(std::string_view(text).substr(eq + 1));
    return eq + 1 < text.size() && count >= 0;
}

void PrintCounts(CFileRST& result) {
    std::cout << "ROW\tCOMPANY\tPRODUCT\t설치\t정품\t복제\t복제율(%)\n";
    for (int k = 0; k < result.SwList().GetRowCount(); ++k) {
        const Row& sw = *result.SwList().GetRow(k);
        long long install = ParseDigits(sw[kSwInstallCnt]);
        long long licence = ParseDigits(sw[kSwRightCnt]);
        std::cout << k << "\t" << sw[kSwCompany] << "\t" << sw[kSwProduct] << "\t" << install << "\t" << licence
                  << "\t" << install - licence << "\t" << CopyRatioText(install, licence) << "\n";
    }
    LicenceTotals totals = SumLicenceCounts(result);
    std::cout << Format("합계: PC %d대, SW %d종, 설치 %lld, 정품 %lld, 복제 %lld, 복제율 %.2f%%\n", totals.pcs,
                        totals.software, totals.installs, totals.licences, totals.copies(), totals.copyRatio());
}

class LicenceCommand : public Command {
public:
    std::string_view Name() const override { return "licence"; }
    std::string_view Description() const override {
        return "enter the licence counts (정품수량) of a result's software and list its counts";
    }
    std::string_view Usage() const override {
        return "RST [--set PRODUCT=N]... [--set-row ROW=N]...\n"
               "RST: a path, or a file name in CheckOut/RST. --set gives software PRODUCT (its name as\n"
               "listed, any letter case; it must name one row) N licences, --set-row the #SWLIST row ROW\n"
               "(from 0). A count above the install count is lowered to it (\"설치 수량만큼만 입력됩니다..\").\n"
               "The result is saved when a count was given. Then every software is listed with its\n"
               "install, licence and copy counts and copy ratio, and a line of totals.";
    }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv, {}, {"--set", "--set-row"});
        if (!args.ok()) return UsageError(*this, args.error());
        if (args.Positionals().size() != 1) return UsageError(*this, "expected one RST");
        CFileRST result;
        std::string path = DocumentPath(args.Positionals()[0], "RST");
        if (!result.Load(path, true)) return Failure(*this, path + ": cannot be read as a result");

        // Every entry is checked before any is stored, so a mistyped one changes nothing.
        std::vector<std::pair<int, long long>> entries;
        for (const auto& text : args.Values("--set")) {
            std::string product;
            long long count = 0;
            if (!SplitAssignment(text, product, count)) return UsageError(*this, "--set: expected PRODUCT=N, got " + text);
            std::vector<int> rows;
            for (int k = 0; k < result.SwList().GetRowCount(); ++k)
                if (IsSameText((*result.SwList().GetRow(k))[kSwProduct], product, true)) rows.push_back(k);
            if (rows.empty()) return UsageError(*this, "--set: no software named " + product);
            if (rows.size() > 1)
                return UsageError(*this, "--set: " + product + " names several rows; use --set-row");
            entries.emplace_back(rows[0], count);
        }
        for (const auto& text : args.Values("--set-row")) {
            std::string row;
            long long count = 0;
            long long index = -1;
            if (SplitAssignment(text, row, count)) index = ParseDigits(row);
            if (index < 0 || index >= result.SwList().GetRowCount())
                return UsageError(*this, "--set-row: expected ROW=N with a #SWLIST row, got " + text);
            entries.emplace_back(static_cast<int>(index), count);
        }
        for (const auto& [row, count] : entries)
            if (SetLicenceCount(result, row, count) < count)
                std::cerr << (*result.SwList().GetRow(row))[kSwProduct] << ": " << kLicenceClampedMessage << "\n";
        if (!entries.empty() && !result.Save()) return Failure(*this, "cannot write " + path);
        PrintCounts(result);
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeLicenceCommand() { return std::make_unique<LicenceCommand>(); }

}  // namespace scx::cli

// One job of the report benchmark, timed in a process of its own: generating a large result,
// only loading it, or loading it and then writing both usage reports (the time of the reports
// alone is printed), or the per-software export of every software. bench/report_vs_load.sh runs
// them and prints the ratios.
//
// usage: report_vs_load generate RST PCS PROGRAMS RECORDS
//        report_vs_load load|reports|export RST
// Prints the seconds the job took (for reports and export: after the load).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>

#include "core/codec.h"
#include "core/docs/file_rst.h"
#include "hub/report/install_export.h"
#include "hub/report/usage_report.h"
#include "platform/file.h"
#include "platform/folders.h"

using namespace scx;

namespace {

class SilentPrompter : public Prompter {
public:
    void ShowMessage(std::string_view) override {}
    bool AskYesNo(std::string_view) override { return false; }
    Answer AskYesNoCancel(std::string_view) override { return Answer::No; }
};

void Generate(const std::string& path, int pcs, int programs, long records) {
    std::string text = "#HEADER_START\r\n2\r\n#HEADER_END\r\n#BASEINFO_START\r\n";
    text += "서울\t-\t-\t-\t-\t-\t-\t-\t-\t가나상사\t-\t-\t-\t-\t-\t-\t" + std::to_string(pcs) + "\t-\t-\t-\t-\r\n";
    text += "#BASEINFO_END\r\n#USERINFO_START\r\n";
    for (int p = 0; p < pcs; ++p)
        text += std::to_string(p) + "\t부서 " + std::to_string(p % 40) + "\tPC-" + std::to_string(p) + "\t사용자 " +
                std::to_string(p) + "\t-\t-\t" + std::to_string(p % 2) + "\t10." + std::to_string(p / 65536) + "." +
                std::to_string(p / 256 % 256) + "." + std::to_string(p % 256) + "\r\n";
    text += "#USERINFO_END\r\n#SWLIST_START\r\n";
    long perProgram = records / programs;
    for (int s = 0; s < programs; ++s)
        text += std::to_string(s) + "\t1\t" + std::to_string(1000 + s) + "\t회사 " + std::to_string(s % 300) +
                "\t제품 " + std::to_string(s) + " 2024\t" + std::to_string(s * 1000 % 900000) + "\t" +
                std::to_string(perProgram) + "\t" + (s % 50 == 0 ? "OS" : "-") + "\t" + std::to_string(s % 3) +
                "\t-\t-\t-\t" + std::to_string(perProgram / 2) + "\r\n";
    text += "#SWLIST_END\r\n#PCHISTORY_START\r\n";
    for (long r = 0; r < records; ++r) {
        long pc = r % pcs;
        long sw = (r / pcs * 7 + pc) % programs;
        std::string n = std::to_string(sw);
        text += std::to_string(pc) + "\t" + n + "\tp" + n + ".exe\tC:\\Program Files\\Vendor" + std::to_string(sw % 300) +
                "\\\t2026-12-01\t" + (r % 5 == 0 ? "SER-" + std::to_string(r) : std::string("-")) + "\t2025-03-02\r\n";
    }
    text += "#PCHISTORY_END\r\n";
    std::string bytes;
    AppendCodePageBytes(bytes, text);
    ScrambleBytes(bytes);
    if (!platform::WriteFileAtomically(path, bytes)) std::exit(1);
}

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    std::string job = argv[1], path = argv[2];
    if (job == "generate" && argc == 6) {
        Generate(path, std::atoi(argv[3]), std::atoi(argv[4]), std::atol(argv[5]));
        return 0;
    }
    auto start = std::chrono::steady_clock::now();
    CFileRST result;
    if (!result.Load(path, true)) return 1;
    if (job == "load") {
        std::printf("%.3f\n", Seconds(start));
        return 0;
    }
    SilentPrompter prompter;
    std::string folder = path + ".out";
    start = std::chrono::steady_clock::now();
    if (job == "reports") {
        for (auto kind : {UsageReportKind::kSoftware, UsageReportKind::kPc}) {
            ReportLayout layout = DefaultReportLayout(kind);
            layout.flags.assign(layout.flags.size(), true);  // every column, the largest pages
            if (WriteUsageReport(kind, result, layout.flags, prompter, folder).empty()) return 1;
        }
    } else if (job == "export") {
        std::vector<int> rows(static_cast<size_t>(result.SwList().GetRowCount()));
        std::iota(rows.begin(), rows.end(), 0);
        platform::MakeFolder(folder);
        if (ExportInstallRecords(InstallExportKind::kPerSoftware, result, rows, folder, prompter).empty()) return 1;
    } else {
        return 2;
    }
    std::printf("%.3f\n", Seconds(start));
    return 0;
}

// One job of the aggregation benchmark, timed in a process of its own (so no job inherits the heap
// another one grew): generating the data, only loading the inspection files, the aggregation run,
// or adding the files to a result. bench/aggregation_vs_load.sh runs them and prints the ratios.
//
// usage: aggregation_vs_load generate FILES ROWS
//        aggregation_vs_load load|aggregate|add FILES TIMES
// The data folder is SCX_HOME. Generated: FILES .ipt files of ROWS programs each (about 2,000
// distinct programs, parts of 50 packages among them) and package.dat; TIMES takes each file that
// many times. Prints the seconds the job took.

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/codec.h"
#include "core/db/checklist_database.h"
#include "core/docs/file_rst.h"
#include "core/folders.h"
#include "hub/result/result_commands.h"
#include "hub/shell/aggregation_run.h"
#include "platform/file.h"
#include "platform/folders.h"

using namespace scx;

namespace {

constexpr int kPrograms = 2000;
constexpr int kPackages = 50;  // package p needs the parts 3p+1 .. 3p+3

void WriteRecord(const std::string& path, const std::string& text) {
    std::string bytes;
    AppendCodePageBytes(bytes, text);
    ScrambleBytes(bytes);
    platform::WriteFileAtomically(path, bytes);
}

std::string ProgramRow(int id, unsigned& seed) {
    seed = seed * 1103515245u + 12345u;
    std::string n = std::to_string(id);
    std::string gubun = id % 10 == 0 ? "2" : "1";
    return gubun + "\t" + n + "\t회사 " + std::to_string(id % 300) + "\t제품 " + n + "\t1.0." + n + "\tP" + n +
           ".EXE\tp" + n + ".exe\t회사 " + std::to_string(id % 300) + "\t표시 제품 " + n + "\t" +
           std::to_string(id * 100) + "\tC:\\Program Files\\Vendor" + std::to_string(id % 300) + "\\\t2026-" +
           std::to_string(1 + seed % 12) + "-01\t-\t" + std::to_string(id % 3) + "\t-\t-\t-\t-\t2025-03-02";
}

void Generate(int files, int rows) {
    std::string packages = "#HEADER_START\r\n1\r\n#HEADER_END\r\n#PACKAGE_START\r\n";
    std::string subs;
    for (int p = 0; p < kPackages; ++p) {
        std::string a = std::to_string(3 * p + 1), b = std::to_string(3 * p + 2), c = std::to_string(3 * p + 3);
        std::string id = std::to_string(9000 + p);
        packages += id + "\tSuite Co\tSuite " + id + "\t0\t-\t-\t-\t" + a + ";" + b + ";" + c + "\r\n";
        subs += id + "\tFull\t900000\t" + a + ";" + b + ";" + c + ";\r\n";
        subs += id + "\tBasic\t500000\t" + a + ";" + b + ";\r\n";
    }
    WriteRecord(GetProgramFolder() + "package.dat",
                packages + "#PACKAGE_END\r\n#SUB_START\r\n" + subs + "#SUB_END\r\n");
    unsigned seed = 7;
    for (int f = 0; f < files; ++f) {
        std::string text = "#HEADER_START\r\n0\t20261211_091500\t-\r\n#HEADER_END\r\n#USERINFO_START\r\n부서 " +
                           std::to_string(f % 20) + "\tPC-" + std::to_string(f) + "\t사용자 " + std::to_string(f) +
                           "\t-\t-\t" + std::to_string(f % 2) + "\t10.0." + std::to_string(f / 250) + "." +
                           std::to_string(f % 250) + "\r\n#USERINFO_END\r\n#SWLIST_START\r\n";
        // Every PC holds a few whole or partial packages, the rest spread over all programs.
        for (int r = 0; r < rows; ++r) {
            seed = seed * 1103515245u + 12345u;
            int id = r < 9 ? 3 * ((f + r / 3 * 7) % kPackages) + 1 + r % 3 - (f % 4 == 0 && r % 3 == 2 ? 1 : 0)
                           : 1 + static_cast<int>((seed >> 8) % kPrograms);
            text += ProgramRow(id, seed) + "\r\n";
        }
        WriteRecord(GetCheckOutFolder("IPT") + "pc" + std::to_string(f) + ".ipt", text + "#SWLIST_END\r\n");
    }
}

double Seconds(const std::chrono::steady_clock::time_point& start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class Quiet : public Prompter {
public:
    void ShowMessage(std::string_view) override {}
    bool AskYesNo(std::string_view) override { return false; }
    Answer AskYesNoCancel(std::string_view) override { return Answer::No; }
};

class NoReport : public AggregationReporter {
public:
    void Status(std::string_view) override {}
    void Progress(int, int, std::string_view) override {}
};

std::vector<std::string> Names(int files, int times) {
    std::vector<std::string> names;
    for (int t = 0; t < times; ++t)
        for (int f = 0; f < files; ++f) names.push_back("pc" + std::to_string(f) + ".ipt");
    return names;
}

double LoadOnly(const std::vector<std::string>& names) {
    auto start = std::chrono::steady_clock::now();
    long long rows = 0;
    for (const auto& name : names) {
        CFileIPT ipt;
        if (LoadInspectionResult(ipt, name)) rows += ipt.SwList().GetRowCount();
    }
    if (rows == 0) std::fprintf(stderr, "nothing loaded\n");
    return Seconds(start);
}

double Aggregate(const std::vector<std::string>& names) {
    AggregationRequest request;
    request.names = names;
    request.targetPath = GetCheckOutFolder("TLS") + "bench.tls";
    EnsureFolder(GetCheckOutFolder("TLS"));
    std::atomic<int> running{1};
    NoReport reporter;
    Quiet prompter;
    auto start = std::chrono::steady_clock::now();
    if (RunAggregation(request, running, reporter, prompter) != AggregationMessage::Finished)
        std::fprintf(stderr, "aggregation failed\n");
    return Seconds(start);
}

double AddToResult(const std::vector<std::string>& names) {
    Quiet prompter;
    auto start = std::chrono::steady_clock::now();
    auto packages = GetPackageList();
    CFileRST result;
    result.Header().AddRowText("2", "\t");
    AddInspectionResults(result, names, packages.get(), prompter);
    result.SaveAs("bench.rst", false);
    return Seconds(start);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 || !getenv("SCX_HOME")) {
        std::fprintf(stderr, "usage: SCX_HOME=DIR aggregation_vs_load generate FILES ROWS | load|aggregate|add FILES TIMES\n");
        return 2;
    }
    std::string job = argv[1];
    int files = std::atoi(argv[2]);
    int third = std::atoi(argv[3]);
    if (job == "generate") {
        EnsureCheckOutFolders(false);
        Generate(files, third);
        return 0;
    }
    std::vector<std::string> names = Names(files, third);
    double seconds = job == "load"        ? LoadOnly(names)
                     : job == "aggregate" ? Aggregate(names)
                     : job == "add"       ? AddToResult(names)
                                          : -1;
    if (seconds < 0) return 2;
    std::printf("%.3f\n", seconds);
    return 0;
}

// checklist_load_probe make FILE ROWS: writes a generated window checklist of ROWS rows.
// checklist_load_probe load FILE: loads it as the agent does (rows and lookup indexes) and prints
// the load time, the rows, and the peak resident memory of the process.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/checklist_rows.h"
#include "core/codec.h"
#include "core/db/file_checklist.h"
#include "platform/file.h"

int main(int argc, char** argv) {
    std::string mode = argc > 2 ? argv[1] : "";
    if (mode == "make" && argc == 4) {
        std::string bytes;
        scx::AppendCodePageBytes(bytes, scx::bench::CheckListText(std::atoi(argv[3]), false));
        scx::ScrambleBytes(bytes);
        return scx::platform::WriteFileAtomically(argv[2], bytes) ? 0 : 1;
    }
    if (mode == "load" && argc == 3) {
        auto start = std::chrono::steady_clock::now();
        // Measured is the load; the process ends without freeing the tables, as a program that
        // keeps its database until it exits would.
        auto& list = *new scx::CFileCheckList;
        if (!list.Load(argv[2], true)) return 1;
        double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("load_seconds %.3f\nrows %d\npeak_rss_kb %ld\n", seconds,
                    list.CheckList().GetRowCount(), usage.ru_maxrss);
        return list.FindByDbId("100000") == 0 ? 0 : 1;
    }
    std::fprintf(stderr, "usage: checklist_load_probe make FILE ROWS | load FILE\n");
    return 2;
}

// Feeds arbitrary bytes to the loaders of the checklist database files and of the inspection result
// (.ipt), then exercises every lookup on what loaded.

#include <cstdint>
#include <string>

#include "core/codec.h"
#include "core/db/file_checklist.h"
#include "core/db/file_filter.h"
#include "core/db/file_package.h"
#include "core/db/file_user_checklist.h"
#include "core/docs/file_ipt.h"
#include "fuzz/fuzz_file.h"

namespace {

const scx::fuzz::FuzzFile kFile("checklist");

// A few values taken from the loaded rows, so lookups also hit.
template <typename Fn>
void ForSomeCells(const scx::CTable& table, std::string_view column, Fn&& fn) {
    for (int i = 0; i < table.GetRowCount() && i < 8; ++i) fn(table.GetCell(i, column));
}

void Exercise(const scx::CFileCheckList& list) {
    ForSomeCells(list.CheckList(), "EXE_FILE",
                 [&](const std::string& v) { (void)list.FindByExe(v); });
    ForSomeCells(list.CheckList(), "DB_ID",
                 [&](const std::string& v) { (void)list.FindByDbId(v); });
    ForSomeCells(list.CheckList(), "PRODUCT",
                 [&](const std::string& v) { (void)list.FindByKey(v); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // The first byte picks the loader and whether the rest is taken as decoded text (so the fuzzer
    // reaches the grammar quickly) or as the file's raw bytes.
    const uint8_t choice = data[0];
    std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    if (choice & 0x80) scx::ScrambleBytes(bytes);
    if (!kFile.Write(bytes)) return 0;
    const std::string path = kFile.Path();
    switch (choice % 5) {
        case 0: {
            scx::CFileCheckList list;
            if (list.Load(path, true)) Exercise(list);
            break;
        }
        case 1: {
            scx::CFileUserCheckList list;
            if (list.Load(path, true)) {
                Exercise(list);
                ForSomeCells(list.CheckList(), "SHA1",
                             [&](const std::string& v) { (void)list.FindBySha1(v); });
            }
            break;
        }
        case 2: {
            scx::CFileFilter filter;
            if (filter.Load(path, true))
                for (int i = 0; i < filter.SwList().GetRowCount() && i < 8; ++i)
                    (void)filter.FindByKey(filter.SwList().GetRowText(i));
            break;
        }
        case 3: {
            scx::CFilePackage packages;
            if (packages.Load(path, true)) {
                ForSomeCells(packages.Packages(), "DB_ID", [&](const std::string& id) {
                    int row = packages.FindPackageRow(id);
                    std::string subs = packages.GetSubRows(id);
                    (void)packages.GetDisplayName(row, static_cast<int>(subs.size() % 4) - 1);
                });
            }
            break;
        }
        case 4: {
            scx::CFileIPT ipt;
            if (ipt.Load(path, true)) (void)ipt.Save();
            break;
        }
    }
    return 0;
}

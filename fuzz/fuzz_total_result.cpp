// Feeds arbitrary bytes to the loaders of total lists (.tls) and results (.rst), then runs the
// operations that read what loaded: the software lookup, next IDs, ordering, recount, deletes,
// a merge of the result into itself, and a result made from the total list.

#include <cstdint>
#include <string>

#include "core/codec.h"
#include "core/docs/file_rst.h"
#include "core/docs/file_tls.h"
#include "core/docs/table_order.h"
#include "fuzz/fuzz_file.h"
#include "hub/result/result_creation.h"

namespace {

const scx::fuzz::FuzzFile kFile("totals");

void LookUpSomeRows(const scx::CSoftwareTable& software) {
    for (int i = 0; i < software.GetRowCount() && i < 8; ++i)
        (void)software.FindSoftware(software.GetCell(i, "GUBUN"), software.GetCell(i, "COMPANY"),
                                    software.GetCell(i, "PRODUCT"));
    (void)scx::NextId(software);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2 || size > 64 * 1024) return 0;
    // The first byte picks the kind and whether the rest is decoded text or the file's raw bytes.
    const uint8_t choice = data[0];
    std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    if (choice & 0x80) scx::ScrambleBytes(bytes);
    if (!kFile.Write(bytes)) return 0;

    if (choice & 1) {
        scx::CFileTLS total;
        if (!total.Load(kFile.Path(), true)) return 0;
        LookUpSomeRows(total.SwList());
        scx::SortSoftwareRows(total, "GUBUN", true, "COMPANY");
        scx::CFileRST result;
        scx::InitNewResult(result);
        scx::FillResultFromTotalList(total, scx::DefaultMarkedRows(total), result);
        (void)result.BuildFileBytes();
        return 0;
    }
    scx::CFileRST result;
    if (!result.Load(kFile.Path(), true)) return 0;
    LookUpSomeRows(result.SwList());
    if (result.UserInfo().GetRowCount() < 200 && result.PcHistory().GetRowCount() < 2000)
        scx::CFileRST::MergeInto(result, result);
    result.DeleteInstallRecords(0, {1, 3});
    result.DeleteSoftware({1, 0, 5});
    result.DeletePcs({0, 2});
    result.ClearUserColumn(choice % 5);
    result.Recount();
    scx::SortSoftwareRows(result, "COMPANY", (choice & 2) != 0, "PRODUCT");
    LookUpSomeRows(result.SwList());
    (void)result.BuildFileBytes();
    return 0;
}

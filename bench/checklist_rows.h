#pragma once
// A large, realistic checklist for the benchmarks: vendors with many products and versions,
// Korean display names, registry paths on some rows. Row i is the same on every run.

#include <string>

#include "core/text_util.h"

namespace scx::bench {

// Version-resource values of row i, as a scan would pass them (already free of symbols).
struct ProgramKey {
    std::string company, product, version, originalFile, exeFile, sha1;
};

inline ProgramKey KeyOfRow(int i) {
    int vendor = i / 40, product = i / 4, version = i % 4;
    ProgramKey k;
    k.company = Format("Vendor %d Software Corporation", vendor);
    k.product = Format("Product %d Professional Edition", product);
    k.version = Format("%d.%d.%d.%d", 10 + version, i % 7, 1000 + i % 997, i % 100);
    k.originalFile = Format("prod%d_%d.exe", product, version);
    k.exeFile = Format("Prod%d_%d.exe", product, version);
    unsigned u = static_cast<unsigned>(i);
    k.sha1 = Format("%08x%08x%08x%08x%08x", u * 2654435761u, u * 40503u + 7, u ^ 0x5bd1e995u,
                    u * 97u, ~u);
    return k;
}

// One "#CHECKLIST" row (14 values) of the window checklist; with `userColumns` the 16 values of a
// user checklist row (file size and SHA-1 added).
inline std::string CheckListRow(int i, bool userColumns) {
    ProgramKey k = KeyOfRow(i);
    std::string row = Format(
        "%d\t%s\t%s\t%s\t%s\t%s\t\xEB\xB2\xA4\xEB\x8D\x94 %d "
        "\xEC\x86\x8C\xED\x94\x84\xED\x8A\xB8\xEC\x9B\xA8\xEC\x96\xB4"
        "\t\xEC\xA0\x9C\xED\x92\x88 %d "
        "\xED\x94\x84\xEB\xA1\x9C\t%d\t%d\t%d\t\xEC\xA0\x9C\xED\x92\x88\xEA\xB5\xB0 %d\t%d\t%s",
        100000 + i, k.company.c_str(), k.product.c_str(), k.version.c_str(), k.originalFile.c_str(),
        k.exeFile.c_str(), i / 40, i / 4, (i % 50) * 10000, i % 5, i / 4, i / 4, i % 4 + 1,
        i % 3 == 0
            ? Format("HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor%d\\Product%d\\Serial", i / 40, i / 4)
                  .c_str()
            : "-");
    if (userColumns) row += Format("\t%d\t%s", 4096 + i, k.sha1.c_str());
    return row;
}

// The decoded text of a whole checklist file of `rows` rows.
inline std::string CheckListText(int rows, bool userColumns) {
    std::string text = "#HEADER_START\r\n2026121101\r\n#HEADER_END\r\n#CHECKLIST_START\r\n";
    for (int i = 0; i < rows; ++i) text += CheckListRow(i, userColumns) + "\r\n";
    return text + "#CHECKLIST_END\r\n";
}

}  // namespace scx::bench

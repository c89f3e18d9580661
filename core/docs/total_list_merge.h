#pragma once
// Merging one PC's inspection result into a total list or a result: its PC row, its programs
// (counted by GUBUN and display names, components folded into packages first) and one install
// record per program. Total lists and results share these steps and differ only where `kind`
// says.

#include <string>
#include <string_view>

#include "core/docs/file_ipt.h"
#include "core/docs/id_table.h"
#include "core/docs/package_suits.h"

namespace scx {

// Class parameters of total lists and results: held read/write while denying others write access
// after Load; SaveAs writes a new file without taking its path.
FileClassParams LinkedDocumentParams(DefaultFolder folder);

struct LinkedSections {
    enum class Kind { TotalList, Result };
    Kind kind;
    CIdTable& users;
    CSoftwareTable& software;
    CTableMulti& history;
    CTableMulti* keys;  // #KEYLIST of a total list; results have none
};

// Loads an inspection result named either by a path (anything holding a folder separator) or by
// a file name in CheckOut/IPT. 1 when it loaded.
int LoadInspectionResult(CFileIPT& ipt, std::string_view nameOrPath);

// Folds one package per matching set of parts into `software` of the total list (or result),
// removing the folded component rows from `iptSoftware`. The number of packages folded; 0 without
// a package list.
int FoldPackageParts(LinkedSections& sections, CTableMulti& iptSoftware, long long userId,
                     const PackageSuits* packages);

// Adds the PC row, folds packages until none is left to fold, and counts every remaining program.
// 0 when the PC row was refused (nothing else is added then), else 1.
int MergeIptRows(LinkedSections& sections, CFileIPT& ipt, const PackageSuits* packages);

}  // namespace scx

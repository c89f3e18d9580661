#pragma once
// The file work of the result commands "점검결과추가" (add inspection results) and "취합파일병합"
// (merge results), without their file dialogs.

#include <string>
#include <vector>

#include "core/db/file_package.h"
#include "core/docs/file_rst.h"
#include "core/prompter.h"

namespace scx {

struct InspectionFileMove {
    std::vector<std::string> moved;    // new paths in CheckOut/IPT, in the order chosen
    std::vector<std::string> skipped;  // chosen files whose name is already in CheckOut/IPT
    std::vector<std::string> failed;   // chosen files that could not be copied (left in place)
};

// Moves the chosen .ipt files into CheckOut/IPT: a file whose name is already there is skipped
// and stays where it is; the others are copied (never over an existing file) and then removed.
InspectionFileMove MoveIntoInspectionFolder(const std::vector<std::string>& paths);

// Sets PC_COUNT to the number of PCs.
void UpdatePcCount(CFileRST& result);

// Adds the moved inspection results (folding packages with the list, when given), orders the
// software by company and product and updates the PC count. 0 when the user chose to stop (what
// was added before stays), else 1.
int AddInspectionResults(CFileRST& result, const std::vector<std::string>& paths,
                         const CFilePackage* packages, Prompter& prompter);

// Merges the other result files, orders the software by company and product and updates the PC
// count. 0 when the user chose to stop (what was merged before stays), else 1.
int MergeResultFiles(CFileRST& result, const std::vector<std::string>& paths, Prompter& prompter);

}  // namespace scx

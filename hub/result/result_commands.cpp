#include "hub/result/result_commands.h"

#include <filesystem>
#include <system_error>

#include "core/docs/table_order.h"
#include "core/folders.h"
#include "platform/folders.h"

namespace scx {

InspectionFileMove MoveIntoInspectionFolder(const std::vector<std::string>& paths) {
    InspectionFileMove move;
    std::string folder = GetCheckOutFolder("IPT");
    EnsureFolder(folder);
    for (const auto& path : paths) {
        std::string target = folder + GetFileNameOf(path);
        std::error_code error;
        if (std::filesystem::exists(target, error)) {
            move.skipped.push_back(path);
            continue;
        }
        // copy_file refuses an existing target: a file that appeared meanwhile is never replaced.
        if (!std::filesystem::copy_file(path, target, error)) {
            move.failed.push_back(path);
            continue;
        }
        std::filesystem::remove(path, error);
        move.moved.push_back(target);
    }
    return move;
}

void UpdatePcCount(CFileRST& result) { result.SetPcCount(result.UserInfo().GetRowCount()); }

int AddInspectionResults(CFileRST& result, const std::vector<std::string>& paths,
                         const CFilePackage* packages, Prompter& prompter) {
    int added = result.AddInspectionFiles(paths, packages, prompter);
    SortSoftwareRows(result, "COMPANY", true, "PRODUCT");
    UpdatePcCount(result);
    return added;
}

int MergeResultFiles(CFileRST& result, const std::vector<std::string>& paths, Prompter& prompter) {
    int merged = result.MergeResults(paths, prompter);
    SortSoftwareRows(result, "COMPANY", true, "PRODUCT");
    UpdatePcCount(result);
    return merged;
}

}  // namespace scx

#pragma once
// The result (.rst): base information of the inspected organisation, its PCs, its software with
// install and licence counts, and every install record. The operations here keep the sections
// consistent: adding inspection results (with package folding), merging other results, recounting,
// deleting software, PCs and install records, blanking a personal column, resetting a section.
//
// Load holds the file (read/write, denying others write access) in CheckOut/RST; SaveAs writes a
// new file there (or anywhere by full path) without taking its path.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/docs/file_ipt.h"
#include "core/docs/id_table.h"
#include "core/docs/package_suits.h"
#include "core/docs/total_list_merge.h"
#include "core/file_framework.h"
#include "core/prompter.h"

namespace scx {

class CFileRST : public CFileFramework {
public:
    CFileRST();

    // A new empty section in place of "#HEADER", "#BASEINFO", "#USERINFO", "#SWLIST" or
    // "#PCHISTORY" (none for any other name). Without `deleteOld` the old table stays alive, for
    // the caller to copy rows from, until ReleaseOldTables or the end of this object.
    CTable* ResetTable(std::string_view name, bool deleteOld) override;
    void ReleaseOldTables() { oldTables_.clear(); }

    // INSTALL_CNT of every software = its install records, RIGHT_CNT at most that, PC_COUNT = PCs.
    void Recount();
    // Deletes software rows with all their install records, then every software without installs.
    // 0 for an empty list, else 1.
    int DeleteSoftware(std::vector<int> rows);
    // Deletes PC rows with all their install records, recounts and removes software left without
    // installs. 1 when a PC was deleted, else 0.
    int DeletePcs(std::vector<int> rows);
    // Deletes the install records of software row `row` at the 1-based `positions` among that
    // software's records in table order, and lowers its counts. 1 when a record was deleted.
    int DeleteInstallRecords(int row, const std::vector<int>& positions);
    enum UserColumn { kGroupName = 0, kUserName = 1, kPcName = 2, kPcIp = 3 };
    // Sets that column of every PC to "-". 1.
    int ClearUserColumn(int kind);

    // Adds inspection results (file names in CheckOut/IPT, or paths), folding packages with the
    // list given (none: no folding). A file that cannot be added brings the question whether to
    // stop: 0 when the user stops, else 1. Does not recount.
    int AddInspectionFiles(const std::vector<std::string>& names, const CFilePackage* packages,
                           Prompter& prompter);
    // Adds one loaded inspection result (its software rows are sorted and folded in memory). 1.
    int AddIpt(CFileIPT& ipt);
    // Merges other result files (full paths) into this one; they stay as they are. A file that
    // cannot be merged brings the question whether to stop: 0 when the user stops, else 1.
    int MergeResults(const std::vector<std::string>& paths, Prompter& prompter);
    // Adds the PCs, software and install records of `other` to `target` (which may be `other`
    // itself). 1, or 0 when a row was refused (rows added before stay).
    static int MergeInto(const CFileRST& other, CFileRST& target);

    // Writes PC_COUNT of #BASEINFO (the other values kept, "-" where there were none).
    void SetPcCount(long long count);

    CTableSingle& Header() { return *header_; }
    CTableSingle& BaseInfo() { return *baseInfo_; }
    CIdTable& UserInfo() { return *userInfo_; }
    CSoftwareTable& SwList() { return *swList_; }
    CTableMulti& PcHistory() { return *pcHistory_; }
    const CTableSingle& BaseInfo() const { return *baseInfo_; }
    const CIdTable& UserInfo() const { return *userInfo_; }
    const CSoftwareTable& SwList() const { return *swList_; }
    const CTableMulti& PcHistory() const { return *pcHistory_; }

private:
    void RemoveSoftwareWithoutInstalls();
    LinkedSections Sections();

    CTableSingle* header_;
    CTableSingle* baseInfo_;
    CIdTable* userInfo_;
    CSoftwareTable* swList_;
    CTableMulti* pcHistory_;
    std::unique_ptr<PackageSuits> packages_;
    std::vector<std::unique_ptr<CTable>> oldTables_;
};

}  // namespace scx

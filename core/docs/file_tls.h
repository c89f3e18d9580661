#pragma once
// The total list (.tls): the PCs of many inspection results, every distinct program once with its
// install count, and one install record per program and PC.
//
// Load holds the file (read/write, denying others write access) in CheckOut/TLS; SaveAs writes a
// new file there (or anywhere by full path) without taking its path, and tells the user
// "MAKE TLS FAIL." with the reason when it cannot.

#include <memory>
#include <string>

#include "core/docs/file_ipt.h"
#include "core/docs/id_table.h"
#include "core/docs/package_suits.h"
#include "core/docs/total_list_merge.h"
#include "core/file_framework.h"
#include "core/prompter.h"

namespace scx {

class CFileTLS : public CFileFramework {
public:
    // The prompter tells the user of a failed SaveAs; none keeps quiet.
    explicit CFileTLS(Prompter* prompter = nullptr);

    // The package list that folds components into packages while merging; none folds nothing.
    // Not owned: it must outlive the merges.
    void SetPackageList(const CFilePackage* packages);

    // Adds the PC and the programs of a loaded inspection result (its software rows are folded and
    // removed in memory on the way). 1, or 0 when the PC row was refused.
    int MergeIpt(CFileIPT& ipt);
    // One pass of package folding over an inspection result's software rows for PC `userId`;
    // the number of packages folded.
    int FoldPackages(CTableMulti& iptSoftware, long long userId);

    CTableSingle& Header() { return *header_; }
    CIdTable& UserInfo() { return *userInfo_; }
    CSoftwareTable& SwList() { return *swList_; }
    CTableMulti& PcHistory() { return *pcHistory_; }
    CTableMulti& KeyList() { return *keyList_; }
    const CIdTable& UserInfo() const { return *userInfo_; }
    const CSoftwareTable& SwList() const { return *swList_; }
    const CTableMulti& PcHistory() const { return *pcHistory_; }

protected:
    void OnSaveAsFailed(const std::string& error) override;

private:
    LinkedSections Sections();

    Prompter* prompter_;
    CTableSingle* header_;
    CIdTable* userInfo_;
    CSoftwareTable* swList_;
    CTableMulti* pcHistory_;
    CTableMulti* keyList_;
    std::unique_ptr<PackageSuits> packages_;
};

}  // namespace scx

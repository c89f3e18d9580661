#pragma once
// The inspection result of one PC (.ipt): who uses the PC and every program found on it.
//
// Load holds the file open without denying anyone anything, so an examiner's workstation and
// another process may both open and save it. Save rewrites that loaded file and is refused until a
// Load succeeded (or when the object was marked read-only); SaveAs writes a new file into
// CheckOut/IPT (made first when missing) and takes its path, while Save keeps writing the file
// Load opened.

#include "core/file_framework.h"

namespace scx {

class CFileIPT : public CFileFramework {
public:
    CFileIPT();

    bool IsLoaded() const { return loaded_; }
    bool IsReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

    CTableSingle& Header() { return *header_; }
    CTableSingle& UserInfo() { return *userInfo_; }
    CTableMulti& SwList() { return *swList_; }
    const CTableSingle& Header() const { return *header_; }
    const CTableSingle& UserInfo() const { return *userInfo_; }
    const CTableMulti& SwList() const { return *swList_; }

protected:
    void OnLoaded() override { loaded_ = true; }
    bool CanSave() const override { return loaded_ && !readOnly_; }

private:
    CTableSingle* header_;
    CTableSingle* userInfo_;
    CTableMulti* swList_;
    bool loaded_ = false;
    bool readOnly_ = false;
};

}  // namespace scx

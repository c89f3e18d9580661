#pragma once
// The checklist of program files (windowchecklist.dat) and of fonts (fontchecklist.dat): one row
// per known program, found by its version-resource key, its file name or its database id.

#include <string>
#include <string_view>

#include "core/db/text_index.h"
#include "core/file_framework.h"

namespace scx {

// The lookup form of a program's version-resource values: each stripped of symbols, joined by TAB
// in this order. FindByKey takes this text (letter case does not matter).
std::string CheckListKey(std::string_view company, std::string_view product,
                         std::string_view version, std::string_view originalFile);

class CFileCheckList : public CFileFramework {
public:
    CFileCheckList();

    // Row of "#CHECKLIST" whose key (see CheckListKey) equals `key` without regard to case; the
    // later of two equal rows. -1 when none.
    int FindByKey(std::string_view key) const;
    // Row whose EXE_FILE equals the file name without regard to case, or -1.
    int FindByExe(std::string_view fileName) const;
    // Row whose DB_ID is exactly `dbId`, or -1. The index is filled on the first call.
    int FindByDbId(std::string_view dbId) const;

    const CTableSingle& Header() const { return *header_; }
    const CTableMulti& CheckList() const { return *checkList_; }
    CTableMulti& CheckList() { return *checkList_; }

protected:
    CFileCheckList(FileClassParams params, std::string_view columns);
    void OnRowLoaded(CTable& table, int row) override;

    CTableSingle* header_;
    CTableMulti* checkList_;

private:
    // The texts the key and file-name indexes hold for a row: lower case, the key's values
    // stripped of symbols.
    std::string IndexKeyOf(int row) const;
    std::string ExeKeyOf(int row) const;

    RowIndex keyIndex_;
    RowIndex exeIndex_;
    LazyColumnIndex dbIdIndex_;
};

}  // namespace scx

#include "core/db/file_checklist.h"

#include "core/record_columns.h"
#include "core/text_util.h"

namespace scx {
namespace {

// Column positions of the checklist rows (the user checklist shares the first fourteen).
enum : int { kDbId = 0, kCompany = 1, kProduct = 2, kVersion = 3, kOriginalFile = 4, kExeFile = 5 };

FileClassParams CheckListParams() {
    FileClassParams p;
    p.folder = DefaultFolder::Program;
    p.loadAccess = platform::Access::Read;
    p.loadShare = platform::Share::DenyWrite;
    p.keepOpen = true;
    return p;
}

}  // namespace

std::string CheckListKey(std::string_view company, std::string_view product, std::string_view version,
                         std::string_view originalFile) {
    std::string key = StripSymbols(company);
    for (std::string_view part : {product, version, originalFile}) {
        key += '\t';
        key += StripSymbols(part);
    }
    return key;
}

CFileCheckList::CFileCheckList() : CFileCheckList(CheckListParams(), columns::kCheckList) {}

CFileCheckList::CFileCheckList(FileClassParams params, std::string_view checkListColumns)
    : CFileFramework(params) {
    header_ = AddSection<CTableSingle>("#HEADER", columns::kDbHeader);
    checkList_ = AddSection<CTableMulti>("#CHECKLIST", checkListColumns);
}

void CFileCheckList::OnRowLoaded(CTable& table, int row) {
    if (&table != checkList_) return;
    const Row& values = *checkList_->GetRow(row);
    keyIndex_[LowerCase(CheckListKey(values[kCompany], values[kProduct], values[kVersion],
                                     values[kOriginalFile]))] = row;
    exeIndex_[LowerCase(values[kExeFile])] = row;
}

int CFileCheckList::FindByKey(std::string_view key) const { return FindRow(keyIndex_, LowerCase(key)); }

int CFileCheckList::FindByExe(std::string_view fileName) const {
    return FindRow(exeIndex_, LowerCase(fileName));
}

int CFileCheckList::FindByDbId(std::string_view dbId) const {
    return dbIdIndex_.Find(*checkList_, kDbId, dbId);
}

}  // namespace scx

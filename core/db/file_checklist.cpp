#include "core/db/file_checklist.h"

#include <algorithm>

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

// Appends a value in the form the key index holds it: symbols stripped, lower case. Product names
// are mostly ASCII, where only "?" goes and only A-Z change; those take the short way, since every
// row of a large checklist passes through here while it loads.
void AppendIndexForm(std::string& key, std::string_view value) {
    bool ascii = std::all_of(value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        key += LowerCase(StripSymbols(value));
        return;
    }
    for (char c : value) {
        if (c == '?') continue;
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
    }
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
    if (row == 0) {
        ReserveFor(keyIndex_, table);
        ReserveFor(exeIndex_, table);
    }
    const Row& values = *checkList_->GetRow(row);
    // The same text as LowerCase(CheckListKey(...)), built in one reused buffer.
    keyScratch_.clear();
    for (int column : {kCompany, kProduct, kVersion, kOriginalFile}) {
        if (column != kCompany) keyScratch_ += '\t';
        AppendIndexForm(keyScratch_, values[column]);
    }
    keyIndex_[keyScratch_] = row;
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

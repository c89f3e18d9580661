#include "core/db/file_checklist.h"

#include <algorithm>

#include "core/db/db_file_params.h"
#include "core/record_columns.h"
#include "core/text_util.h"

namespace scx {
namespace {

// Column positions of the checklist rows (the user checklist shares the first fourteen).
enum : int { kDbId = 0, kCompany = 1, kProduct = 2, kVersion = 3, kOriginalFile = 4, kExeFile = 5 };

// Appends a value in the form the key index holds it: symbols stripped, lower case. Product names
// are mostly ASCII, where only "?" goes and only A-Z change; those take the short way, since every
// row of a large checklist passes through here while it loads.
void AppendIndexForm(std::string& key, std::string_view value) {
    bool ascii = std::all_of(value.begin(), value.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x80; });
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

std::string CheckListKey(std::string_view company, std::string_view product,
                         std::string_view version, std::string_view originalFile) {
    std::string key = StripSymbols(company);
    for (std::string_view part : {product, version, originalFile}) {
        key += '\t';
        key += StripSymbols(part);
    }
    return key;
}

CFileCheckList::CFileCheckList()
    : CFileCheckList(DatabaseFileParams(platform::Access::Read, true), columns::kCheckList) {}

CFileCheckList::CFileCheckList(FileClassParams params, std::string_view checkListColumns)
    : CFileFramework(params) {
    header_ = AddSection<CTableSingle>("#HEADER", columns::kDbHeader);
    checkList_ = AddSection<CTableMulti>("#CHECKLIST", checkListColumns);
}

std::string CFileCheckList::IndexKeyOf(int row) const {
    const Row& values = *checkList_->GetRow(row);
    std::string key;
    for (int column : {kCompany, kProduct, kVersion, kOriginalFile}) {
        if (column != kCompany) key += '\t';
        AppendIndexForm(key, values[column]);
    }
    return key;
}

std::string CFileCheckList::ExeKeyOf(int row) const {
    return LowerCase((*checkList_->GetRow(row))[kExeFile]);
}

void CFileCheckList::OnRowLoaded(CTable& table, int row) {
    if (&table != checkList_) return;
    if (row == 0) {
        ReserveFor(keyIndex_, table);
        ReserveFor(exeIndex_, table);
    }
    keyIndex_.Insert(IndexKeyOf(row), row, [this](int r) { return IndexKeyOf(r); });
    exeIndex_.Insert(ExeKeyOf(row), row, [this](int r) { return ExeKeyOf(r); });
}

int CFileCheckList::FindByKey(std::string_view key) const {
    return keyIndex_.Find(LowerCase(key), [this](int r) { return IndexKeyOf(r); });
}

int CFileCheckList::FindByExe(std::string_view fileName) const {
    return exeIndex_.Find(LowerCase(fileName), [this](int r) { return ExeKeyOf(r); });
}

int CFileCheckList::FindByDbId(std::string_view dbId) const {
    return dbIdIndex_.Find(*checkList_, kDbId, dbId);
}

}  // namespace scx

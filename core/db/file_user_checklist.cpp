#include "core/db/file_user_checklist.h"

#include "core/db/db_file_params.h"
#include "core/record_columns.h"
#include "core/text_util.h"

namespace scx {
namespace {

constexpr int kSha1 = 15;

}  // namespace

CFileUserCheckList::CFileUserCheckList()
    : CFileCheckList(DatabaseFileParams(platform::Access::ReadWrite, true),
                     columns::kUserCheckList) {}

void CFileUserCheckList::OnRowLoaded(CTable& table, int row) {
    CFileCheckList::OnRowLoaded(table, row);
    if (&table != checkList_) return;
    if (row == 0) ReserveFor(hashIndex_, table);
    // A row without a hash reads "-"; it is left out so that no lookup can ever find it by hash.
    if ((*checkList_->GetRow(row))[kSha1] != kMissing)
        hashIndex_.Insert(HashKeyOf(row), row, [this](int r) { return HashKeyOf(r); });
}

std::string CFileUserCheckList::HashKeyOf(int row) const {
    return LowerCase((*checkList_->GetRow(row))[kSha1]);
}

int CFileUserCheckList::FindBySha1(std::string_view sha1) const {
    return hashIndex_.Find(LowerCase(sha1), [this](int r) { return HashKeyOf(r); });
}

}  // namespace scx

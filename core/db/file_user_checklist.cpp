#include "core/db/file_user_checklist.h"

#include "core/record_columns.h"
#include "core/text_util.h"

namespace scx {
namespace {

constexpr int kSha1 = 15;

FileClassParams UserCheckListParams() {
    FileClassParams p;
    p.folder = DefaultFolder::Program;
    p.loadAccess = platform::Access::ReadWrite;
    p.loadShare = platform::Share::DenyWrite;
    p.keepOpen = true;
    return p;
}

}  // namespace

CFileUserCheckList::CFileUserCheckList() : CFileCheckList(UserCheckListParams(), columns::kUserCheckList) {}

void CFileUserCheckList::OnRowLoaded(CTable& table, int row) {
    CFileCheckList::OnRowLoaded(table, row);
    if (&table != checkList_) return;
    if (row == 0) ReserveFor(hashIndex_, table);
    // A row without a hash reads "-"; it is left out so that no lookup can ever find it by hash.
    const std::string& sha1 = (*checkList_->GetRow(row))[kSha1];
    if (sha1 != kMissing) hashIndex_[LowerCase(sha1)] = row;
}

int CFileUserCheckList::FindBySha1(std::string_view sha1) const {
    return FindRow(hashIndex_, LowerCase(sha1));
}

}  // namespace scx

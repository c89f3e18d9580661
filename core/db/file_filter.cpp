#include "core/db/file_filter.h"

#include "core/record_columns.h"
#include "core/text_util.h"

namespace scx {
namespace {

FileClassParams FilterParams() {
    FileClassParams p;
    p.folder = DefaultFolder::Program;
    p.loadAccess = platform::Access::Read;
    p.loadShare = platform::Share::DenyWrite;
    p.keepOpen = false;
    p.writable = false;
    return p;
}

}  // namespace

CFileFilter::CFileFilter() : CFileFramework(FilterParams()) {
    header_ = AddSection<CTableSingle>("#HEADER", columns::kDbHeader);
    swList_ = AddSection<CTableMulti>("#SWLIST", columns::kFilter);
}

void CFileFilter::OnRowLoaded(CTable& table, int row) {
    if (&table != swList_) return;
    if (row == 0) ReserveFor(keyIndex_, table);
    // The four columns are the whole row.
    keyIndex_[LowerCase(swList_->GetRowText(row))] = row;
}

int CFileFilter::FindByKey(std::string_view key) const { return FindRow(keyIndex_, LowerCase(key)); }

}  // namespace scx

#include "core/db/file_filter.h"

#include "core/db/db_file_params.h"
#include "core/record_columns.h"
#include "core/text_util.h"

namespace scx {

CFileFilter::CFileFilter() : CFileFramework(DatabaseFileParams(platform::Access::Read, false)) {
    header_ = AddSection<CTableSingle>("#HEADER", columns::kDbHeader);
    swList_ = AddSection<CTableMulti>("#SWLIST", columns::kFilter);
}

void CFileFilter::OnRowLoaded(CTable& table, int row) {
    if (&table != swList_) return;
    if (row == 0) ReserveFor(keyIndex_, table);
    // The four columns are the whole row.
    keyIndex_[LowerCase(swList_->GetRowText(row))] = row;
}

int CFileFilter::FindByKey(std::string_view key) const {
    return FindRow(keyIndex_, LowerCase(key));
}

}  // namespace scx

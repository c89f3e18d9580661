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
    keyIndex_.Insert(KeyOf(row), row, [this](int r) { return KeyOf(r); });
}

// The four columns are the whole row.
std::string CFileFilter::KeyOf(int row) const { return LowerCase(swList_->GetRowText(row)); }

int CFileFilter::FindByKey(std::string_view key) const {
    return keyIndex_.Find(LowerCase(key), [this](int r) { return KeyOf(r); });
}

}  // namespace scx

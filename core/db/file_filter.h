#pragma once
// The filter list (filter.dat): version-resource key tuples that the scan treats specially.

#include <string>
#include <string_view>

#include "core/db/text_index.h"
#include "core/file_framework.h"

namespace scx {

class CFileFilter : public CFileFramework {
public:
    CFileFilter();

    // Row of "#SWLIST" whose COMPANY, PRODUCT, VERSION and ORIGINAL_FILE, joined by TAB as they
    // stand (symbols are not stripped here), equal `key` without regard to case; -1 when none.
    int FindByKey(std::string_view key) const;

    const CTableSingle& Header() const { return *header_; }
    const CTableMulti& SwList() const { return *swList_; }

protected:
    void OnRowLoaded(CTable& table, int row) override;

private:
    CTableSingle* header_;
    CTableMulti* swList_;
    std::string KeyOf(int row) const;  // lower case
    RowIndex keyIndex_;
};

}  // namespace scx

#pragma once
// The package list (package.dat): packages (suites) with the DB_IDs of their part programs, and
// the editions of each package.

#include <map>
#include <string>
#include <string_view>

#include "core/db/text_index.h"
#include "core/file_framework.h"

namespace scx {

class CFilePackage : public CFileFramework {
public:
    CFilePackage();

    // Row of "#PACKAGE" whose DB_ID is exactly `dbId`, or -1. The index is filled on first use.
    int FindPackageRow(std::string_view dbId) const;
    // The "#SUB" rows (editions) of a package as ascending row numbers joined by ";" ("3;4;5"),
    // or the empty text when it has none.
    std::string GetSubRows(std::string_view packageId) const;
    // PRODUCT of the package row, followed by "(NAME)" of the edition row when that row exists and
    // its NAME is not "-".
    std::string GetDisplayName(int packageRow, int subRow) const;

    const CTableSingle& Header() const { return *header_; }
    const CTableMulti& Packages() const { return *packages_; }
    const CTableMulti& Subs() const { return *subs_; }

protected:
    void OnLoaded() override;

private:
    void StoreEditions(const std::string& packageId, const std::string& rows);

    CTableSingle* header_;
    CTableMulti* packages_;
    CTableMulti* subs_;
    std::unordered_map<std::string, std::string, TextHash, std::equal_to<>> editionIndex_;
    LazyColumnIndex packageIdIndex_;
};

}  // namespace scx

#include "core/db/file_package.h"

#include "core/db/db_file_params.h"
#include "core/record_columns.h"
#include "core/text_util.h"

namespace scx {
namespace {

constexpr int kPackageDbId = 0;
constexpr int kPackageProduct = 2;
constexpr int kSubPackageId = 0;
constexpr int kSubName = 1;

}  // namespace

CFilePackage::CFilePackage() : CFileFramework(DatabaseFileParams(platform::Access::Read, false)) {
    header_ = AddSection<CTableSingle>("#HEADER", columns::kDbHeader);
    packages_ = AddSection<CTableMulti>("#PACKAGE", columns::kPackage);
    subs_ = AddSection<CTableMulti>("#SUB", columns::kPackageSub);
}

// The editions of one package normally follow each other; a package whose rows come in separate
// runs gets the runs joined in row order.
void CFilePackage::OnLoaded() {
    std::string current;
    std::string rows;
    for (int i = 0; i < subs_->GetRowCount(); ++i) {
        const std::string& id = (*subs_->GetRow(i))[kSubPackageId];
        if (id != current) {
            if (!current.empty()) StoreEditions(current, rows);
            current = id;
            rows = std::to_string(i);
        } else {
            rows += ';';
            rows += std::to_string(i);
        }
    }
    if (!current.empty()) StoreEditions(current, rows);
}

void CFilePackage::StoreEditions(const std::string& packageId, const std::string& rows) {
    auto [it, added] = editionIndex_.try_emplace(packageId, rows);
    if (!added) it->second += ";" + rows;
}

int CFilePackage::FindPackageRow(std::string_view dbId) const {
    return packageIdIndex_.Find(*packages_, kPackageDbId, dbId);
}

std::string CFilePackage::GetSubRows(std::string_view packageId) const {
    auto it = editionIndex_.find(packageId);
    return it == editionIndex_.end() ? std::string() : it->second;
}

std::string CFilePackage::GetDisplayName(int packageRow, int subRow) const {
    const Row* package = packages_->GetRow(packageRow);
    if (!package) return {};
    std::string name = (*package)[kPackageProduct];
    if (const Row* sub = subs_->GetRow(subRow); sub && (*sub)[kSubName] != kMissing)
        name += "(" + (*sub)[kSubName] + ")";
    return name;
}

}  // namespace scx

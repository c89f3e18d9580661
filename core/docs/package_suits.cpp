#include "core/docs/package_suits.h"

#include "core/docs/record_fields.h"
#include "core/text_util.h"

namespace scx {

PackageSuits::PackageSuits(const CFilePackage& list) : list_(list) {
    const CTableMulti& packages = list.Packages();
    for (int i = 0; i < packages.GetRowCount(); ++i) {
        const Row& row = *packages.GetRow(i);
        std::string editions = list.GetSubRows(row[fields::kPkgDbId]);
        if (editions.empty()) continue;
        Package package{i, SplitFields(row[fields::kPkgSuit], ";"), {}};
        for (const auto& number : SplitFields(editions, ";"))
            package.editions.push_back(static_cast<int>(std::min(ParseDigits(number), 1LL << 30)));
        int position = static_cast<int>(packages_.size());
        for (const auto& part : package.parts) {
            auto& needing = byPart_[part];
            if (needing.empty() || needing.back() != position) needing.push_back(position);
        }
        packages_.push_back(std::move(package));
    }
}

const std::vector<int>* PackageSuits::PackagesNeeding(const std::string& dbId) const {
    auto it = byPart_.find(dbId);
    return it == byPart_.end() ? nullptr : &it->second;
}

}  // namespace scx

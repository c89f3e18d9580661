#include "agent/scan/package_folding.h"

#include <cstdint>
#include <optional>
#include <set>

#include "agent/scan/scan_rows.h"
#include "core/text_util.h"

namespace scx::scan {
namespace {

constexpr int kColumns = 19;

std::string PackageRowText(const CTable& p, int row, const std::string& product, const std::string& price,
                           const std::string& path, const std::string& created, const std::string& installed) {
    std::string company = p.GetCell(row, "COMPANY");
    return Format("0\t%s\t%s\t%s\t-\t-\t-\t%s\t%s\t%s\t%s\t%s\t-\t0\t%s\t%s\t%s\t-\t%s", p.GetCell(row, "DB_ID").c_str(),
                  company.c_str(), product.c_str(), company.c_str(), product.c_str(), price.c_str(), path.c_str(),
                  created.c_str(), p.GetCell(row, "GRP_ID").c_str(), p.GetCell(row, "GRP_NAME").c_str(),
                  p.GetCell(row, "GRP_SEQ").c_str(), installed.c_str());
}

}  // namespace

int FoldResultPackages(const CFilePackage* packages, CTable& s, EditionChooser& chooser) {
    if (!packages) return 0;
    const CTableMulti& p = packages->Packages();
    const CTableMulti& b = packages->Subs();
    int count = 0;
    Row templateRow(kColumns);  // the part row that last supplied a package's place and dates

    for (int i = 0; i < p.GetRowCount(); ++i) {
        std::string packageId = p.GetCell(i, "DB_ID");
        std::string editions = packages->GetSubRows(packageId);
        std::vector<std::string> parts = SplitFields(p.GetCell(i, "SUIT"), ";");

        std::vector<std::string> matchedIds;
        std::vector<std::uint64_t> matchedRows;
        for (int o = 0; o < s.GetRowCount(); ++o) {
            if (s.GetCell(o, "GUBUN") != "1") continue;
            std::string dbId = s.GetCell(o, "DB_ID");
            for (auto it = parts.begin(); it != parts.end(); ++it)
                if (*it == dbId) {
                    matchedIds.push_back(dbId);
                    matchedRows.push_back(static_cast<std::uint64_t>(o));
                    parts.erase(it);
                    break;
                }
        }
        if (matchedRows.empty()) continue;
        SortIntegers(matchedRows, false);
        SortNumericStrings(matchedIds);
        std::string idText;
        for (const auto& id : matchedIds) idText += id + ";";

        std::string path, created, installed;
        for (auto r : matchedRows) {
            int row = static_cast<int>(r);
            if (idText.find(s.GetCell(row, "DB_ID")) == std::string::npos) continue;
            path = s.GetCell(row, "PATH");
            created = s.GetCell(row, "CREATE_DATE");
            installed = s.GetCell(row, "INSTALL_DATE");
            if (const Row* values = s.GetRow(row)) {
                templateRow = *values;
                templateRow.resize(kColumns);
            }
            if (!path.empty() && !created.empty() && !installed.empty()) break;
        }
        for (auto* value : {&path, &created, &installed})
            if (value->empty()) *value = std::string(kMissing);

        std::string product = p.GetCell(i, "PRODUCT");
        auto deleteMatched = [&] {
            for (auto r : matchedRows) s.DeleteRow(static_cast<int>(r));
        };
        if (editions.empty()) {
            s.AddRowText(PackageRowText(p, i, product, "0", path, created, installed), "\t");
            ++count;
            deleteMatched();
            continue;
        }
        std::vector<std::string> candidates;
        std::set<std::string> names;
        for (const auto& element : SplitFields(editions, ";")) {
            long long sub = ParseDigits(element);
            if (sub < 0 || sub >= b.GetRowCount()) continue;
            std::string name = b.GetCell(static_cast<int>(sub), "NAME");
            std::string editionProduct = (name.empty() || name == kMissing) ? product : product + "(" + name + ")";
            if (!names.insert(name).second) continue;
            candidates.push_back(PackageRowText(p, i, editionProduct, b.GetCell(static_cast<int>(sub), "PRICE"),
                                                path, created, installed));
        }
        if (candidates.empty()) candidates.push_back(PackageRowText(p, i, product, "0", path, created, installed));
        if (candidates.size() < 3) candidates.push_back(JoinWithTabs(templateRow));

        auto chosen = chooser.Choose(candidates);
        if (!chosen || chosen->empty()) continue;
        for (int index : *chosen)
            if (index >= 0 && index < static_cast<int>(candidates.size()))
                s.AddRowText(candidates[static_cast<size_t>(index)], "\t");
        ++count;
        deleteMatched();
    }
    return count;
}

}  // namespace scx::scan

#include "core/docs/file_rst.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "core/docs/record_fields.h"
#include "core/docs/table_order.h"
#include "core/record_columns.h"
#include "core/text_util.h"

namespace scx {
namespace {

using namespace fields;

struct SectionKind {
    std::string_view name;
    std::string_view columns;
};
constexpr SectionKind kSections[] = {
    {"#HEADER", columns::kTotalHeader},       {"#BASEINFO", columns::kRstBaseInfo},
    {"#USERINFO", columns::kTotalUserInfo},   {"#SWLIST", columns::kRstSwList},
    {"#PCHISTORY", columns::kPcHistory},
};

std::unique_ptr<CTable> NewSection(std::string_view name) {
    std::unique_ptr<CTable> table;
    if (name == "#HEADER" || name == "#BASEINFO")
        table = std::make_unique<CTableSingle>(std::string(name));
    else if (name == "#USERINFO")
        table = std::make_unique<CIdTable>(std::string(name));
    else if (name == "#SWLIST")
        table = std::make_unique<CSoftwareTable>(std::string(name));
    else
        table = std::make_unique<CTableMulti>(std::string(name));
    for (const auto& kind : kSections)
        if (kind.name == name) table->SetColumns(kind.columns, "\t");
    return table;
}

// Distinct row numbers, highest first: each selected row is deleted once.
std::vector<int> HighestFirst(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

}  // namespace

CFileRST::CFileRST() : CFileFramework(LinkedDocumentParams(DefaultFolder::CheckOutRst)) {
    header_ = AddSection<CTableSingle>("#HEADER", columns::kTotalHeader);
    baseInfo_ = AddSection<CTableSingle>("#BASEINFO", columns::kRstBaseInfo);
    userInfo_ = AddSection<CIdTable>("#USERINFO", columns::kTotalUserInfo);
    swList_ = AddSection<CSoftwareTable>("#SWLIST", columns::kRstSwList);
    pcHistory_ = AddSection<CTableMulti>("#PCHISTORY", columns::kPcHistory);
}

CTable* CFileRST::ResetTable(std::string_view name, bool deleteOld) {
    auto known = std::find_if(std::begin(kSections), std::end(kSections),
                              [&](const SectionKind& kind) { return kind.name == name; });
    if (known == std::end(kSections)) return nullptr;
    std::unique_ptr<CTable> old = SwapSection(name, NewSection(name));
    if (!deleteOld && old) oldTables_.push_back(std::move(old));
    CTable* fresh = GetTable(name);
    if (name == "#HEADER") header_ = static_cast<CTableSingle*>(fresh);
    if (name == "#BASEINFO") baseInfo_ = static_cast<CTableSingle*>(fresh);
    if (name == "#USERINFO") userInfo_ = static_cast<CIdTable*>(fresh);
    if (name == "#SWLIST") swList_ = static_cast<CSoftwareTable*>(fresh);
    if (name == "#PCHISTORY") pcHistory_ = static_cast<CTableMulti*>(fresh);
    return fresh;
}

void CFileRST::SetPcCount(long long count) {
    Row values = *baseInfo_->GetRow(0);
    values.resize(baseInfo_->Columns().size(), std::string(kMissing));
    int column = baseInfo_->FindColumn("PC_COUNT");
    if (column < 0) return;
    values[column] = CountText(count);
    baseInfo_->AddRow(values);
}

void CFileRST::Recount() {
    std::unordered_map<std::string, long long> installs;
    for (int i = 0; i < pcHistory_->GetRowCount(); ++i) ++installs[(*pcHistory_->GetRow(i))[kHistSwId]];
    for (int i = 0; i < swList_->GetRowCount(); ++i) {
        auto it = installs.find((*swList_->GetRow(i))[kSwId]);
        long long c = it == installs.end() ? 0 : it->second;
        long long r = ParseDigits((*swList_->GetRow(i))[kSwRightCnt]);
        if (c < r) r = c;
        swList_->SetCell(i, "INSTALL_CNT", CountText(c));
        swList_->SetCell(i, "RIGHT_CNT", CountText(r));
    }
    SetPcCount(userInfo_->GetRowCount());
}

void CFileRST::RemoveSoftwareWithoutInstalls() {
    RemoveRowsIf(*swList_, [](const Row& row) { return ParseDigits(row[kSwInstallCnt]) == 0; });
}

int CFileRST::DeleteSoftware(std::vector<int> rows) {
    if (rows.empty()) return 0;
    std::unordered_set<std::string> ids;
    for (int e : HighestFirst(std::move(rows))) {
        const Row* row = swList_->GetRow(e);
        if (!row) continue;
        ids.insert((*row)[kSwId]);
        swList_->DeleteRow(e);
    }
    RemoveRowsIf(*pcHistory_, [&](const Row& record) { return ids.count(record[kHistSwId]) > 0; });
    RemoveSoftwareWithoutInstalls();
    return 1;
}

int CFileRST::DeletePcs(std::vector<int> rows) {
    if (rows.empty()) return 0;
    std::unordered_set<std::string> ids;
    for (int p : HighestFirst(std::move(rows))) {
        const Row* row = userInfo_->GetRow(p);
        if (!row) continue;
        ids.insert((*row)[kUserId]);
        userInfo_->DeleteRow(p);
    }
    if (ids.empty()) {
        RemoveSoftwareWithoutInstalls();
        return 0;
    }
    RemoveRowsIf(*pcHistory_, [&](const Row& record) { return ids.count(record[kHistUserId]) > 0; });
    Recount();
    RemoveSoftwareWithoutInstalls();
    return 1;
}

int CFileRST::DeleteInstallRecords(int row, const std::vector<int>& positions) {
    if (positions.empty()) return 0;
    const Row* software = swList_->GetRow(row);
    if (!software) return 0;
    const std::string id = (*software)[kSwId];
    std::unordered_set<int> wanted(positions.begin(), positions.end());
    std::vector<int> marked;
    int number = 0;
    for (int i = 0; i < pcHistory_->GetRowCount(); ++i)
        if ((*pcHistory_->GetRow(i))[kHistSwId] == id && wanted.count(++number)) marked.push_back(i);
    int d = 0;
    for (auto it = marked.rbegin(); it != marked.rend(); ++it) d += pcHistory_->DeleteRow(*it);
    if (d == 0) return 0;
    long long i = std::max(AddCounts(ParseDigits((*software)[kSwInstallCnt]), -d), 0LL);
    long long r = ParseDigits((*software)[kSwRightCnt]);
    if (i < r) r = i;
    swList_->SetCell(row, "INSTALL_CNT", CountText(i));
    swList_->SetCell(row, "RIGHT_CNT", CountText(r));
    RemoveSoftwareWithoutInstalls();
    return 1;
}

int CFileRST::ClearUserColumn(int kind) {
    static constexpr std::string_view kColumns[] = {"GROUP_NAME", "USER_NAME", "PC_NAME", "PC_IP"};
    if (kind < 0 || kind >= static_cast<int>(std::size(kColumns))) return 1;
    for (int i = 0; i < userInfo_->GetRowCount(); ++i) userInfo_->SetCell(i, kColumns[kind], kMissing);
    return 1;
}

}  // namespace scx

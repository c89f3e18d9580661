#include "core/docs/total_list_merge.h"

#include <algorithm>
#include <cstdint>

#include "core/docs/record_fields.h"
#include "core/docs/table_order.h"
#include "core/text_util.h"

namespace scx {
namespace {

using namespace fields;

// Writers put "-" where they have no value; rows built in memory may hold empty texts.
const std::string& Value(const std::string& text) {
    static const std::string missing(kMissing);
    return text.empty() ? missing : text;
}

bool IsResult(const LinkedSections& s) { return s.kind == LinkedSections::Kind::Result; }

void CountOneMore(CSoftwareTable& software, int row, int column) {
    long long count = ParseDigits((*software.GetRow(row))[column]);
    software.SetCell(row, software.Columns()[column], CountText(AddCounts(count, 1)));
}

// An install record: the PC, the software and the five install values of the program (or of
// the package's joined values).
void AddHistory(CTableMulti& history, const std::string& userId, const std::string& softwareId,
                const Row& values, const int (&columns)[5]) {
    Row row;
    row.reserve(7);
    row.push_back(userId);
    row.push_back(softwareId);
    for (int c : columns) row.push_back(Value(values[c]));
    history.AddRow(std::move(row));
}

constexpr int kInstallColumns[5] = {kIptExeFile, kIptPath, kIptCreateDate, kIptSerialNo, kIptInstallDate};
constexpr int kJoinedColumns[5] = {0, 1, 2, 3, 4};

struct Fold {
    std::vector<int> rows;             // component rows of the PC, highest first
    std::vector<std::string> parts;    // their DB_IDs, ascending
};

// The component rows of `iptSoftware` that take part in the package: each required part is taken
// by the first row with that DB_ID.
Fold MatchParts(const PackageSuits::Package& package, const CTableMulti& iptSoftware) {
    Fold fold;
    std::vector<std::string> remaining = package.parts;
    for (int o = 0; o < iptSoftware.GetRowCount() && !remaining.empty(); ++o) {
        const std::string& dbId = (*iptSoftware.GetRow(o))[kIptDbId];
        auto part = std::find(remaining.begin(), remaining.end(), dbId);
        if (part == remaining.end()) continue;
        fold.rows.push_back(o);
        fold.parts.push_back(dbId);
        remaining.erase(part);
    }
    std::vector<std::uint64_t> rows(fold.rows.begin(), fold.rows.end());
    SortIntegers(rows, false);
    fold.rows.assign(rows.begin(), rows.end());
    SortNumericStrings(fold.parts);
    return fold;
}

// The edition whose SUIT is exactly the parts found, each followed by ";", or -1.
int FindEdition(const PackageSuits::Package& package, const CTableMulti& subs, const Fold& fold) {
    std::string combination;
    for (const auto& part : fold.parts) combination += part + ";";
    for (int b : package.editions) {
        const Row* sub = subs.GetRow(b);
        if (sub && (*sub)[kSubSuit] == combination) return b;
    }
    return -1;
}

// The package's install values: each component's value followed by ";", highest row first.
Row JoinInstalls(const CTableMulti& iptSoftware, const Fold& fold) {
    Row joined(std::size(kInstallColumns));
    for (int o : fold.rows)
        for (size_t c = 0; c < std::size(kInstallColumns); ++c)
            joined[c] += (*iptSoftware.GetRow(o))[kInstallColumns[c]] + ";";
    return joined;
}

bool IsOsOnBrandPc(const std::string& pcKinds, const Row& program) {
    return pcKinds == "0" && IsSameText(program[kIptEtc], "OS", true);
}

void CountProgram(LinkedSections& s, const std::string& user, const std::string& pcKinds,
                  const Row& program) {
    bool result = IsResult(s);
    bool licensedOs = result && IsOsOnBrandPc(pcKinds, program);
    int k = s.software.FindSoftware(program[kIptGubun], program[kIptDispCompany],
                                    program[kIptDispProduct]);
    if (k >= 0) {
        CountOneMore(s.software, k, kSwInstallCnt);
        if (licensedOs) CountOneMore(s.software, k, kSwRightCnt);
        AddHistory(s.history, user, (*s.software.GetRow(k))[kSwId], program, kInstallColumns);
        return;
    }
    long long n = NextId(s.software);
    if (n < 0) return;
    Row row{CountText(n), Value(program[kIptGubun]), Value(program[kIptDbId]),
            Value(program[kIptDispCompany]), Value(program[kIptDispProduct]),
            Value(program[kIptPrice]), "1", Value(program[kIptEtc]), Value(program[kIptSwType])};
    if (result) {
        for (int c : {kIptGrpId, kIptGrpName, kIptGrpSeq}) row.push_back(Value(program[c]));
        row.push_back(licensedOs ? "1" : "0");
    } else {
        row.insert(row.end(), {"-", "-", "-"});
    }
    if (s.software.AddRow(row) < 0) return;
    AddHistory(s.history, user, CountText(n), program, kInstallColumns);
    // Programs not identified through the checklist keep their version-resource values.
    if (s.keys && (program[kIptGubun] == "2" || program[kIptGubun] == "99"))
        s.keys->AddRow(Row{Value(program[kIptCompany]), Value(program[kIptProduct]),
                           Value(program[kIptVersion]), Value(program[kIptOriginalFile]),
                           Value(program[kIptExeFile])});
}

}  // namespace

FileClassParams LinkedDocumentParams(DefaultFolder folder) {
    FileClassParams p;
    p.folder = folder;
    p.loadAccess = platform::Access::ReadWrite;
    p.loadShare = platform::Share::DenyWrite;
    p.keepOpen = true;
    p.writable = true;
    p.saveAsSetsPath = false;
    return p;
}

int LoadInspectionResult(CFileIPT& ipt, std::string_view nameOrPath) {
    bool isPath = nameOrPath.find_first_of("/\\") != std::string_view::npos;
    return ipt.Load(nameOrPath, isPath);
}

int FoldPackageParts(LinkedSections& s, CTableMulti& iptSoftware, long long userId,
                     const PackageSuits* packages) {
    if (!packages) return 0;
    const CFilePackage& list = packages->List();
    // Only packages needing one of the PC's programs can fold; folding only removes rows, so the
    // candidates found now are all there are in this pass.
    std::vector<int> candidates;
    for (int o = 0; o < iptSoftware.GetRowCount(); ++o)
        if (const auto* needing = packages->PackagesNeeding((*iptSoftware.GetRow(o))[kIptDbId]))
            candidates.insert(candidates.end(), needing->begin(), needing->end());
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());

    std::string user = CountText(userId);
    int count = 0;
    for (int position : candidates) {
        const PackageSuits::Package& package = packages->Packages()[position];
        Fold fold = MatchParts(package, iptSoftware);
        // Without a component there is nothing to replace (and repeating would never end).
        if (fold.rows.empty()) continue;
        int b = FindEdition(package, list.Subs(), fold);
        if (b < 0) continue;
        const Row& pkg = *list.Packages().GetRow(package.row);
        const Row& sub = *list.Subs().GetRow(b);
        std::string product = list.GetDisplayName(package.row, b);
        Row installs = JoinInstalls(iptSoftware, fold);

        int k = s.software.FindSoftware("0", pkg[kPkgCompany], product);
        if (k >= 0) {
            CountOneMore(s.software, k, kSwInstallCnt);
            AddHistory(s.history, user, (*s.software.GetRow(k))[kSwId], installs, kJoinedColumns);
        } else {
            long long n = NextId(s.software);
            if (n < 0) continue;
            Row row{CountText(n), "0", Value(pkg[kPkgDbId]), Value(pkg[kPkgCompany]), Value(product),
                    Value(sub[kSubPrice]), "1", "-", Value(pkg[kPkgSwType]), "-", "-", "-"};
            if (IsResult(s)) row.push_back("0");
            if (s.software.AddRow(row) < 0) continue;
            AddHistory(s.history, user, CountText(n), installs, kJoinedColumns);
        }
        for (int o : fold.rows) iptSoftware.DeleteRow(o);
        ++count;
    }
    return count;
}

int MergeIptRows(LinkedSections& s, CFileIPT& ipt, const PackageSuits* packages) {
    long long u = NextId(s.users);
    if (u < 0) return 0;
    std::string user = CountText(u);
    if (s.users.AddRowText(user + "\t" + ipt.UserInfo().GetRowText(0), "\t") < 0) return 0;
    std::string pcKinds = ipt.UserInfo().GetCell(0, "PC_KINDS");

    CTableMulti& programs = ipt.SwList();
    while (FoldPackageParts(s, programs, u, packages) > 0) {
    }
    for (int r = 0; r < programs.GetRowCount(); ++r) CountProgram(s, user, pcKinds, *programs.GetRow(r));
    return 1;
}

}  // namespace scx

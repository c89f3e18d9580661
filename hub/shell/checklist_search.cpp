#include "hub/shell/checklist_search.h"

#include <map>

#include "core/db/checklist_database.h"
#include "core/db/file_checklist.h"
#include "core/db/file_package.h"
#include "core/docs/file_ipt.h"
#include "core/prompter.h"
#include "core/text_util.h"
#include "hub/shell/ipt_edit.h"

namespace scx {
namespace {

constexpr std::string_view kNoCheckList =
    "체크리스트(checklist.dat)를 로드할 수 없습니다.\n체크리스트 갱신 후 다시 시도해 주십시요.";
constexpr std::string_view kNoPackage =
    "패키지(package.dat)를 로드할 수 없습니다.\n체크리스트 갱신 후 다시 시도해 주십시요.";

std::string Trim(std::string_view text) {
    size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos) return {};
    size_t end = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(begin, end - begin + 1));
}

struct Terms {
    std::string company, program;
    bool Match(std::string_view candidateCompany, std::string_view candidateProgram) const {
        if (!company.empty() && LowerCase(candidateCompany).find(company) == std::string::npos) return false;
        if (!program.empty() && LowerCase(candidateProgram).find(program) == std::string::npos) return false;
        return true;
    }
};

std::string Numbered(int index, int rowCount) { return ZeroPad(RowNumberWidth(rowCount), index); }

void SearchCheckList(const CFileCheckList& db, bool windowsOnly, const Terms& terms, std::vector<ChecklistHit>& hits) {
    const CTableMulti& list = db.CheckList();
    const int count = list.GetRowCount();
    for (int row = 0; row < count; ++row) {
        std::string company = list.GetCell(row, "DISP_COMPANY");
        std::string program = list.GetCell(row, "DISP_PRODUCT");
        if (windowsOnly && (LowerCase(company).find("microsoft") == std::string::npos ||
                            LowerCase(program).find("windows") == std::string::npos))
            continue;
        if (!terms.Match(company, program)) continue;
        hits.push_back({Numbered(row, count), company, program, list.GetCell(row, "EXE_FILE"),
                        list.GetCell(row, "PRICE")});
    }
}

void SearchPackages(const CFilePackage& db, const Terms& terms, std::vector<ChecklistHit>& hits) {
    const CTableMulti& subs = db.Subs();
    const int count = subs.GetRowCount();
    std::map<std::string, ChecklistHit> byDisplay;  // the first edition of each display text
    for (int sub = 0; sub < count; ++sub) {
        int package = db.FindPackageRow(subs.GetCell(sub, "PACKAGE_ID"));
        if (package < 0) continue;
        std::string display = db.GetDisplayName(package, sub);
        if (byDisplay.count(display)) continue;
        byDisplay.emplace(display, ChecklistHit{Numbered(sub, count), db.Packages().GetCell(package, "COMPANY"),
                                                display, std::string(kMissing), subs.GetCell(sub, "PRICE")});
    }
    for (auto& [display, hit] : byDisplay)
        if (terms.Match(hit.company, hit.program)) hits.push_back(std::move(hit));
}

}  // namespace

bool SearchChecklist(ProductType type, std::string_view company, std::string_view program,
                     Prompter& prompter, std::vector<ChecklistHit>& hits) {
    hits.clear();
    auto checkList = GetWindowCheckList();
    if (!checkList) {
        prompter.ShowMessage(kNoCheckList);
        return false;
    }
    Terms terms{LowerCase(Trim(company)), LowerCase(Trim(program))};
    if (type != ProductType::Package) {
        SearchCheckList(*checkList, type == ProductType::Windows, terms, hits);
        return true;
    }
    auto packages = GetPackageList();
    if (!packages) {
        prompter.ShowMessage(kNoPackage);
        return false;
    }
    SearchPackages(*packages, terms, hits);
    return true;
}

void AddChecklistRows(CFileIPT& file, ProductType type, const std::vector<int>& sourceRows,
                      std::vector<int>& added) {
    CTableMulti& swList = file.SwList();
    if (type != ProductType::Package) {
        auto db = GetWindowCheckList();
        if (!db) return;
        const CTableMulti& list = db->CheckList();
        for (int source : sourceRows) {
            if (source < 0 || source >= list.GetRowCount()) continue;
            auto cell = [&](const char* column) { return list.GetCell(source, column); };
            int row = swList.AddRowText(
                Format("1\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t-\t-\t-\t%s\t-\t-\t-\t-\t-", cell("DB_ID").c_str(),
                       cell("COMPANY").c_str(), cell("PRODUCT").c_str(), cell("VERSION").c_str(),
                       cell("ORIGINAL_FILE").c_str(), cell("EXE_FILE").c_str(), cell("DISP_COMPANY").c_str(),
                       cell("DISP_PRODUCT").c_str(), cell("PRICE").c_str(), cell("SW_TYPE").c_str()),
                "\t");
            if (row >= 0) added.push_back(row);
        }
        return;
    }
    auto db = GetPackageList();
    if (!db) return;
    const CTableMulti& subs = db->Subs();
    for (int sub : sourceRows) {
        if (sub < 0 || sub >= subs.GetRowCount()) continue;
        std::string packageId = subs.GetCell(sub, "PACKAGE_ID");
        int package = db->FindPackageRow(packageId);
        if (package < 0) continue;
        int row = swList.AddRowText(
            Format("0\t%s\t-\t-\t-\t-\t%s\t%s\t%s\t%s\t-\t-\t-\t%s\t-\t-\t-\t-\t-", packageId.c_str(), "-",
                   db->Packages().GetCell(package, "COMPANY").c_str(), db->GetDisplayName(package, sub).c_str(),
                   subs.GetCell(sub, "PRICE").c_str(), db->Packages().GetCell(package, "SW_TYPE").c_str()),
            "\t");
        if (row >= 0) added.push_back(row);
    }
}

}  // namespace scx

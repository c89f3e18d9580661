#include "hub/result/result_creation.h"

#include <unordered_map>
#include <unordered_set>

#include "core/docs/record_fields.h"
#include "core/text_util.h"

namespace scx {

using namespace fields;

std::vector<int> ShownSoftwareRows(const CFileTLS& total) {
    std::vector<int> rows;
    for (int i = 0; i < total.SwList().GetRowCount(); ++i)
        if ((*total.SwList().GetRow(i))[kSwGubun] != "99") rows.push_back(i);
    return rows;
}

std::vector<int> DefaultMarkedRows(const CFileTLS& total) {
    std::vector<int> rows;
    for (int i : ShownSoftwareRows(total))
        if ((*total.SwList().GetRow(i))[kSwGubun] != "2") rows.push_back(i);
    return rows;
}

void InitNewResult(CFileRST& result) { result.Header().AddRowText("2", "\t"); }

void FillResultFromTotalList(const CFileTLS& total, const std::vector<int>& markedRows,
                             CFileRST& result) {
    // PCs, remembering which are brand PCs (they come with their operating-system licence).
    std::unordered_map<std::string, bool> brandPc;
    for (int i = 0; i < total.UserInfo().GetRowCount(); ++i) {
        if (result.UserInfo().AddRowText(total.UserInfo().GetRowText(i), "\t") < 0) continue;
        const Row& pc = *total.UserInfo().GetRow(i);
        brandPc[pc[kUserId]] = pc[kUserPcKinds] == "0";
    }

    std::unordered_map<std::string, std::vector<int>> recordsOf;
    for (int i = 0; i < total.PcHistory().GetRowCount(); ++i)
        recordsOf[(*total.PcHistory().GetRow(i))[kHistSwId]].push_back(i);

    for (int r : markedRows) {
        const Row* software = total.SwList().GetRow(r);
        if (!software) continue;
        const std::string& type = (*software)[kSwType];
        std::string rights = type == "2" || type == "-" ? (*software)[kSwInstallCnt] : "0";
        if (result.SwList().AddRowText(total.SwList().GetRowText(r) + "\t" + rights, "\t") < 0) continue;
        auto records = recordsOf.find((*software)[kSwId]);
        if (records == recordsOf.end()) continue;
        for (int h : records->second) result.PcHistory().AddRowText(total.PcHistory().GetRowText(h), "\t");
    }

    // Operating systems: one licence per brand PC they are installed on.
    std::unordered_map<std::string, long long> brandInstalls;
    for (int i = 0; i < result.PcHistory().GetRowCount(); ++i) {
        const Row& record = *result.PcHistory().GetRow(i);
        auto pc = brandPc.find(record[kHistUserId]);
        if (pc != brandPc.end() && pc->second) ++brandInstalls[record[kHistSwId]];
    }
    for (int i = 0; i < result.SwList().GetRowCount(); ++i) {
        const Row& software = *result.SwList().GetRow(i);
        if (!IsSameText(software[kSwEtc], "OS", true)) continue;
        auto count = brandInstalls.find(software[kSwId]);
        if (count != brandInstalls.end() && count->second >= 1)
            result.SwList().SetCell(i, "RIGHT_CNT", std::to_string(count->second));
    }
    result.SetPcCount(result.UserInfo().GetRowCount());
}

}  // namespace scx

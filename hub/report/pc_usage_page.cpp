// "PC별 사용현황": one table per PC listing its software, a total per PC and a grand total.

#include <unordered_map>

#include "core/docs/record_fields.h"
#include "core/text_util.h"
#include "hub/report/html_text.h"
#include "hub/report/report_page.h"
#include "hub/report/usage_report.h"

namespace scx::report {

using namespace scx::fields;

namespace {

constexpr std::string_view kPcHeaders[kPcColumnCount] = {
    "    <td align='center'>회사(부서)명</td>", "    <td align='center'>사용자</td>",
    "    <td align='center'>유형</td>",         "    <td align='center'>SW명</td>",
    "    <td align='center'>저작사</td>",       "    <td align='center'>제품시리얼</td>",
    "    <td align='center'>소비자가</td>",
};

// The cells of one software as every PC's table lists it, made once per software: those before
// the serial number, those after it, and the price that enters the sums.
struct SoftwareCells {
    std::string head;
    std::string tail;
    double price = 0;
};

SoftwareCells CellsOf(const Row& sw, const std::vector<bool>& on) {
    SoftwareCells cells;
    if (on[kPcColType]) AppendCenterCell(cells.head, ReportTypeName(sw[kSwType]));
    if (on[kPcColName]) AppendCenterCell(cells.head, sw[kSwProduct]);
    if (on[kPcColCompany]) AppendCenterCell(cells.head, sw[kSwCompany]);
    cells.price = ParseDigitsReal(sw[kSwPrice]);
    if (on[kPcColPrice]) AppendPriceCell(cells.tail, cells.price);
    return cells;
}

// One software listed for a PC: its cells and the install record's serial number.
struct Entry {
    const SoftwareCells* cells;
    const std::string* serial;
};

void AppendEntryCells(std::string& page, const Entry& entry, const std::vector<bool>& on, double& priceSum) {
    page += entry.cells->head;
    if (on[kPcColSerial]) AppendCenterCell(page, *entry.serial);
    page += entry.cells->tail;
    priceSum += entry.cells->price;
}

}  // namespace

void BuildPcUsagePage(const CFileRST& result, const std::vector<bool>& on, PageOut& out) {
    std::string& page = out.text;
    const CTableMulti& pcs = result.UserInfo();
    const CTableMulti& software = result.SwList();
    const CTableMulti& history = result.PcHistory();

    // Software cells by ID (a later duplicate replaces an earlier one), and each PC's install records
    // in table order, gathered in one pass instead of one pass per PC.
    std::vector<SoftwareCells> cells(static_cast<size_t>(software.GetRowCount()));
    std::unordered_map<std::string_view, const SoftwareCells*> softwareById;
    softwareById.reserve(cells.size());
    for (int i = 0; i < software.GetRowCount(); ++i) {
        const Row& row = *software.GetRow(i);
        cells[static_cast<size_t>(i)] = CellsOf(row, on);
        softwareById[row[kSwId]] = &cells[static_cast<size_t>(i)];
    }
    std::unordered_map<std::string_view, std::vector<Entry>> entriesByPc;
    entriesByPc.reserve(static_cast<size_t>(pcs.GetRowCount()));
    for (int i = 0; i < history.GetRowCount(); ++i) {
        const Row& record = *history.GetRow(i);
        auto sw = softwareById.find(record[kHistSwId]);
        if (sw == softwareById.end()) continue;  // a record of a software no longer listed
        entriesByPc[record[kHistUserId]].push_back({sw->second, &record[kHistSerialNo]});
    }

    int shown = 0;
    for (int c = 0; c < kPcColumnCount; ++c) shown += on[c];

    AppendPageHead(page, "PC별 사용현황", false);

    static const std::vector<Entry> kNoEntries;
    long long grandCount = 0;
    double grandSum = 0;
    for (int p = 0; p < pcs.GetRowCount(); ++p) {
        const Row& pc = *pcs.GetRow(p);
        auto found = entriesByPc.find(pc[kUserId]);
        const std::vector<Entry>& entries = found == entriesByPc.end() ? kNoEntries : found->second;
        long long count = static_cast<long long>(entries.size());
        long long rowspan = count > 0 ? count : 1;
        double priceSum = 0;

        page += kMainTable;
        page += "  <tr height='30' bgcolor='#E6E6FA'>";
        for (int c = 0; c < kPcColumnCount; ++c)
            if (on[c]) page += kPcHeaders[c];
        page += "  </tr>";

        page += "  <tr height='30'>";
        if (on[kPcColGroup]) {
            page += Format("    <td align='center' rowspan='%lld'>", rowspan);
            AppendEscaped(page, pc[kUserGroupName]);
            page += "</td>";
        }
        if (on[kPcColUser]) {
            page += Format("    <td align='center' rowspan='%lld'>", rowspan);
            AppendEscaped(page, pc[kUserUserName]);
            page += "<br>(";
            AppendEscaped(page, pc[kUserPcName]);
            page += ")<br>";
            AppendEscaped(page, pc[kUserPcIp]);
            page += "</td>";
        }
        if (entries.empty()) {
            for (int c = kPcColType; c < kPcColumnCount; ++c)
                if (on[c]) page += "    <td align='center'>&nbsp;</td>";
        } else {
            AppendEntryCells(page, entries[0], on, priceSum);
        }
        page += "  </tr>";
        for (size_t e = 1; e < entries.size(); ++e) {
            page += "  <tr>";
            AppendEntryCells(page, entries[e], on, priceSum);
            page += "  </tr>";
            out.Spill();
        }

        page += "  <tr>";
        if (on[kPcColPrice])
            page += Format("    <td height='30' colspan='%d' align='center'><b>합 계 : %lld개</b></td>"
                           "<td height='30' align='center'><b>%s</b>",
                           shown - 1, count, GroupThousands(priceSum).c_str());
        else
            page += Format("    <td height='30' colspan='%d' align='center'><b>합 계 : %lld개</b></td>", shown, count);
        page += "  </tr>";
        page += "  </table>";
        page += "<table width='100%' cellspacing='0' cellpadding='0' border='0'>";
        page += "  <tr><td align='center' height='10'> </td></tr>";
        page += "</table>";
        grandCount += count;
        grandSum += priceSum;
    }

    page += "<br>";
    page += "<table width='100%' cellspacing='0' cellpadding='0' style='border:1px solid #000000'  bgcolor='#E6E6FA'>";
    page += "  <tr>";
    if (on[kPcColPrice])
        page += Format("    <td height='40' align='center' class='total'>총 합계 : %lld개</td>"
                       "<td height='40' align='center' class='total'><b>%s</b></td>",
                       grandCount, GroupThousands(grandSum).c_str());
    else
        page += Format("    <td height='40' align='center' class='total'>총 합계 : %lld개</td>", grandCount);
    page += "  </tr>";
    page += "</table>";
    page += "</center>";
    page += kNotice;
    page += "</body>";
    page += "</html>";
    out.Finish();
}

}  // namespace scx::report

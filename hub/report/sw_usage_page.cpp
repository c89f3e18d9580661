// "SW별 사용현황": one row per software with its counts, a totals row and a ratio row.

#include "core/docs/record_fields.h"
#include "core/text_util.h"
#include "hub/report/html_text.h"
#include "hub/report/report_page.h"
#include "hub/report/usage_report.h"

namespace scx::report {

using namespace scx::fields;

namespace {

// Header cells per box; the price box heads two columns.
constexpr std::string_view kSwHeaders[kSwColumnCount] = {
    "    <td align='center'>순번</td>",   "    <td align='center'>유형</td>",
    "    <td align='center'>SW명</td>",   "    <td align='center'>저작사</td>",
    "    <td align='center'>설치</td>",   "    <td align='center'>정품</td>",
    "    <td align='center'>복제</td>",
    "    <td align='center'>소비자가</td>    <td align='center'>합계</td>",
    "    <td align='center'>비고</td>",
};

struct Sums {
    long long install = 0;
    long long licence = 0;
    double amount = 0;
};

void AppendSoftwareRow(std::string& page, const Row& sw, int position, const std::vector<bool>& on, Sums& sums) {
    long long install = ParseDigits(sw[kSwInstallCnt]);
    long long licence = ParseDigits(sw[kSwRightCnt]);
    long long copy = install - licence;
    double price = ParseDigitsReal(sw[kSwPrice]);
    double amount = static_cast<double>(copy) * price;
    sums.install += install;
    sums.licence += licence;
    sums.amount += amount;

    page += "  <tr height='30'>";
    if (on[kSwColNumber]) AppendCenterCell(page, position + 1);
    if (on[kSwColType]) AppendCenterCell(page, ReportTypeName(sw[kSwType]));
    if (on[kSwColName]) AppendCenterCell(page, sw[kSwProduct]);
    if (on[kSwColCompany]) AppendCenterCell(page, sw[kSwCompany]);
    if (on[kSwColInstall]) AppendCenterCell(page, install);
    if (on[kSwColLicence]) AppendCenterCell(page, licence);
    if (on[kSwColCopy]) AppendCenterCell(page, copy);
    if (on[kSwColPrice]) {
        AppendPriceCell(page, price);
        AppendPriceCell(page, amount);
    }
    if (on[kSwColRemark]) {
        page += "    <td width='10%' align='center'>";
        if (sw[kSwEtc] == kMissing)
            page += "&nbsp;";
        else
            AppendEscaped(page, sw[kSwEtc]);
        page += "</td>";
    }
    page += "  </tr>";
}

void AppendTotalsRow(std::string& page, const CFileRST& result, const std::vector<bool>& on, const Sums& sums) {
    page += "<tr height='30'>";
    if (on[kSwColNumber]) page += "    <td align='center'><b>합 계</td>";
    int nameColumns = on[kSwColType] + on[kSwColName] + on[kSwColCompany];
    if (nameColumns > 0)
        page += Format("<td align='center' colspan = %d><b>총 %d대(PC), SW %d종, %lld개</td>", nameColumns,
                       result.UserInfo().GetRowCount(), result.SwList().GetRowCount(), sums.install);
    if (on[kSwColInstall]) page += Format("<td align='center'><b>%lld</td>", sums.install);
    if (on[kSwColLicence]) page += Format("<td align='center'><b>%lld</td>", sums.licence);
    if (on[kSwColCopy]) page += Format("<td align='center'><b>%lld</td>", sums.install - sums.licence);
    if (on[kSwColPrice]) page += "<td colspan=2 align='center'><b>" + GroupThousands(sums.amount) + "</b></td>";
    if (on[kSwColRemark]) page += "<td>&nbsp</td>";
    page += "  </tr>";
}

void AppendRatioRow(std::string& page, const std::vector<bool>& on, const Sums& sums) {
    double copyRatio = sums.install == 0 ? 0.0
                                         : static_cast<double>(sums.install - sums.licence) * 100.0 /
                                               static_cast<double>(sums.install);
    page += "<tr height='30'>";
    int leading = on[kSwColNumber] + on[kSwColType] + on[kSwColName] + on[kSwColCompany] + on[kSwColInstall];
    if (leading > 0) page += Format("<td align='center' colspan = %d><b>비 율</td>", leading);
    if (on[kSwColLicence]) page += Format("<td align='center'><b>%.2f％</td>", 100.0 - copyRatio);
    if (on[kSwColCopy]) page += Format("<td align='center'><b>%.2f％</td>", copyRatio);
    if (on[kSwColPrice]) page += "<td colspan=2>&nbsp;</td>";
    if (on[kSwColRemark]) page += "<td>&nbsp;</td>";
    page += "  </tr>";
}

}  // namespace

void BuildSwUsagePage(const CFileRST& result, const std::vector<bool>& on, PageOut& out) {
    std::string& page = out.text;
    AppendPageHead(page, "SW별 사용현황", true);
    page += kMainTable;
    page += "  <tr bgcolor='#E6E6FA' height='50'>";
    for (int c = 0; c < kSwColumnCount; ++c)
        if (on[c]) page += kSwHeaders[c];
    page += "  </tr>";

    Sums sums;
    const CTableMulti& software = result.SwList();
    for (int k = 0; k < software.GetRowCount(); ++k) {
        const Row& sw = *software.GetRow(k);
        // Shareware and freeware are listed only with the type column; skipped rows leave a gap
        // in the running numbers and add nothing to the sums.
        if (!on[kSwColType] && (sw[kSwType] == "1" || sw[kSwType] == "2")) continue;
        AppendSoftwareRow(page, sw, k, on, sums);
        out.Spill();
    }
    AppendTotalsRow(page, result, on, sums);
    AppendRatioRow(page, on, sums);

    page += " </table>";
    page += "<table width='100%' cellspacing='0' cellpadding='0' border='0'><tr><td align='center' height='10'> "
            "</td></tr></table><br>";
    page += "</center>";
    page += kNotice;
    page += "</body></html>";
    out.Finish();
}

}  // namespace scx::report

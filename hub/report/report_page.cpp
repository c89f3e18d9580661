#include "hub/report/report_page.h"

#include "core/text_util.h"
#include "hub/report/html_text.h"

namespace scx::report {

void AppendPageHead(std::string& page, std::string_view name, bool withCommentRule) {
    page += "<html><head><title>";
    page += name;
    page += " - Scrutinex8.0</title>";
    page += kMeta;
    page += "<style>";
    page += kTdRule;
    page += kTitleRule;
    if (withCommentRule) page += kCommentRule;
    page += kTotalRule;
    page += "</style></head>";
    page += kBody;
    page += "<center>";
    page += "<table width='100%' height='60' cellspacing='0' cellpadding='0' style='border:1px solid #000000'>";
    page += "  <tr>";
    page += "    <td align='center' colspan='4'>";
    page += "      <table border='0' cellspacing='0' cellpadding='0'>";
    page += "        <tr><td class='title'>&nbsp;";
    page += name;
    page += "&nbsp;</td></tr>";
    page += "      </table>";
    page += "    </td>";
    page += "  </tr>";
    page += "</table><br>";
}

void AppendCenterCell(std::string& page, std::string_view value) {
    page += kCenterCell;
    AppendEscaped(page, value);
    page += "</td>";
}

void AppendCenterCell(std::string& page, long long value) {
    page += kCenterCell;
    page += std::to_string(value);
    page += "</td>";
}

void AppendPriceCell(std::string& page, double amount) {
    page += kPriceCell;
    page += GroupThousands(amount);
    page += kPriceCellEnd;
}

std::string_view ReportTypeName(std::string_view swType) {
    if (swType == "0") return "상용";
    if (swType == "1") return "쉐어";
    if (swType == "2") return "프리";
    return "-";
}

}  // namespace scx::report

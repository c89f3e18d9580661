#pragma once
// Pieces the two usage-report pages share: the page head with its style rules and title box,
// the closing notice, the type names, and value cells.

#include <string>
#include <string_view>
#include <vector>

namespace scx::report {

inline constexpr std::string_view kMeta = "<meta http-equiv='Content-Type' content='text/html; charset=euc-kr'>";
inline constexpr std::string_view kTdRule = "  td { font-size: 10pt; line-height: 15pt; word-break:break-all; }";
inline constexpr std::string_view kTitleRule =
    "  .title { font-family: '굴림'; font-size: 22pt; line-height: 25pt; color: #000000; font-weight: bold; "
    "border-bottom-width:3; border-bottom-style:double; border-color:black;}";
inline constexpr std::string_view kCommentRule =
    "  .comment { font-family: '굴림'; font-size: 12pt; line-height: 15pt; color: #000000; }";
inline constexpr std::string_view kTotalRule =
    "  .total { font-family: '굴림'; font-size: 15pt; line-height: 20pt; color: #000000; font-weight: bold; }";
inline constexpr std::string_view kBody = "<body bgcolor='#FFFFFF' text='#000000' cellspacing='0' cellpadding='0'>";
inline constexpr std::string_view kMainTable =
    "<table width='100%' cellspacing='0' cellpadding='0' border='1' bordercolordark='white' bordercolorlight='black'>";
inline constexpr std::string_view kNotice =
    "<br><center><font color=#ff0000>영리 및 민/형사상 증거자료로 활용할 수 없습니다.</font></center><br>";
inline constexpr std::string_view kCenterCell = "    <td align='center'>";
inline constexpr std::string_view kPriceCell = "<td align='right' style='font-size:8pt'>";
inline constexpr std::string_view kPriceCellEnd = "&nbsp;</td>";

// "<html><head><title>NAME - Scrutinex8.0</title>", the meta line, the style rules (the .comment
// rule only in the SW report), the body, "<center>" and the boxed title "&nbsp;NAME&nbsp;".
void AppendPageHead(std::string& page, std::string_view name, bool withCommentRule);
// "    <td align='center'>VALUE</td>" with the value escaped.
void AppendCenterCell(std::string& page, std::string_view value);
// The same cell with a number.
void AppendCenterCell(std::string& page, long long value);
// "<td align='right' style='font-size:8pt'>AMOUNT&nbsp;</td>" with the amount's groups of three.
void AppendPriceCell(std::string& page, double amount);
// SW_TYPE "0" "상용", "1" "쉐어", "2" "프리", anything else "-".
std::string_view ReportTypeName(std::string_view swType);

}  // namespace scx::report

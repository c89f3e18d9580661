#pragma once
// "결과작성": a new result made from the marked software of a total list.

#include <string_view>
#include <vector>

#include "core/docs/file_rst.h"
#include "core/docs/file_tls.h"

namespace scx {

inline constexpr std::string_view kNothingMarked = "선택된 항목이 없습니다.";

// #SWLIST rows the total-list window shows (GUBUN not "99"), in table order.
std::vector<int> ShownSoftwareRows(const CFileTLS& total);
// The rows a fresh total-list window marks: the shown rows whose GUBUN is not "2".
std::vector<int> DefaultMarkedRows(const CFileTLS& total);

// A new empty result as File-New makes it: #HEADER holds the format version "2".
void InitNewResult(CFileRST& result);

// Fills a new result from the total list: every PC; the marked software rows (in the order given)
// with their install records; RIGHT_CNT = INSTALL_CNT for free programs (SW_TYPE "2" or "-"), 0
// otherwise, and for operating systems the number of brand PCs they are installed on; PC_COUNT.
void FillResultFromTotalList(const CFileTLS& total, const std::vector<int>& markedRows,
                             CFileRST& result);

}  // namespace scx

#pragma once
// "정품수량" (licence count): the examiner's entry of the licences held per software, and the
// copy count and copy ratio derived from a result's install and licence counts.

#include <string>

#include "core/docs/file_rst.h"

namespace scx {

inline constexpr std::string_view kLicenceClampedMessage = "설치 수량만큼만 입력됩니다..";

// Copy ratio in percent: (install − licence) × 100 / install, 0 when nothing is installed.
double CopyRatio(long long install, long long licence);
// The ratio as the result view shows it: "%d" when it has no fractional part, else "%.1f".
std::string CopyRatioText(long long install, long long licence);

// Stores `count` as RIGHT_CNT of software row `row`, lowered to the row's install count when
// larger. Returns the count stored, or -1 for a row that does not exist or a negative count.
long long SetLicenceCount(CFileRST& result, int row, long long count);

// Counts of a whole result, summed over every software row (as the usage report per software
// sums them with the type column shown).
struct LicenceTotals {
    int pcs = 0;
    int software = 0;
    long long installs = 0;
    long long licences = 0;
    long long copies() const { return installs - licences; }
    double copyRatio() const { return CopyRatio(installs, licences); }
};
LicenceTotals SumLicenceCounts(const CFileRST& result);

}  // namespace scx

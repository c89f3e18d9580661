#include "hub/result/licence_count.h"

#include <cmath>

#include "core/docs/record_fields.h"
#include "core/text_util.h"

namespace scx {

using namespace fields;

double CopyRatio(long long install, long long licence) {
    if (install == 0) return 0.0;
    // The product in integers, the division in floating point.
    return static_cast<double>((install - licence) * 100) / static_cast<double>(install);
}

std::string CopyRatioText(long long install, long long licence) {
    double ratio = CopyRatio(install, licence);
    if (ratio == std::floor(ratio)) return Format("%d", static_cast<int>(ratio));
    return Format("%.1f", ratio);
}

long long SetLicenceCount(CFileRST& result, int row, long long count) {
    if (row < 0 || row >= result.SwList().GetRowCount() || count < 0) return -1;
    long long install = ParseDigits((*result.SwList().GetRow(row))[kSwInstallCnt]);
    if (count > install) count = install < 0 ? 0 : install;
    result.SwList().SetCell(row, "RIGHT_CNT", std::to_string(count));
    return count;
}

LicenceTotals SumLicenceCounts(const CFileRST& result) {
    LicenceTotals totals;
    totals.pcs = result.UserInfo().GetRowCount();
    totals.software = result.SwList().GetRowCount();
    for (int k = 0; k < totals.software; ++k) {
        const Row& sw = *result.SwList().GetRow(k);
        totals.installs += ParseDigits(sw[kSwInstallCnt]);
        totals.licences += ParseDigits(sw[kSwRightCnt]);
    }
    return totals;
}

}  // namespace scx

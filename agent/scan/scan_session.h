#pragma once
// One inspection as the agent runs it around the scan: a new result with its #HEADER and
// #USERINFO rows before, and after a successful save the package folding and the second save.

#include <string>

#include "agent/scan/package_folding.h"
#include "agent/scan/user_info.h"
#include "core/docs/file_ipt.h"

namespace scx::scan {

// Adds the #HEADER row ("0", the start time, "-") and the #USERINFO row to an empty result.
// `hardwareAddress` is the first adapter's address (empty when unknown).
void PrepareResult(CFileIPT& result, const UserInfo& info, std::string_view hardwareAddress);

// After the scan saved the result: folds packages when `packaging` is on and saves the result
// again to the same path when at least one package was formed (the outcome of that save is not
// reported, as a failure leaves the first save in place). Releases the user checklist, which
// every inspection loads afresh. The number of packages formed.
int CompleteInspection(CFileIPT& result, const std::string& resultPath, bool packaging, EditionChooser& chooser);

}  // namespace scx::scan

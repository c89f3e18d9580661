#pragma once
// The agent's database update check at the first start of a day, kept in ScxSetting.ini:
// UpdateFlag "Y" updates every day, "N" never, an empty or missing flag once (it is then set to
// "N"); any other value never. LatestUpdateDate records the day of the last check, so a second
// start on the same day checks nothing.

#include <functional>
#include <string>
#include <string_view>

namespace scx {

// Today's local date, "%Y-%m-%d".
std::string TodayText();

// Runs the check for `today`. `runUpdate` is called (and returns) when an update is due; today is
// written to LatestUpdateDate afterwards unless it already stood there. True when an update ran.
bool RunDailyUpdateCheck(std::string_view today, const std::function<void()>& runUpdate);

}  // namespace scx

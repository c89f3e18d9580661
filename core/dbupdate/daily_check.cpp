#include "core/dbupdate/daily_check.h"

#include <ctime>

#include "core/settings/scx_setting.h"

namespace scx {

std::string TodayText() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[16];
    std::strftime(buf, sizeof buf, "%Y-%m-%d", &local);
    return buf;
}

bool RunDailyUpdateCheck(std::string_view today, const std::function<void()>& runUpdate) {
    if (ReadLatestUpdateDate() == today) return false;
    const std::string flag = ReadUpdateFlag();
    bool update = flag == "Y";
    if (flag.empty()) {
        WriteUpdateFlag("N");
        update = true;
    }
    if (update) runUpdate();
    WriteLatestUpdateDate(today);
    return update;
}

}  // namespace scx

#pragma once
// The application looks of 보기 > 응용 프로그램 모양 (command ids 205–219) as Qt styles and
// palettes, and the look kept as the value ApplicationLook in the per-user registry file.

#include <QString>
#include <vector>

namespace scx {

struct LookEntry {
    int id;
    const char* caption;
};
// The looks the menu offers, in menu order.
const std::vector<LookEntry>& LookEntries();

// Sets the application's style and palette for the look (unknown ids: the default look).
void ApplyLook(int id);

// The stored look, or `fallback` when none is stored.
int ReadApplicationLook(int fallback);
void WriteApplicationLook(int id);

// The key of the workstation's own settings in the per-user registry file.
inline constexpr const char* kHubSettingsKey =
    "Software\\로컬 응용 프로그램 마법사에서 생성된 응용 프로그램\\Scrutinex\\Workspace";

}  // namespace scx

#pragma once
// The page setup that printed reports use: six text values under one key of the per-user registry
// file. At start the workstation keeps the values it finds and, when property.ini lies in the
// program folder, replaces them by the margins (millimetres there, inches here), footer and
// header of its section "Print"; at exit it puts the kept values back.

#include <array>
#include <string>
#include <string_view>

namespace scx {

inline constexpr std::string_view kPageSetupKey = "Software\\Microsoft\\Internet Explorer\\PageSetup";
inline constexpr std::array<std::string_view, 6> kPageSetupNames = {
    "margin_top", "margin_bottom", "margin_left", "margin_right", "footer", "header"};

struct PageSetupValues {
    std::array<std::string, 6> values;  // in the order of kPageSetupNames; empty when missing
    std::array<bool, 6> present{};      // whether the registry held the value
};

PageSetupValues ReadPageSetup();
// Writes the present values back (creating the key when needed).
void RestorePageSetup(const PageSetupValues& saved);

// Millimetres of property.ini to the inch text of the registry: 19 -> "0.74803".
std::string MillimetresToInchText(int millimetres);

// When `propertyIniPath` exists: writes its four margins (default 19) and footer and header
// (default empty, at most 399 characters) into the page-setup key. False when it does not exist.
bool ApplyPropertyIni(const std::string& propertyIniPath);

}  // namespace scx

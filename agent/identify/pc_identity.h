#pragma once
// Identity of the inspected PC for the result's #USERINFO row: computer name, logged-on user,
// IP address and the first network adapter's hardware address.

#include <string>
#include <string_view>

#include "core/prompter.h"
#include "platform/target/target.h"

namespace scx {

// The target's Windows product name (see windows_product_name.h); empty for a target without
// a Windows registry.
std::string GetWindowsProductName(const target::Target& target, Prompter& prompter);

std::string GetPcName(const target::Target& target);
std::string GetLogonUserName(const target::Target& target);
// First IPv4 address of the computer name, dotted decimal; empty when it cannot be resolved or
// the target is offline (its network is not this host's).
std::string GetPcAddress(const target::Target& target, std::string_view computerName);
// "00:1A:2B:3C:4D:5E"; empty when there is no adapter or the target is offline.
std::string GetAdapterAddress(const target::Target& target);

// The PC_IP column: address, "(", hardware address, ")".
std::string PcIpText(std::string_view address, std::string_view hardwareAddress);

}  // namespace scx

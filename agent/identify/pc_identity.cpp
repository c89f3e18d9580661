#include "agent/identify/pc_identity.h"

#include "agent/identify/windows_product_name.h"
#include "platform/target/host_facts.h"

namespace scx {
namespace {

// The names are read into buffers of 255 characters.
std::string Limited(std::string text) {
    if (text.size() > 254) text.resize(254);
    return text;
}

}  // namespace

std::string GetWindowsProductName(const target::Target& target, Prompter& prompter) {
    return GetWindowsProductName(ReadVersionFacts(target.Registry()), prompter);
}

std::string GetPcName(const target::Target& target) { return Limited(target.ComputerName()); }

std::string GetLogonUserName(const target::Target& target) { return Limited(target.LogonUserName()); }

std::string GetPcAddress(const target::Target& target, std::string_view computerName) {
    return target.SharesHostNetwork() ? target::HostAddressOf(computerName) : std::string();
}

std::string GetAdapterAddress(const target::Target& target) {
    return target.SharesHostNetwork() ? target::HostAdapterAddress() : std::string();
}

std::string PcIpText(std::string_view address, std::string_view hardwareAddress) {
    return std::string(address) + "(" + std::string(hardwareAddress) + ")";
}

}  // namespace scx

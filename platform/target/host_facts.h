#pragma once
// Facts of the machine this program runs on: its name, user, network address and adapter, and
// its mounted file systems.

#include <string>
#include <string_view>
#include <vector>

namespace scx::target {

std::string HostComputerName();
// Name of the user the process runs as; empty when unknown.
std::string HostLogonUserName();
// First IPv4 address the name resolves to, dotted decimal; empty when the lookup fails.
std::string HostAddressOf(std::string_view computerName);
// Hardware address of the first network adapter (loopback is not an adapter), as upper-case hex
// pairs joined by ":"; empty when there is none.
std::string HostAdapterAddress();

struct MountEntry {
    std::string device;
    std::string mountPoint;
    std::string fsType;
};
// The mount table (/proc/self/mounts), octal escapes decoded.
std::vector<MountEntry> ReadMounts();

}  // namespace scx::target

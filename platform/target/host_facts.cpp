#include "platform/target/host_facts.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <netdb.h>
#include <pwd.h>
#include <unistd.h>

#include <climits>
#include <fstream>
#include <map>
#include <sstream>

#include "core/text_util.h"

namespace scx::target {

std::string HostComputerName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

std::string HostLogonUserName() {
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::string buffer(size > 0 ? static_cast<size_t>(size) : 16384, '\0');
    passwd entry;
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->pw_name;
    return {};
}

std::string HostAddressOf(std::string_view computerName) {
    if (computerName.empty()) return {};
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* result = nullptr;
    std::string name(computerName);
    if (getaddrinfo(name.c_str(), nullptr, &hints, &result) != 0 || !result) return {};
    char text[INET_ADDRSTRLEN] = {};
    auto* address = reinterpret_cast<sockaddr_in*>(result->ai_addr);
    std::string dotted = inet_ntop(AF_INET, &address->sin_addr, text, sizeof text) ? text : "";
    freeaddrinfo(result);
    return dotted;
}

std::string HostAdapterAddress() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return {};
    std::map<int, std::string> byIndex;  // adapters in the system's order
    for (ifaddrs* it = list; it; it = it->ifa_next) {
        if (!it->ifa_addr || it->ifa_addr->sa_family != AF_PACKET || (it->ifa_flags & IFF_LOOPBACK)) continue;
        auto* link = reinterpret_cast<sockaddr_ll*>(it->ifa_addr);
        if (link->sll_halen == 0) continue;
        std::string text;
        for (int i = 0; i < link->sll_halen && i < 8; ++i)
            text += Format(i ? ":%02X" : "%02X", link->sll_addr[i]);
        byIndex.emplace(link->sll_ifindex, text);
    }
    freeifaddrs(list);
    return byIndex.empty() ? std::string() : byIndex.begin()->second;
}

namespace {

// The mount table writes space, tab, newline and backslash as \ooo.
std::string Unescape(const std::string& field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() + 0 && field[i + 1] >= '0' && field[i + 1] <= '3') {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

}  // namespace

std::vector<MountEntry> ReadMounts() {
    std::vector<MountEntry> mounts;
    std::ifstream in("/proc/self/mounts");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        MountEntry entry;
        if (fields >> entry.device >> entry.mountPoint >> entry.fsType) {
            entry.device = Unescape(entry.device);
            entry.mountPoint = Unescape(entry.mountPoint);
            mounts.push_back(std::move(entry));
        }
    }
    return mounts;
}

}  // namespace scx::target

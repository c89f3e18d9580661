#pragma once
// An inspection target: what the agent inspects. It has drive letters mapped to host folders, a
// registry (or none) and identity facts. Inside an inspection every path is a Windows path
// ("C:\Program Files\Acme\"); the target maps it to a host path.
//
// Targets are named by a text, for scx and the agent alike:
//   wine:PREFIX              a Wine prefix (drives from PREFIX/dosdevices, system.reg, user.reg)
//   volume:MOUNT_POINT[=D]   an offline Windows volume, read-only; repeatable: the first is C:,
//                            the next D:, and so on, unless a letter is given
//   host                     this machine without Windows (fixed local file systems, no registry)
// With no name: $WINEPREFIX when it holds a system.reg, else ~/.wine when it does, else host.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/registry.h"

namespace scx::target {

struct Drive {
    char letter = 'C';      // upper case
    std::string hostRoot;   // host folder the drive's root maps to, without a trailing "/"
    bool fixed = true;      // a fixed disk (not removable, network or optical)
};

enum class TargetKind { Wine, Volume, Host };

class Target {
public:
    virtual ~Target() = default;
    virtual TargetKind Kind() const = 0;
    // The target's name in the form it was given ("wine:/home/kim/.wine").
    virtual std::string Name() const = 0;
    virtual const std::vector<Drive>& Drives() const = 0;
    // None for a target without a registry (the host).
    virtual const reg::Registry* Registry() const = 0;

    // Identity as the PC reports it; empty texts when unknown.
    virtual std::string ComputerName() const = 0;
    virtual std::string LogonUserName() const = 0;
    // Whether the PC's network facts (address, adapter) are the host's own: true for the host and
    // a Wine prefix, false for an offline volume.
    virtual bool SharesHostNetwork() const = 0;

    const Drive* FindDrive(char letter) const;
    // Host path of a Windows path ("C:\Windows\Fonts\x.ttf"), each component found without
    // regard to letter case; none when the drive is unknown, the path is not absolute, or a
    // component does not exist. With `lastMayBeMissing` the last component may be absent (the
    // path it would have is given).
    std::optional<std::string> HostPath(std::string_view windowsPath, bool lastMayBeMissing = false) const;
};

// Opens a target from its names (several only for volumes). None, with the reason, when a name
// is malformed, a folder is missing, or the registry files are unreadable.
std::unique_ptr<Target> OpenTarget(const std::vector<std::string>& names, std::string* error);
// The name chosen when none is given (see above).
std::string DefaultTargetName();

}  // namespace scx::target

#pragma once
// The fixed disks of a target, as the user-information dialog lists them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/target/target.h"

namespace scx::target {

struct DiskItem {
    char letter = 'C';
    std::string root;                        // "C:\"
    std::string label;                       // "로컬디스크" when the disk has none
    std::optional<std::uint64_t> totalBytes; // none when the size cannot be read
};

inline constexpr const char* kDefaultDiskLabel = "로컬디스크";

// Fixed disks in drive-letter order.
std::vector<DiskItem> FixedDisks(const Target& target);

// "C:\ - 로컬디스크[465GB]" (whole gibibytes, rounded down), or "C:\ - 로컬디스크" without a size.
std::string DiskItemText(const DiskItem& item);

// The volume label of the file system holding a host folder: Wine's ".windows-label" file in the
// drive's root, else the label the system knows for its device (/dev/disk/by-label); empty when
// there is none.
std::string VolumeLabelOf(const std::string& hostRoot);

}  // namespace scx::target

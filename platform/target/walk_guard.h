#pragma once
// What a walk over a target's drives may look at: the one rule of the scan's walk and the file
// search's walk (and of the files the registry names).
//
// Host trees are not closed like a Windows disk. A Wine prefix links its user folders (Desktop,
// Documents ...) into $HOME, which usually holds the prefix itself, and its dosdevices\z: maps
// "/"; an NTFS volume mounted with ntfs-3g shows its junctions ("Documents and Settings",
// "Application Data" ...) as symbolic links, some of them pointing back up the tree; below "/" lie
// /proc, /sys, tmpfs, removable media and network shares. A walk that followed all of that would
// list the same programs many times, read files that are no part of the inspected PC, or not end
// before the 260-character path limit cuts it off. So the walk of a drive:
//  - enters each folder at most once in a run (device and inode), whichever drive reached it;
//  - follows a symbolic link, to a folder or to a file, only when its resolved target lies inside
//    the real root of the drive being walked, on that root's file system. Not "inside any drive
//    of the target": Z: maps "/", so every link would qualify and a scan of C: would walk $HOME,
//    and through $HOME/.wine/dosdevices/z: the whole machine, under C:\users\... A place that
//    another drive holds is walked as that drive when it is chosen, so each file is reported once,
//    under the letter of the drive it lives on;
//  - stays on the file system of the drive's root: a folder on another file system below the root
//    (a mount point) is not entered. When the target names that file system as a drive of its own
//    (a Wine drive letter, a further volume:, a further host disk) it is walked as that drive;
//    otherwise (kernel pseudo file systems, tmpfs, removable media, network shares, a disk the
//    target does not name) it is no part of the target.
// A link that leads elsewhere, or nowhere, is not looked at beyond the link itself: neither the
// facts nor the content of its target are read.

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/target/file_facts.h"
#include "platform/target/target.h"

namespace scx::target {

// Where a drive's files lie on the host: its root's real path and the mount it is on.
class DriveBounds {
public:
    // None when the root cannot be read.
    static std::optional<DriveBounds> Of(const Drive& drive);
    // Whether a host path, with every symbolic link resolved, lies inside the root on the root's
    // mount. False when it cannot be resolved (a dangling link).
    bool Contains(const std::string& hostPath) const;

private:
    std::string realRoot_;
    std::uint64_t mount_ = 0;
    bool byMountId_ = false;  // kernels before 5.8 give no mount id: compared by device then
    bool IsRootMount(std::uint64_t mount, bool byMountId) const;
    bool ContainsReal(const std::string& realPath) const;
    friend class WalkGuard;
};

// The walk of one run (one scan, one file search) over the chosen drives, in order; used by the
// one thread that runs the walk.
class WalkGuard {
public:
    explicit WalkGuard(const Target& target) : target_(target) {}

    // Starts the walk of a drive and enters its root. None when the target has no such drive, its
    // root cannot be read, or the root was entered already in this run.
    const Drive* BeginDrive(char letter);

    // Facts of an entry of a folder being walked, from its host path and the type readdir gave
    // (DT_DIR, DT_LNK, DT_UNKNOWN ...). None when the entry cannot be read, or is a symbolic link
    // whose target is missing or lies outside the drive being walked.
    std::optional<FileFacts> EntryFacts(const std::string& hostPath, unsigned char type);

    // Whether to enter a folder entry that EntryFacts accepted: it is on the file system of the
    // drive's root and was not entered before in this run. Records it as entered.
    bool EnterFolder(const std::string& hostPath);

    // The entries of a host folder being walked whose names fit the pattern, with their facts
    // (entries EntryFacts refuses are left out), in the file system's order.
    std::vector<FileEntry> List(const std::string& hostFolder, std::string_view pattern);

private:
    bool LinkInside(const std::string& hostPath);

    const Target& target_;
    std::optional<DriveBounds> bounds_;
    std::set<std::pair<std::uint64_t, std::uint64_t>> entered_;  // (device, inode)
    std::string linkFolder_, realLinkFolder_;  // the last folder a link was met in, and its real path
};

}  // namespace scx::target

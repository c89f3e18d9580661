#pragma once
// The target backends, made by OpenTarget from a target's name.

#include <memory>
#include <string>
#include <vector>

#include "platform/target/target.h"

namespace scx::target {

std::unique_ptr<Target> OpenWineTarget(const std::string& prefix, std::string* error);
// Each mount point with its drive letter (0: the next free letter from C:).
struct VolumeMount {
    std::string mountPoint;
    char letter = 0;
};
std::unique_ptr<Target> OpenVolumeTarget(const std::vector<VolumeMount>& mounts, std::string* error);
std::unique_ptr<Target> OpenHostTarget(std::string* error);

}  // namespace scx::target

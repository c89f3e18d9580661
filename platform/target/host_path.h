#pragma once
// Finding host paths for Windows path components: Windows compares names without regard to
// letter case, the host's file systems mostly do not.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scx::target {

// The components of a Windows path after "X:", split at "\" (and "/"); none when a component is
// "." or "..", so a path cannot leave its drive.
std::optional<std::vector<std::string_view>> WindowsPathComponents(std::string_view afterDrive);

// base + "/" + each component, where a component that does not exist with its exact spelling is
// matched without regard to case among the folder's entries (exact spelling first, so trees kept
// in one case cost one stat). None when a component is missing (with `lastMayBeMissing`, the
// last one may be, and its spelling is kept).
std::optional<std::string> ResolveComponents(const std::string& base,
                                             const std::vector<std::string_view>& components,
                                             bool lastMayBeMissing);

// The entry of `folder` named `name` without regard to case; none when there is none.
std::optional<std::string> FindEntryIgnoringCase(const std::string& folder, std::string_view name);

}  // namespace scx::target

#pragma once
// One workstation per user, under the workstation's instance name.

#include <string_view>

#include "platform/single_instance.h"

namespace scx {

using platform::SingleInstanceLock;

inline constexpr std::string_view kHubInstanceName = "Wop7604_Doklg";

}  // namespace scx

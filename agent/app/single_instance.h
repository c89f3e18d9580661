#pragma once
// One agent per user, under the agent's instance name.

#include <string_view>

#include "platform/single_instance.h"

namespace scx {

using platform::SingleInstanceLock;

inline constexpr std::string_view kAgentInstanceName = "GzmL1963_Sgukt";
inline constexpr std::string_view kAlreadyRunningMessage = "이미 실행되고 있습니다.";

}  // namespace scx

#pragma once
// Where the workstation finds the agent it starts. On Windows the program folder's executables
// are asked for their OriginalFilename; here programs carry no version resource, so the agent is
// the executable file named "scxagent" beside the running program (an installed system keeps both
// in one bin folder), else in the data folder (a portable layout, and the tests).

#include <string>

namespace scx {

inline constexpr const char* kAgentProgramName = "scxagent";

// The agent's path, or the empty text when no executable file of that name is in either folder
// (the menu entry is then disabled).
std::string FindAgentProgram();

// What is started when the agent is not found: the name beside the running program, so that
// the start itself reports the missing file.
std::string FallbackAgentPath();

}  // namespace scx

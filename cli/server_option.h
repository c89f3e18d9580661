#pragma once
// The server a verb talks to: --host HOST[:PORT] when given, else the key of section [Server] of
// ScxSetting.ini.

#include <optional>
#include <string>

#include "cli/args.h"
#include "cli/command.h"
#include "core/settings/scx_setting.h"

namespace scx::cli {

// None after reporting the problem; `exitCode` is then the verb's exit status.
std::optional<ServerAddress> ServerFromArgs(const Command& command, const Args& args,
                                            const std::string& configured, const char* key,
                                            int& exitCode);

// The text with line breaks and tabs as spaces and other control characters as "?", so what a
// server sent cannot steer the terminal.
std::string PrintableText(std::string_view text);

}  // namespace scx::cli

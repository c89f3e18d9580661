#include "cli/server_option.h"

#include "core/text_util.h"

namespace scx::cli {

std::optional<ServerAddress> ServerFromArgs(const Command& command, const Args& args,
                                            const std::string& configured, const char* key,
                                            int& exitCode) {
    if (auto host = args.Value("--host")) {
        auto address = ParseServerAddress(*host);
        if (!address) exitCode = UsageError(command, "--host: expected HOST or HOST:PORT, got \"" + *host + "\"");
        return address;
    }
    if (configured.empty()) {
        exitCode = Failure(command, std::string("no server: pass --host or set ") + key +
                                        " in section [Server] of " + GetSettingFilePath());
        return std::nullopt;
    }
    auto address = ParseServerAddress(configured);
    if (!address)
        exitCode = Failure(command, std::string(key) + " in " + GetSettingFilePath() +
                                        " is not HOST or HOST:PORT: \"" + configured + "\"");
    return address;
}

std::string PrintableText(std::string_view text) {
    std::string out = FlattenText(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return out;
}

}  // namespace scx::cli

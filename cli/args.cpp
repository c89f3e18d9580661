#include "cli/args.h"

namespace scx::cli {

Args::Args(const std::vector<std::string>& args, std::set<std::string> flags,
           std::set<std::string> options) {
    bool onlyPositionals = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyPositionals || arg.size() < 2 || arg[0] != '-') {
            positionals_.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyPositionals = true;
            continue;
        }
        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (size_t eq = arg.find('='); eq != std::string::npos && arg.rfind("--", 0) == 0) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        if (flags.count(name) && !inlineValue) {
            present_.insert(name);
        } else if (options.count(name)) {
            if (!inlineValue && i + 1 >= args.size()) {
                error_ = "option " + name + " needs a value";
                return;
            }
            present_.insert(name);
            values_.emplace(name, inlineValue ? *inlineValue : args[++i]);
        } else {
            error_ = "unknown option " + arg;
            return;
        }
    }
}

std::optional<std::string> Args::Value(const std::string& option) const {
    auto range = values_.equal_range(option);
    if (range.first == range.second) return std::nullopt;
    return std::prev(range.second)->second;  // the last one given wins
}

std::vector<std::string> Args::Values(const std::string& option) const {
    std::vector<std::string> out;
    auto range = values_.equal_range(option);
    for (auto it = range.first; it != range.second; ++it) out.push_back(it->second);
    return out;
}

}  // namespace scx::cli

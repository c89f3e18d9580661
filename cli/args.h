#pragma once
// A small parser for a verb's arguments: named flags, options with one value, and positionals.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace scx::cli {

class Args {
public:
    // `flags` take no value ("--yes"); `options` take the next argument or "=value" ("-o DIR",
    // "--kind=ipt"). Anything else starting with "-" (but "-" itself) is an error.
    Args(const std::vector<std::string>& args, std::set<std::string> flags,
         std::set<std::string> options);

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    bool Has(const std::string& flag) const { return present_.count(flag) > 0; }
    std::optional<std::string> Value(const std::string& option) const;
    // Every value of a repeatable option, in order.
    std::vector<std::string> Values(const std::string& option) const;
    const std::vector<std::string>& Positionals() const { return positionals_; }

private:
    std::set<std::string> present_;
    std::multimap<std::string, std::string> values_;
    std::vector<std::string> positionals_;
    std::string error_;
};

}  // namespace scx::cli

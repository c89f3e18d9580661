#pragma once
// How the document verbs read their file arguments.

#include <string>
#include <string_view>

namespace scx::cli {

// The path made absolute (relative to the current folder).
std::string AbsolutePath(const std::string& path);
// An existing file as given becomes its absolute path; anything else is taken as a file name in
// CheckOut/`sub` ("IPT", "TLS", "RST") and returned with that folder.
std::string DocumentPath(const std::string& argument, std::string_view sub);

}  // namespace scx::cli

#include "tests/support/temp_home.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "core/codec.h"

namespace scx::test {

TempHome::TempHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "scx-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern + "/";
    if (const char* old = std::getenv("SCX_HOME")) {
        hadPrevious_ = true;
        previous_ = old;
    }
    setenv("SCX_HOME", path_.c_str(), 1);
}

TempHome::~TempHome() {
    if (hadPrevious_)
        setenv("SCX_HOME", previous_.c_str(), 1);
    else
        unsetenv("SCX_HOME");
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string ScrambledFromText(std::string_view text) {
    std::string bytes;
    AppendCodePageBytes(bytes, text);
    ScrambleBytes(bytes);
    return bytes;
}

}  // namespace scx::test

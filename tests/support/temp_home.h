#pragma once
// A fresh temporary data folder for one test: SCX_HOME points at it while the object lives, and
// the folder is removed afterwards.

#include <string>
#include <string_view>

namespace scx::test {

class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    // The folder with a trailing "/".
    const std::string& Path() const { return path_; }
    std::string File(std::string_view name) const { return path_ + std::string(name); }

private:
    std::string path_;
    std::string previous_;
    bool hadPrevious_ = false;
};

// Writes raw bytes to a file (fixtures that must bypass the system's own writers).
void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);

// A record file's bytes made from its decoded UTF-8 text.
std::string ScrambledFromText(std::string_view text);

}  // namespace scx::test

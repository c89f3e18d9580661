#pragma once
// INI files read and written key by key, the way the system's settings have always been kept:
// "[Section]" lines, "key=value" lines, section and key names compared without regard to ASCII
// case, values trimmed of blanks and of one pair of enclosing quotes. A missing file, section or
// key gives the caller's default. A write changes one key's line (or adds it) and keeps every
// other line as it stood; the file is rewritten all or nothing.
//
// On disk the file is code page 949 with CR LF line ends, like every other file of the system; a
// file that starts with a UTF-8 byte-order mark is read and written as UTF-8 instead.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scx {

class ProfileFile {
public:
    // Reads the file; a missing or unreadable file is an empty profile.
    explicit ProfileFile(std::string path);

    // The value of the first such key in the first such section, or none.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    // Sets the key's value, adding the section at the end and the key at the end of its section
    // when they are missing.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Removes the key's line; nothing when it is missing.
    void Remove(std::string_view section, std::string_view key);
    // Writes the whole file all or nothing; false when it could not be written.
    bool Save() const;

    const std::string& Path() const { return path_; }

private:
    struct Line {
        std::string text;     // the line as it stands, without its line end
        std::string section;  // for a section line: its name
        std::string key;      // for a key line: its name
        std::string value;    // for a key line: its value as read
        enum Kind { Other, Section, Key } kind = Other;
    };
    static Line ParseLine(std::string text);
    // Index of the section's header line, or -1.
    int FindSection(std::string_view section) const;
    int FindKey(int sectionLine, std::string_view key) const;

    std::string path_;
    std::vector<Line> lines_;
    bool utf8_ = false;
};

// The three profile reads and the write, each reading the file afresh (nothing is cached).
// An integer key reads its leading decimal digits (with an optional "-"); a value that does not
// begin with digits reads as 0; a missing or empty value gives the default.
int ReadProfileInt(std::string_view section, std::string_view key, int defaultValue,
                   const std::string& path);
// At most `maxChars` characters of the value (no limit when 0).
std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view defaultValue, size_t maxChars,
                              const std::string& path);
bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& path);

}  // namespace scx

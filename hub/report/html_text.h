#pragma once
// Text of the HTML pages and spreadsheet files: escaping of values, the code page 949 encoding,
// and pages written a slice at a time.

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace scx {

// Values from inspected PCs (version strings of any file) go into pages and cells; escaping keeps
// markup and script in them from reaching the browser or the spreadsheet program.
// Appends `value` with "&", "<" and ">" written as "&amp;", "&lt;" and "&gt;".
void AppendEscaped(std::string& out, std::string_view value);
std::string EscapeHtml(std::string_view value);

// Converts page text to code page 949 piece by piece. Pages are mostly ASCII markup around a
// small vocabulary of Hangul words (captions, type names, names repeated on every row): ASCII is
// copied as it is, each run of other characters is converted once and then taken from a cache.
// Characters the code page lacks become "?". A piece must not end inside a character.
class PageEncoder {
public:
    void Append(std::string& bytes, std::string_view utf8);

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, std::string, Hash, std::equal_to<>> converted_;
};

// The code page 949 bytes of a whole page.
std::string PageBytes(std::string_view page);

// Where a page builder puts its text: the builder appends to `text` and calls Spill at row ends,
// which hands the text on to `sink` once it has grown past a slice, so a page of hundreds of
// megabytes never sits in memory whole; Finish hands on the rest.
class PageOut {
public:
    explicit PageOut(std::function<void(std::string_view)> sink) : sink_(std::move(sink)) {}
    std::string text;
    void Spill() {
        if (text.size() >= kSlice) Finish();
    }
    void Finish() {
        sink_(text);
        text.clear();
    }

private:
    static constexpr size_t kSlice = 1 << 20;
    std::function<void(std::string_view)> sink_;
};

}  // namespace scx

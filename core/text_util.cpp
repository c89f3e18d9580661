#include "core/text_util.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <limits>

#include "core/utf8.h"

namespace scx {

void SplitFields(std::string_view text, std::string_view separator, std::vector<std::string>& fields) {
    fields.clear();
    if (text.empty()) return;
    auto add = [&fields](std::string_view field) {
        if (field.empty() || field.front() == '\0')
            fields.emplace_back(kMissing);
        else
            fields.emplace_back(field);
    };
    if (separator.empty()) {
        add(text);
        return;
    }
    // A one-character separator (TAB) is searched for as a character, which is much faster.
    auto next = [&](size_t from) {
        return separator.size() == 1 ? text.find(separator[0], from) : text.find(separator, from);
    };
    // One allocation for the list: count the separators first.
    size_t count = 1;
    for (size_t at = next(0); at != std::string_view::npos; at = next(at + separator.size())) ++count;
    fields.reserve(count);
    size_t pos = 0;
    while (true) {
        size_t hit = next(pos);
        if (hit == std::string_view::npos) {
            if (pos < text.size()) add(text.substr(pos));
            return;
        }
        add(text.substr(pos, hit - pos));
        pos = hit + separator.size();
    }
}

std::vector<std::string> SplitFields(std::string_view text, std::string_view separator) {
    std::vector<std::string> fields;
    SplitFields(text, separator, fields);
    return fields;
}

namespace {

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    size_t pos = 0;
    while ((pos = text.find(from, pos)) != std::string::npos) {
        text.replace(pos, from.size(), to);
        pos += to.size();
    }
    return text;
}

bool IsStrippedSymbol(char32_t c) {
    static constexpr char32_t kSymbols[] = {
        U'?',    0x00E6, 0x00C6, 0x00F8, 0x00D8, 0x00D7, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00BD,
        0x00BC, 0x00A1, 0x2592, 0x2502, 0x2524, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500,
        0x253C, 0x00A4, 0x00F0, 0x00D0, 0x0131, 0x2518, 0x250C, 0x00DF, 0x00FE, 0x00DE, 0x00B4,
        0x2261, 0x00B1, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9,
        0x00B3, 0x00B2, 0x25A0};
    return std::find(std::begin(kSymbols), std::end(kSymbols), c) != std::end(kSymbols);
}

}  // namespace

std::string FlattenText(std::string_view text) {
    std::string out = ReplaceAll(std::string(text), "\r\n", " ");
    std::replace(out.begin(), out.end(), '\t', ' ');
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

// Product names are mostly ASCII, where "?" is the only symbol to strip and only A-Z change case;
// those texts skip the code-point walk, which every checklist row would otherwise pay for.
static bool IsAsciiWithout(std::string_view text, bool (*changes)(char)) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80 || changes(c)) return false;
    return true;
}

std::string StripSymbols(std::string_view text) {
    if (IsAsciiWithout(text, [](char c) { return c == '?'; })) return std::string(text);
    std::string out;
    out.reserve(text.size());
    ForEachCodePoint(text, [&out](char32_t c, std::string_view raw) {
        if (!IsStrippedSymbol(c)) out.append(raw);
    });
    return out;
}

std::string LowerCase(std::string_view text) {
    if (IsAsciiWithout(text, [](char) { return false; })) {
        std::string out(text);
        for (char& c : out)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
        return out;
    }
    std::string out;
    out.reserve(text.size());
    ForEachCodePoint(text, [&out](char32_t c, std::string_view raw) {
        char32_t lower = FoldCase(c);
        if (lower == c)
            out.append(raw);
        else
            AppendUtf8(out, lower);
    });
    return out;
}

int IsSameText(std::string_view a, std::string_view b, bool ignoreCase) {
    if (!ignoreCase) return a == b ? 1 : 0;
    if (a.size() == b.size() && a == b) return 1;
    return LowerCase(a) == LowerCase(b) ? 1 : 0;
}

long long ParseDigits(std::string_view text) {
    constexpr long long kMax = std::numeric_limits<long long>::max();
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        int digit = c - '0';
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return value;
}

double ParseDigitsReal(std::string_view text) {
    double value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1.0;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string ZeroPad(int width, long long value) {
    std::string text = std::to_string(value);
    if (width > 1 && text.size() < static_cast<size_t>(width)) text.insert(0, width - text.size(), '0');
    return text;
}

std::string GroupThousands(std::string_view digits) {
    // The sign stays in front of the groups ("-1,234", never "-,123").
    std::string_view sign;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        sign = digits.substr(0, 1);
        digits.remove_prefix(1);
    }
    // The leading group holds what is left over after the groups of three from the right.
    size_t lead = digits.size() > 3 ? (digits.size() - 1) % 3 + 1 : digits.size();
    std::string result(sign);
    result.append(digits.substr(0, lead));
    for (size_t pos = lead; pos < digits.size(); pos += 3) {
        result += ',';
        result.append(digits.substr(pos, 3));
    }
    return result;
}

std::string GroupThousands(double value) {
    if (!std::isfinite(value)) return Format("%.f", value);
    return GroupThousands(Format("%.f", value));
}

void SortIntegers(std::vector<std::uint64_t>& values, bool ascending) {
    if (ascending)
        std::sort(values.begin(), values.end());
    else
        std::sort(values.begin(), values.end(), std::greater<>());
}

void SortNumericStrings(std::vector<std::string>& values) {
    std::vector<std::uint64_t> numbers;
    numbers.reserve(values.size());
    for (const auto& v : values) numbers.push_back(static_cast<std::uint64_t>(ParseDigits(v)));
    SortIntegers(numbers, true);
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = std::to_string(static_cast<long long>(numbers[i]));
}

std::string NowStamp(bool withTime) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, withTime ? "%Y%m%d_%H%M%S" : "%Y%m%d", &local);
    return buf;
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0) std::vsnprintf(out.data(), out.size() + 1, format, args);
    va_end(args);
    return out;
}

}  // namespace scx

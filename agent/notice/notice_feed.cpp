#include "agent/notice/notice_feed.h"

#include "core/text_util.h"
#include "core/utf8.h"
#include "platform/http.h"

namespace scx {
namespace {

// A feed is a page of text; anything far larger is not one.
constexpr std::uint64_t kMaxFeedBytes = 4u << 20;

// The text without any occurrence of `marker`, in one pass (a hostile feed may hold very many).
std::string RemoveAll(std::string_view text, std::string_view marker) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0;;) {
        size_t at = text.find(marker, i);
        out.append(text.substr(i, at - i));
        if (at == std::string_view::npos) return out;
        i = at + marker.size();
    }
}

// The text between `open` (found at `at`) and the next `close`; `rest` becomes what follows that
// close, or nothing when there is none.
std::string TakeElement(std::string_view& rest, size_t at, std::string_view open, std::string_view close) {
    size_t start = at + open.size();
    size_t end = rest.find(close, start);
    std::string value(rest.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + close.size());
    return value;
}

std::string ValidUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    ForEachCodePoint(bytes, [&](char32_t cp, std::string_view raw) {
        if (cp == kReplacementChar && raw.size() == 1)
            AppendUtf8(text, kReplacementChar);
        else
            text.append(raw);
    });
    return text;
}

}  // namespace

std::string EscapeRequestPath(std::string_view path) {
    std::string escaped;
    for (char c : path) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            escaped += c;
        else
            escaped += Format("%%%02X", byte);
    }
    return escaped;
}

std::vector<Notice> ParseNoticeFeed(std::string_view text) {
    static constexpr std::string_view kTitle = "<title>", kTitleEnd = "</title>";
    static constexpr std::string_view kLink = "<link>", kLinkEnd = "</link>";
    std::vector<Notice> notices;
    std::string_view rest = text;
    for (size_t at = rest.find(kTitle); at != std::string_view::npos; at = rest.find(kTitle)) {
        Notice notice;
        notice.title = RemoveAll(RemoveAll(TakeElement(rest, at, kTitle, kTitleEnd), "<![CDATA["), "]]>");
        // A title without a link of its own gets none, rather than the next title's. The search
        // stops at the next title, so a feed of many titles without links is read in one pass.
        size_t link = rest.substr(0, rest.find(kTitle)).find(kLink);
        if (link != std::string_view::npos) notice.link = TakeElement(rest, link, kLink, kLinkEnd);
        notices.push_back(std::move(notice));
    }
    return notices;
}

bool IsNoticeServerReachable(const ServerAddress& server) {
    return platform::CanConnect(server.host, server.port, 3000);
}

std::string FetchNoticeFeed(const ServerAddress& server, Prompter& prompter) {
    platform::HttpRequest request;
    request.url = "http://" + server.Authority() + EscapeRequestPath(kNoticeFeedPath);
    request.userAgent = std::string(kNoticeUserAgent);
    request.maxBytes = kMaxFeedBytes;
    std::string body;
    platform::HttpResult result = platform::HttpGetText(request, body);
    if (!result.ok) {
        // An error page is not the feed: its title would show as a notice.
        int number = result.errorCode != 0 ? result.errorCode : static_cast<int>(result.status);
        prompter.ShowMessage(Format("HttpSendRequest error(%d)\n", number));
        return {};
    }
    return ValidUtf8(body);
}

std::vector<Notice> LoadNotices(const ServerAddress& server, Prompter& prompter) {
    return ParseNoticeFeed(FetchNoticeFeed(server, prompter));
}

std::optional<std::string> OpenableLink(std::string_view link) {
    size_t begin = link.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos) return std::nullopt;
    std::string_view trimmed = link.substr(begin, link.find_last_not_of(" \t\r\n") - begin + 1);
    std::string lower = LowerCase(trimmed.substr(0, 8));
    size_t schemeLength = lower.rfind("https://", 0) == 0 ? 8 : lower.rfind("http://", 0) == 0 ? 7 : 0;
    if (schemeLength == 0 || trimmed.size() == schemeLength) return std::nullopt;
    for (char c : trimmed)
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) return std::nullopt;
    return std::string(trimmed);
}

}  // namespace scx

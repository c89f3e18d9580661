#pragma once
// The notice feed: the publisher's current notices, taken from an RSS document that the
// notice-feed server answers to one GET of "/rss/post/list". Only the <title> and <link> elements
// are used: the first pair names the feed itself, the notices follow.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/prompter.h"
#include "core/settings/scx_setting.h"

namespace scx {

inline constexpr std::string_view kNoticeFeedPath = "/rss/post/list";
inline constexpr std::string_view kNoticeUserAgent = "Quillnet";

struct Notice {
    std::string title;  // without CDATA markers
    std::string link;   // as the feed gives it; open it only through OpenableLink
};

// The request path as sent: ASCII bytes as they are, every other byte of its UTF-8 form as "%"
// and two upper-case hex digits.
std::string EscapeRequestPath(std::string_view path);

// The list of a response text: while the text holds "<title>", the text up to the next "</title>"
// is a title (every "<![CDATA[" and "]]>" removed), and the text between the "<link>" and
// "</link>" that follow it (before the next title) is its link; the text is consumed as it goes.
std::vector<Notice> ParseNoticeFeed(std::string_view text);

// True when the server accepts a connection within a few seconds: the agent shows its notice
// window only then.
bool IsNoticeServerReachable(const ServerAddress& server);

// Fetches the feed from the server: the response decoded as UTF-8 (a malformed byte becomes
// U+FFFD). A failed request shows "HttpSendRequest error(N)\n" (N: the transfer library's error
// number, or the HTTP status of an answer that is not a success) and gives the empty text.
std::string FetchNoticeFeed(const ServerAddress& server, Prompter& prompter);

// The feed fetched and parsed.
std::vector<Notice> LoadNotices(const ServerAddress& server, Prompter& prompter);

// The link to open for a notice: the link without surrounding blanks when it is an http or https
// address without blanks or control characters; none for anything else (a link from the network
// is never handed to the desktop's "open" as a file, a program or another kind of address).
std::optional<std::string> OpenableLink(std::string_view link);

}  // namespace scx

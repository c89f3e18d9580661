#include <gtest/gtest.h>

#include "agent/notice/notice_feed.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/test_http_server.h"

using namespace scx;

namespace {

constexpr std::string_view kFeed = R"(<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel>
<title>공지사항</title><link>https://notice.example/</link><description>x</description>
<item><title><![CDATA[공지]]></title><link>https://notice.example/post/1</link></item>
<item><title>점검 안내 <![CDATA[&]]> 일정</title>
<link>
  http://notice.example/post/2?a=1
</link></item>
</channel></rss>
)";

}  // namespace

TEST(NoticeFeed, ChannelAndTwoItemsGiveThreeRows) {
    auto notices = ParseNoticeFeed(kFeed);
    ASSERT_EQ(notices.size(), 3u);
    EXPECT_EQ(notices[0].title, "공지사항");
    EXPECT_EQ(notices[1].title, "공지");
    EXPECT_EQ(notices[1].link, "https://notice.example/post/1");
    EXPECT_EQ(notices[2].title, "점검 안내 & 일정");
    EXPECT_EQ(OpenableLink(notices[2].link), "http://notice.example/post/2?a=1");
}

TEST(NoticeFeed, MalformedFeeds) {
    struct Case {
        const char* text;
        std::vector<std::pair<std::string, std::string>> rows;
    } cases[] = {
        {"", {}},
        {"<html>no titles</html>", {}},
        {"<title>cut off", {{"cut off", ""}}},
        {"<title>a</title><link>cut", {{"a", "cut"}}},
        // A title without a link does not take the next title's link.
        {"<title>a</title><title>b</title><link>L</link>", {{"a", ""}, {"b", "L"}}},
        {"</title><title>x</title>", {{"x", ""}}},
        {"<title><![CDATA[]]></title><link></link>", {{"", ""}}},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<std::string, std::string>> rows;
        for (const auto& n : ParseNoticeFeed(c.text)) rows.emplace_back(n.title, n.link);
        EXPECT_EQ(rows, c.rows) << c.text;
    }
}

TEST(NoticeFeed, OnlyWebLinksAreOpened) {
    EXPECT_EQ(OpenableLink("https://a.example/x"), "https://a.example/x");
    EXPECT_EQ(OpenableLink(" HTTP://a.example "), "HTTP://a.example");
    for (const char* bad : {"file:///etc/passwd", "/usr/bin/xterm", "C:\\Windows\\calc.exe",
                            "javascript:alert(1)", "mailto:a@b", "https://", "http://a b",
                            "https://a\nb", "", "  ", "ftp://a.example", "httpx://a"})
        EXPECT_FALSE(OpenableLink(bad)) << bad;
}

TEST(NoticeFeed, RequestPathEscaping) {
    EXPECT_EQ(EscapeRequestPath("/rss/post/list"), "/rss/post/list");
    EXPECT_EQ(EscapeRequestPath("/공지"), "/%EA%B3%B5%EC%A7%80");
    EXPECT_EQ(EscapeRequestPath("/\xC3\xA9"), "/%C3%A9");
}

TEST(NoticeFeed, FetchesFromTheServer) {
    test::TestHttpServer server;
    server.ServeFeed(kFeed);
    test::ScriptedPrompter prompter;
    EXPECT_TRUE(IsNoticeServerReachable(*ParseServerAddress(server.HostPort())));
    EXPECT_FALSE(IsNoticeServerReachable({"127.0.0.1", test::ClosedLoopbackPort()}));
    auto notices = LoadNotices(*ParseServerAddress(server.HostPort()), prompter);
    ASSERT_EQ(notices.size(), 3u);
    EXPECT_EQ(notices[1].title, "공지");
    EXPECT_TRUE(prompter.shown.empty());
    auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], "/rss/post/list\tQuillnet");
}

TEST(NoticeFeed, FailedRequestsShowTheErrorAndGiveNoRows) {
    test::TestHttpServer server;
    server.ServeFeed(kFeed);
    struct Case {
        const char* control;
        const char* message;
    } cases[] = {
        {R"({"feed": {"status": 404}})", "HttpSendRequest error(404)\n"},
        {R"({"feed": "drop"})", "HttpSendRequest error(52)\n"},  // empty reply
    };
    for (const auto& c : cases) {
        server.SetControl(c.control);
        test::ScriptedPrompter prompter;
        EXPECT_TRUE(LoadNotices(*ParseServerAddress(server.HostPort()), prompter).empty());
        ASSERT_EQ(prompter.shown.size(), 1u) << c.control;
        EXPECT_EQ(prompter.shown[0], c.message);
    }
    test::ScriptedPrompter prompter;
    ServerAddress closed{"127.0.0.1", test::ClosedLoopbackPort()};
    EXPECT_TRUE(LoadNotices(closed, prompter).empty());
    EXPECT_EQ(prompter.shown, std::vector<std::string>{"HttpSendRequest error(7)\n"});  // no connection
}

TEST(NoticeFeed, MalformedUtf8IsReplaced) {
    test::TestHttpServer server;
    server.ServeFeed("<title>a\xFF" "b</title><link>x</link>");
    test::ScriptedPrompter prompter;
    auto notices = LoadNotices(*ParseServerAddress(server.HostPort()), prompter);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].title, "a\xEF\xBF\xBD" "b");
}

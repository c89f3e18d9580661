// Feeds arbitrary bytes to the notice-feed parser and the link check, as a hostile feed server
// would.

#include <cstdint>
#include <string_view>

#include "agent/notice/notice_feed.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const auto& notice : scx::ParseNoticeFeed(text)) {
        if (auto link = scx::OpenableLink(notice.link)) {
            if (link->empty()) __builtin_trap();
        }
    }
    scx::EscapeRequestPath(text);
    return 0;
}

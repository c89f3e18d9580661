// Feeds arbitrary bytes to the decoders of the workstation's drag payloads: on a desktop a drop
// can come from any program that offers the "IPT" or "CHECK" format. What decodes must encode
// back to a payload that decodes to the same thing.

#include <cstdint>
#include <string_view>

#include "hub/shell/drag_payload.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (auto check = scx::DecodeCheckPayload(bytes)) {
        auto again = scx::DecodeCheckPayload(scx::EncodeCheckPayload(*check));
        if (!again || again->rows != check->rows || again->productType != check->productType) __builtin_trap();
    }
    if (auto ipt = scx::DecodeIptPayload(bytes)) {
        auto again = scx::DecodeIptPayload(scx::EncodeIptPayload(*ipt));
        if (!again || again->userInfo != ipt->userInfo) __builtin_trap();
    }
    return 0;
}

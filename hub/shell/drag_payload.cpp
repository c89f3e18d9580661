#include "hub/shell/drag_payload.h"

#include <cstdint>

#include "core/utf8.h"

namespace scx {
namespace {

constexpr std::string_view kFromCheckList = "FROM_CHECKLIST";
constexpr std::string_view kFromIpt = "FROM_IPT";

void PutInt(std::string& out, std::int32_t value) {
    auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

void PutText(std::string& out, std::string_view text) {
    std::string units = Utf16LeFromUtf8(text);
    PutInt(out, static_cast<std::int32_t>(units.size() / 2));
    out += units;
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool AtEnd() const { return at_ == bytes_.size(); }
    std::optional<std::int32_t> Int() {
        if (bytes_.size() - at_ < 4) return std::nullopt;
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i) u |= std::uint32_t(static_cast<unsigned char>(bytes_[at_ + i])) << (8 * i);
        at_ += 4;
        return static_cast<std::int32_t>(u);
    }
    std::optional<std::string> Text() {
        auto units = Int();
        if (!units || *units < 0 || static_cast<size_t>(*units) > (bytes_.size() - at_) / 2) return std::nullopt;
        std::string text = Utf8FromUtf16Le(bytes_.substr(at_, static_cast<size_t>(*units) * 2));
        at_ += static_cast<size_t>(*units) * 2;
        return text;
    }

private:
    std::string_view bytes_;
    size_t at_ = 0;
};

}  // namespace

std::string EncodeCheckPayload(const CheckPayload& payload) {
    std::string out;
    PutText(out, kFromCheckList);
    PutInt(out, static_cast<std::int32_t>(payload.rows.size()));
    PutInt(out, payload.productType);
    for (int row : payload.rows) PutInt(out, row);
    return out;
}

std::string EncodeIptPayload(const IptPayload& payload) {
    std::string out;
    PutText(out, kFromIpt);
    PutInt(out, static_cast<std::int32_t>(payload.rows.size()));
    PutText(out, payload.version);
    PutText(out, payload.userInfo);
    for (const std::string& row : payload.rows)
        if (!row.empty()) PutText(out, row);
    return out;
}

std::optional<CheckPayload> DecodeCheckPayload(std::string_view bytes) {
    Reader in(bytes);
    auto marker = in.Text();
    auto count = in.Int();
    auto type = in.Int();
    if (!marker || *marker != kFromCheckList || !count || !type || *count < 0) return std::nullopt;
    CheckPayload payload;
    payload.productType = *type;
    for (std::int32_t i = 0; i < *count; ++i) {
        auto row = in.Int();
        if (!row) return std::nullopt;
        payload.rows.push_back(*row);
    }
    return payload;
}

std::optional<IptPayload> DecodeIptPayload(std::string_view bytes) {
    Reader in(bytes);
    auto marker = in.Text();
    auto count = in.Int();
    if (!marker || *marker != kFromIpt || !count || *count < 0) return std::nullopt;
    auto version = in.Text();
    auto userInfo = in.Text();
    if (!version || !userInfo) return std::nullopt;
    IptPayload payload{*version, *userInfo, {}};
    // Empty rows were not written: fewer texts than the count is fine.
    for (std::int32_t i = 0; i < *count && !in.AtEnd(); ++i) {
        auto row = in.Text();
        if (!row) return std::nullopt;
        payload.rows.push_back(std::move(*row));
    }
    return payload;
}

}  // namespace scx

#pragma once
// What a drag between the workstation's lists carries. Two formats: "CHECK" from the checklist
// dialog (the marker "FROM_CHECKLIST", the row count, the product type, the source row indices)
// and "IPT" from another IPT list (the marker "FROM_IPT", the row count, the file version "2",
// the user row and the dragged #SWLIST rows). Texts are written as a 32-bit little-endian count
// of UTF-16 code units followed by those units; integers as 32-bit little-endian values.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scx {

inline constexpr const char* kCheckMimeType = "CHECK";
inline constexpr const char* kIptMimeType = "IPT";

struct CheckPayload {
    int productType = 0;
    std::vector<int> rows;
};

struct IptPayload {
    std::string version = "2";
    std::string userInfo;           // the #USERINFO row joined by TAB
    std::vector<std::string> rows;  // #SWLIST rows joined by TAB
};

std::string EncodeCheckPayload(const CheckPayload& payload);
std::string EncodeIptPayload(const IptPayload& payload);

// None when the bytes are cut short, carry another marker, or counts run past the data.
std::optional<CheckPayload> DecodeCheckPayload(std::string_view bytes);
std::optional<IptPayload> DecodeIptPayload(std::string_view bytes);

}  // namespace scx

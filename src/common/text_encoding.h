#pragma once
// Game data is Windows-1252; the program holds UTF-8. All 256 bytes have a
// character: the five that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for U+0081 and so on, so that any byte survives the
// round trip.

#include <string>
#include <string_view>

namespace quorlen {

[[nodiscard]] std::string windows1252ToUtf8(std::string_view bytes);
// Characters that Windows-1252 cannot hold become '?', as does each byte
// of a malformed UTF-8 sequence.
[[nodiscard]] std::string utf8ToWindows1252(std::string_view text);

}  // namespace quorlen

#pragma once
// Little- and big-endian numbers read from a byte string. Callers check the
// bounds first.

#include <cstdint>
#include <string_view>

namespace quorlen::backends::bytes {

inline std::uint32_t u8(std::string_view b, std::size_t at) { return static_cast<std::uint8_t>(b[at]); }
inline std::uint32_t le16(std::string_view b, std::size_t at) { return u8(b, at) | (u8(b, at + 1) << 8); }
inline std::uint32_t le32(std::string_view b, std::size_t at) { return le16(b, at) | (le16(b, at + 2) << 16); }
inline std::uint32_t be16(std::string_view b, std::size_t at) { return (u8(b, at) << 8) | u8(b, at + 1); }
inline std::uint32_t be32(std::string_view b, std::size_t at) { return (be16(b, at) << 16) | be16(b, at + 2); }
inline std::int32_t sle32(std::string_view b, std::size_t at) { return static_cast<std::int32_t>(le32(b, at)); }
inline std::int16_t sle16(std::string_view b, std::size_t at) { return static_cast<std::int16_t>(le16(b, at)); }

}  // namespace quorlen::backends::bytes

#pragma once
// Writer of saved games in the data-file convention: text in double quotes,
// numbers bare and decimal, each field on a line of its own ending in CR LF,
// text converted back to Windows-1252.

#include <cstdint>
#include <string>
#include <string_view>

namespace quorlen {

class FieldWriter {
 public:
  void writeText(std::string_view utf8Text);
  void writeNumber(std::int64_t value);
  [[nodiscard]] const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace quorlen

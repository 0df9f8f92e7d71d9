#pragma once
// The runner's transcript: one line for each thing that happens, texts in
// double quotes with \" \\ \r \n.

#include <ostream>
#include <string>
#include <string_view>

namespace quorlen::headless {

[[nodiscard]] std::string quoted(std::string_view text);

class Transcript {
 public:
  explicit Transcript(std::ostream& out) : out_(out) {}
  void line(const std::string& text);

 private:
  std::ostream& out_;
};

}  // namespace quorlen::headless

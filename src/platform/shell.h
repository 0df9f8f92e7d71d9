#pragma once
// The desktop shell: opens an address with the program the user chose for it.

#include <string>

namespace quorlen::platform {

class Shell {
 public:
  virtual ~Shell() = default;
  // The verb "open" on an address, in a normal window. Answers the shell's
  // own result, which the game ignores.
  virtual int open(const std::string& address) = 0;
};

}  // namespace quorlen::platform

// The runner's script: every line parsed, one command at a time.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "backends/headless/script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  quorlen::headless::Script script(in);
  for (std::size_t taken = 0; taken <= size; ++taken) {
    if (!script.peek()) break;
    script.take();
  }
  if (script.peek() && !script.error()) __builtin_trap();  // more commands than lines
  return 0;
}

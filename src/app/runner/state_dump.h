#pragma once
// The runner's `dump`: the state of the program and of its windows as one
// JSON object, read from the window model and the program-wide state.

#include <nlohmann/json.hpp>

namespace quorlen {

class Program;

[[nodiscard]] nlohmann::ordered_json dumpState(const Program& program);

}  // namespace quorlen

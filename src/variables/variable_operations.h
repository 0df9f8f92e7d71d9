#pragma once
// The game variables: loaded from the variables file, set, flipped and read
// by name (names compare exactly, letter case included).

#include <cstdint>
#include <string>

#include "variables/variables_collection.h"

namespace quorlen {

struct GameContext;

// Empties the store and fills it with the names of the variables file, each
// at 0. A failure shows one message; the names read before it stay.
void LoadVariables(GameContext& context, VariablesCollection& Variables);
// Sets every variable of that name; NewValue -1 flips the lowest bit.
void ChangeVariableValue(VariablesCollection& Variables, const std::string& VariableName, std::int16_t NewValue);
// The value of the first variable of that name; -1 when there is none.
[[nodiscard]] std::int16_t GetVariableValue(const VariablesCollection& Variables, const std::string& VariableName);

}  // namespace quorlen

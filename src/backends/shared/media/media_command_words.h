#pragma once
// The words of a media command. Blanks separate words; a double-quoted part
// keeps its blanks (the quotes are dropped), which is how file names with
// blanks are written. The first blank ends the verb and the next one ends the
// device name, so "status  mode" names an empty device; further runs of
// blanks count as one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "backends/shared/media/media_result.h"

namespace quorlen::backends {

struct CommandWord {
  std::string text;
  bool quoted = false;  // some of it was written in quotes
};

struct CommandWords {
  std::string verb;
  std::optional<CommandWord> device;  // empty when nothing follows the verb
  std::vector<CommandWord> rest;      // keywords and their values, in order
};

// Fails with kMediaErrMissingCommandString for a blank command and
// kMediaErrNoClosingQuote for an unbalanced quote.
[[nodiscard]] MediaResult<CommandWords> splitCommand(std::string_view command);

// Keywords, device types and aliases compare ignoring ASCII letter case.
[[nodiscard]] bool sameWord(std::string_view a, std::string_view b);

// A number as the command language writes it: decimal digits only, at most
// 32 bits. Empty for anything else.
[[nodiscard]] std::optional<std::uint32_t> parseMediaNumber(std::string_view text);

}  // namespace quorlen::backends

#pragma once
// The saved-game file: the frame on show, the game variables, the areas that
// have disappeared and the names of the items held, one field a line.
//
//   frame                      text
//   V, then V x (name, value)  32-bit count; text, 16-bit value
//   D, then D x (frame, area)  32-bit count; text, 16-bit area number
//   N, then N x item name      16-bit count; any field, taken as text
//
// A count of 0 or less is followed by nothing for that list; nothing after
// the last item name is read.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/result.h"

namespace quorlen {

class FieldReader;

struct SavedGameContent {
  using Pair = std::pair<std::string, std::int16_t>;
  std::string frame;
  std::vector<Pair> variables;    // in store order
  std::vector<Pair> disappeared;  // in store order
  std::vector<std::string> items; // slot 1 first
};

// The bytes of a saved game: text in double quotes, numbers bare, each field
// on a line of its own ending in CR LF, text in Windows-1252.
[[nodiscard]] std::string savedGameBytes(const SavedGameContent& content);

// Where the fields of a saved game go while it is read. Each is handed on
// as soon as it has been read, so that a file that ends early leaves what
// came before it applied.
class SavedGameSink {
 public:
  virtual ~SavedGameSink() = default;
  virtual void variable(const std::string& name, std::int16_t value) = 0;
  virtual void disappeared(const std::string& frame, std::int16_t area) = 0;
  virtual void item(const std::string& name) = 0;
};

// Reads a saved game from its first field; answers the frame to open. The
// first field that cannot be read (past the end, not a number, out of
// range) ends the reading with its error.
[[nodiscard]] Result<std::string> readSavedGame(FieldReader& reader, SavedGameSink& sink);

}  // namespace quorlen

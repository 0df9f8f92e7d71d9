#pragma once
// The runner's script: one user input a line, read one command at a time.

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "common/result.h"
#include "platform/ui_types.h"

namespace quorlen::headless {

// WINDOW, WINDOW.CONTROL or WINDOW.CONTROL(INDEX), as written.
struct ControlName {
  std::string window;
  std::string control;  // empty: the window itself
  std::optional<int> index;
  std::string text;     // as written in the script
};

struct ScriptCommand {
  enum class Kind {
    Click, ClickAt, DblClick, Select, Type, Key, Drag, Menu, Answer, MediaEnd, Wait, Dump, Delete, FailWrites,
    FailRemoves,
  };
  Kind kind = Kind::Dump;
  int line = 0;
  ControlName target;  // Click, DblClick, Select, Type, Key, Drag (source), Menu; ClickAt: the window
  ControlName other;   // Drag: where it is dropped
  ui::MouseButton button = ui::MouseButton::Left;
  int x = 0;           // ClickAt: pixels
  int y = 0;
  int number = 0;      // Key: code; Wait: milliseconds; FailWrites: bytes
  bool off = false;    // FailWrites off
  std::optional<std::string> text;  // DblClick entry, Select entry, Type text, Delete/FailRemoves path, MediaEnd word
  std::string answer;  // Answer
};

struct ScriptError {
  int line = 0;
  std::string why;
};

class Script {
 public:
  explicit Script(std::istream& in);

  // The next command without taking it; nothing at the end of the script.
  [[nodiscard]] std::optional<ScriptCommand> peek();
  void take();
  // Set when the next line cannot be understood.
  [[nodiscard]] const std::optional<ScriptError>& error() const { return error_; }

 private:
  void skipEmpty();

  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  std::optional<ScriptCommand> peeked_;
  std::optional<ScriptError> error_;
};

// Parses one line (1-based number given for messages).
[[nodiscard]] Result<ScriptCommand> parseScriptLine(const std::string& line, int number);
[[nodiscard]] Result<ControlName> parseControlName(const std::string& word);

}  // namespace quorlen::headless

#pragma once
// Small value types of the window model: units, colours, fonts, mouse
// buttons and message-box styles.

#include <cstdint>
#include <string>

namespace quorlen::ui {

// Positions and sizes of windows and controls are in twips.
using Twips = std::int32_t;
inline constexpr Twips kTwipsPerPixel = 15;

// A position or size worked out in a wider type, held within what Twips can
// hold: sizes and places come from game files and may be absurd.
[[nodiscard]] constexpr Twips clampTwips(std::int64_t twips) {
  if (twips > INT32_MAX) return INT32_MAX;
  if (twips < INT32_MIN) return INT32_MIN;
  return static_cast<Twips>(twips);
}
[[nodiscard]] constexpr Twips twipsOfPixels(std::int64_t pixels) {
  if (pixels > INT32_MAX / kTwipsPerPixel) return INT32_MAX;
  if (pixels < INT32_MIN / kTwipsPerPixel) return INT32_MIN;
  return static_cast<Twips>(pixels * kTwipsPerPixel);
}

// red + 256 x green + 65536 x blue
using Color = std::int32_t;
[[nodiscard]] constexpr Color rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }
inline constexpr Color kBlack = 0;
inline constexpr Color kWhite = 0xFFFFFF;

// The native window handle of a control or window, as media devices take it
// (`parent N`); also the key under which events name their target.
using Handle = std::uint64_t;

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;

struct Font {
  std::string name = "Arial";
  double size = 8.25;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  friend bool operator==(const Font&, const Font&) = default;
};

enum class Alignment { Left, Right, Center };

enum class MsgBoxIcon { None, Critical, Question, Exclamation, Information };
enum class MsgBoxButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgBoxResult { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

[[nodiscard]] const char* toString(MsgBoxIcon icon);
[[nodiscard]] const char* toString(MsgBoxButtons buttons);
[[nodiscard]] const char* toString(MsgBoxResult result);
// The first button of a style: the answer a box gives by default.
[[nodiscard]] MsgBoxResult defaultAnswer(MsgBoxButtons buttons);
[[nodiscard]] bool offers(MsgBoxButtons buttons, MsgBoxResult answer);

enum class ControlKind {
  Image,       // light-weight picture that takes clicks
  Label,
  PictureBox,  // a container with a native window
  CheckBox,
  TextBox,
  ListBox,
  Button,
  MenuEntry,
  FileList,    // hidden file-list control
  Timer,
};
[[nodiscard]] const char* toString(ControlKind kind);
// Controls with a native window stack above the light-weight ones of the
// same container.
[[nodiscard]] bool hasNativeWindow(ControlKind kind);

// What a loaded picture is: the file it came from and its size in pixels.
struct Picture {
  std::string path;
  int width = 0;
  int height = 0;
  friend bool operator==(const Picture&, const Picture&) = default;
};

// A mouse pointer: the system's, the pointing hand of the window's own
// design, or one loaded from a cursor or icon file.
struct Pointer {
  enum class Kind { Default, Hand, Custom } kind = Kind::Default;
  std::string path;  // Custom: the cursor file
  int hotX = 0;
  int hotY = 0;
  friend bool operator==(const Pointer&, const Pointer&) = default;
};

}  // namespace quorlen::ui

#pragma once
// The window system as the game uses it: the window model, message boxes,
// the ways to let events in, and the loading of pictures and cursors.
//
// Everything runs on one thread. The idle points, where the user's input is
// taken, are runMainLoop, a modal window (Window::showModal), messageBox and
// waitEvents. doEvents only hands on the events already pending.

#include <string>

#include "common/result.h"
#include "platform/ui_types.h"

namespace quorlen::ui {

class WindowManager;

// Thrown by endProgram and by a backend that stops the program where it
// stands; caught only by the program's main function.
struct ProgramEnded {};

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  [[nodiscard]] virtual WindowManager& windows() = 0;

  // Runs until the program ends.
  virtual void runMainLoop() = 0;
  virtual MsgBoxResult messageBox(const std::string& text, MsgBoxButtons buttons, MsgBoxIcon icon,
                                  const std::string& title) = 0;
  // Lets the events that are already pending run, then returns.
  virtual void doEvents() = 0;
  // Waits until an event is pending or the timeout has passed, then lets the
  // pending events run.
  virtual void waitEvents(int timeoutMilliseconds) = 0;
  // Lets this much time pass while letting window events run.
  virtual void waitElapsed(int milliseconds) = 0;
  // Ends the program at once: no further handler runs.
  [[noreturn]] virtual void endProgram() = 0;

  // A picture file (BMP, JPEG, GIF, PNG, ICO, CUR) or one of the program's
  // own design pictures ("builtin:NAME").
  [[nodiscard]] virtual Result<Picture> loadPicture(const std::string& path) = 0;
  // A cursor from a .cur or .ico file, with its hot spot.
  [[nodiscard]] virtual Result<Pointer> loadCursor(const std::string& path) = 0;

  // The game starts opening a frame (the name as the game gave it). Only
  // told, for transcripts and diagnostics: a machine may ignore it.
  virtual void frameOpening(const std::string& /*name*/) {}
};

}  // namespace quorlen::ui

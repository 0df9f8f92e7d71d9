#pragma once
// The shared part of every backend's window system: the registry of
// windows, the modal stack and the active window, the queue of input events
// and the one dispatcher that hands them to the handlers.

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/input_events.h"
#include "platform/window_host.h"

namespace quorlen::ui {

class Window;

class WindowManager {
 public:
  explicit WindowManager(WindowHost& host);
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  [[nodiscard]] WindowHost& host() const { return host_; }
  [[nodiscard]] bool painting() const { return painting_; }

  // Windows register themselves when they are made.
  [[nodiscard]] Handle registerWindow(Window& window);
  void unregisterWindow(Window& window);
  [[nodiscard]] Handle newHandle() { return nextHandle_++; }
  [[nodiscard]] Window* findWindow(const std::string& name) const;
  [[nodiscard]] Window* findWindow(Handle handle) const;
  [[nodiscard]] const std::vector<Window*>& windows() const { return windows_; }
  // The control with this handle in any window.
  [[nodiscard]] Control* findControl(Handle handle) const;

  // The window that gets the input: the top modal window, else the one
  // shown last.
  [[nodiscard]] Window* activeWindow() const { return active_; }
  [[nodiscard]] Window* topModal() const { return modal_.empty() ? nullptr : modal_.back(); }
  // Whether the user can reach the control now: it is shown, its window is
  // shown and no modal window lies over it.
  [[nodiscard]] bool reachable(const Control& control) const;
  [[nodiscard]] bool reachable(const Window& window) const;

  // Input.
  void post(InputEvent event);
  [[nodiscard]] bool hasPending() const { return !queue_.empty(); }
  // Hands every pending event to its handlers; returns how many.
  int dispatchPending();
  void dispatch(const InputEvent& event);
  // Runs the paint handlers of a shown window (the window's, then its
  // picture boxes') on cleared drawings.
  void paint(Window& window);

  // Controls removed while a handler may still use them are kept here
  // until the loop next returns to an idle point.
  void bury(std::unique_ptr<Control> control);
  void collectGarbage();

  // Called by Window.
  void windowShown(Window& window, bool modal);
  void windowHidden(Window& window);
  void windowUnloaded(Window& window);

 private:
  void handle(const PointerDown& event);
  void handle(const PointerUp& event);
  void handle(const DoubleClick& event);
  void handle(const KeyPress& event);
  void handle(const MenuChoose& event);
  void handle(const TimerDue& event);
  void handle(const CloseRequest& event);
  void handle(const TextReplace& event);
  void handle(const ListSelect& event);
  void handle(const Repaint& event);
  void updateActive();
  [[nodiscard]] Window* inputWindow(Handle handle) const;

  WindowHost& host_;
  Handle nextHandle_ = 4097;
  std::vector<Window*> windows_;  // in the order they were last shown
  std::vector<Window*> modal_;
  Window* active_ = nullptr;
  std::deque<InputEvent> queue_;
  std::vector<std::unique_ptr<Control>> graveyard_;
  // The control pressed by each button, which gets the release.
  std::map<MouseButton, Handle> pressed_;
  bool painting_ = false;
};

}  // namespace quorlen::ui

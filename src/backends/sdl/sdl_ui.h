#pragma once
// The desktop window system: the shared window model shown in SDL windows.
// A model window gets an SDL window of its own, except that while the
// full-screen game window is shown, modal windows and message boxes are
// drawn inside it (so that they work in full screen). Drawing happens only
// when something changed; between events the loop sleeps in SDL.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "backends/sdl/control_geometry.h"
#include "backends/sdl/desktop_preferences.h"
#include "backends/sdl/media_pump.h"
#include "backends/sdl/message_box_view.h"
#include "backends/sdl/picture_store.h"
#include "backends/sdl/pointer_cursors.h"
#include "backends/sdl/sdl_handles.h"
#include "backends/sdl/surface.h"
#include "backends/sdl/text_renderer.h"
#include "backends/shared/timers/timer_schedule.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/user_interface.h"
#include "platform/window.h"
#include "platform/window_host.h"
#include "platform/window_manager.h"

namespace quorlen::sdl {

enum class IdlePoint { MainLoop, ModalWindow, MessageBox, WaitEvents };

// A point of an SDL window, in window points, for synthetic mouse events.
struct ScreenPoint {
  Uint32 windowId = 0;
  int x = 0;
  int y = 0;
};

// Told what the user sees; the scripted player writes its transcript from it.
class UiObserver {
 public:
  virtual ~UiObserver() = default;
  virtual void windowShown(const ui::Window& window, bool modal) = 0;
  virtual void windowHidden(const ui::Window& window) = 0;
  virtual void windowUnloaded(const ui::Window& window) = 0;
  virtual void messageBoxClosed(const std::string& text, ui::MsgBoxButtons buttons, ui::MsgBoxIcon icon,
                                const std::string& title, ui::MsgBoxResult answer) = 0;
  virtual void programEnded() = 0;
  virtual void frameOpening(const std::string& name) = 0;
  // At an idle point, before the loop sleeps. Answers true when it pushed
  // events, so that the loop does not sleep.
  virtual bool idle(IdlePoint point) = 0;
  // A marker event pushed with pushMarker() has come through the queue.
  virtual void markerReached() = 0;
};

struct UiOptions {
  bool fullscreen = true;  // the game window starts in full screen
  ScaleMode scale = ScaleMode::Fit;
  Filter filter = Filter::Linear;
  // The loudness and the window as the user left them; told of every
  // change the user makes (the volume keys, full screen, the window's size).
  DesktopPreferences preferences;
  std::function<void(const DesktopPreferences&)> preferencesChanged;
};

class SdlUi final : public ui::UserInterface, public ui::WindowHost {
 public:
  // `advanceClock` is set when time is virtual (the scripted player): the
  // loop then never fires timers by itself, waits move that clock.
  SdlUi(platform::FileSystem& files, platform::Display& display, platform::Clock& clock, UiOptions options,
        std::function<void(std::int64_t)> advanceClock = {});
  ~SdlUi() override;
  SdlUi(const SdlUi&) = delete;
  SdlUi& operator=(const SdlUi&) = delete;

  void setObserver(UiObserver* observer) { observer_ = observer; }
  void setMediaPump(MediaPump* pump) { media_ = pump; }

  // UserInterface.
  [[nodiscard]] ui::WindowManager& windows() override { return manager_; }
  void runMainLoop() override;
  ui::MsgBoxResult messageBox(const std::string& text, ui::MsgBoxButtons buttons, ui::MsgBoxIcon icon,
                              const std::string& title) override;
  void doEvents() override;
  void waitEvents(int timeoutMilliseconds) override;
  void waitElapsed(int milliseconds) override;
  [[noreturn]] void endProgram() override;
  [[nodiscard]] Result<ui::Picture> loadPicture(const std::string& path) override { return pictures_.loadPicture(path); }
  [[nodiscard]] Result<ui::Pointer> loadCursor(const std::string& path) override { return pictures_.loadCursor(path); }
  void frameOpening(const std::string& name) override {
    if (observer_ != nullptr) observer_->frameOpening(name);
  }

  // WindowHost.
  void windowShown(ui::Window& window, bool modal) override;
  void windowHidden(ui::Window& window) override;
  void windowUnloaded(ui::Window& window) override;
  void windowChanged(ui::Window& window) override { dirty_.insert(&window); }
  void timerChanged(ui::Control& timer) override;
  void runModalLoop(ui::Window& window) override;
  [[nodiscard]] ui::Twips frameAllowance() const override;
  [[nodiscard]] ui::Twips frameWidthAllowance() const override;
  [[nodiscard]] std::pair<int, int> measureText(const ui::Font& font, const std::string& text) const override;

  // The scale of modal windows and message boxes shown in windows of their
  // own: the one a 640 x 480 screen has on this display, as the game's
  // switched screen and all that is drawn in it have.
  [[nodiscard]] static double modalScale();

  // The display's mode changed: the game window's screen is redrawn, and
  // the next wait of elapsed time (the pause the game makes for a monitor
  // to settle) only lets pending events run, as the switch is virtual.
  void displayChanged();
  // Output pixels per window point of the window shown last (1 without one).
  [[nodiscard]] double pixelRatio() const;

  // Virtual time: lets this much time pass, firing the timers as they fall
  // due (the same order as the scripted runner).
  void advanceTime(std::int64_t milliseconds);
  // Runs what is pending and draws what changed, without waiting.
  void settle();

  // For synthetic input: where a point of a window's inside (twips) is on
  // screen; where a control can be clicked (a point where it is the topmost
  // control, nothing when it is covered everywhere); a menu entry; a list
  // row (scrolled into sight first); a button of the message box showing.
  [[nodiscard]] std::optional<ScreenPoint> pointOfWindow(const ui::Window& window, ui::Twips x, ui::Twips y);
  [[nodiscard]] std::optional<ScreenPoint> pointOfControl(const ui::Control& control);
  [[nodiscard]] std::optional<ScreenPoint> pointOfMenuEntry(const ui::Control& entry);
  [[nodiscard]] std::optional<ScreenPoint> pointOfListRow(const ui::Control& list, int row);
  [[nodiscard]] std::optional<ScreenPoint> pointOfAnswer(ui::MsgBoxResult answer);
  [[nodiscard]] bool messageBoxShowing() const { return !boxes_.empty(); }
  // The menu bar's entry selected by the keyboard, if any.
  [[nodiscard]] std::optional<std::size_t> menuEntrySelected() const { return menuSelected_; }
  [[nodiscard]] const DesktopPreferences& preferences() const { return options_.preferences; }
  // The tool tip on screen, if any.
  [[nodiscard]] std::optional<std::string> toolTipShown() const {
    return shownTip_ ? std::optional<std::string>(shownTip_->text) : std::nullopt;
  }
  [[nodiscard]] std::optional<ui::MsgBoxButtons> messageBoxButtonsShowing() const {
    return boxes_.empty() ? std::nullopt : std::optional<ui::MsgBoxButtons>(boxes_.back()->buttons);
  }
  // Pushes an event that comes back through markerReached.
  void pushMarker();

  // The pixels of a window as drawn now (the message box showing when
  // `window` is null).
  [[nodiscard]] SurfacePtr screenshot(const ui::Window* window);

 private:
  struct Host {
    ui::Window* window = nullptr;
    std::unique_ptr<Surface> surface;
    bool screen = false;  // covers the virtual screen (the game window)
    double scale = 1.0;   // window points per pixel of the model window
  };
  struct Box {
    MessageBoxLayout layout;
    ui::MsgBoxIcon icon = ui::MsgBoxIcon::None;
    std::string title;
    ui::MsgBoxButtons buttons = ui::MsgBoxButtons::Ok;
    std::size_t focused = 0;
    std::optional<std::size_t> pressed;
    std::optional<ui::MsgBoxResult> answer;
    std::unique_ptr<Surface> own;  // its own window, or null when drawn on the screen host
    double x = 0;                  // on the screen host, logical pixels
    double y = 0;
  };
  // Where a point of an SDL window falls.
  struct Hit {
    ui::Window* window = nullptr;  // a model window's inside
    ui::Twips x = 0;
    ui::Twips y = 0;
    Box* box = nullptr;  // a message box
    double boxX = 0;
    double boxY = 0;
    bool bar = false;  // on the window's menu bar, above its inside
    double barX = 0;   // pixels from the bar's left end
  };

  // loops
  void pass(int maxWaitMs, std::optional<IdlePoint> idle);
  void drainEvents();
  void handleEvent(const SDL_Event& e);
  void fireDueTimers();
  [[nodiscard]] int timeUntilNextWake(int maxWaitMs) const;
  void render();

  // hosts
  [[nodiscard]] Host* hostOf(const ui::Window& window);
  [[nodiscard]] Host* hostBySdlId(Uint32 id);
  [[nodiscard]] Host* screenHost();
  void createHost(ui::Window& window);
  void destroyHost(ui::Window& window);
  void renderHost(Host& host, bool present);
  void renderBox(Box& box, bool present);
  void placeOwnHost(Host& host);
  [[nodiscard]] std::pair<int, int> logicalSize(const Host& host) const;
  [[nodiscard]] std::pair<double, double> insideOrigin(const Host& host, const ui::Window& window) const;
  // How much larger than the game's screen a window or message box drawn
  // inside it is shown, so that it has the scale of modal windows: 1 when
  // the screen already has it (a switched 640 x 480 screen) or when it
  // would not fit.
  [[nodiscard]] double zoomOn(const Host& host, double width, double height) const;
  // A modal window or message box of this size, with its top-left corner at
  // (x, y) of the screen unzoomed, as drawn: zoomed around its middle.
  [[nodiscard]] Rect zoomedRect(const Host& host, double x, double y, double width, double height) const;
  [[nodiscard]] Rect overlayRect(const Host& host, const ui::Window& window) const;
  // The menu bar's height above a window's inside: it moves the inside down.
  [[nodiscard]] static double barHeight(const ui::Window& window);
  [[nodiscard]] Hit hitAt(Uint32 sdlWindow, int x, int y);
  [[nodiscard]] std::optional<ScreenPoint> toScreen(const ui::Window& window, double insideX, double insideY);

  // input
  void mouseButton(const SDL_MouseButtonEvent& e, bool down);
  void mouseMotion(const SDL_MouseMotionEvent& e);
  void mouseWheel(const SDL_MouseWheelEvent& e);
  void keyDown(const SDL_KeyboardEvent& e);
  void keyUp(const SDL_KeyboardEvent& e);
  // The player's own keys (loudness, full screen); true when it was one.
  bool playerKey(const SDL_KeyboardEvent& e);
  void preferencesChanged();
  // The game window's size out of full screen: as the user left it, or
  // three quarters of the display.
  [[nodiscard]] std::pair<int, int> windowedSize(const Host& host) const;
  void rememberWindowSize(Uint32 sdlWindow);
  // The bar's own keys; true when the key was the bar's.
  bool menuKey(ui::Window& window, const SDL_KeyboardEvent& e);
  void barPress(ui::Window& window, const Hit& hit, ui::MouseButton button, int clicks);
  void textInput(const SDL_TextInputEvent& e);
  void boxMouse(Box& box, double x, double y, bool down);
  void boxKey(Box& box, SDL_Keycode key);
  void listKey(ui::Control& list, SDL_Keycode key);
  void moveFocus(ui::Window& window);
  void updatePointer(ui::Window* window, ui::Control* over);
  void animatePointer();
  // A tip whose pointer has rested long enough is shown.
  void showDueTip();
  void forgetTips(const ui::Window& window);
  void post(ui::InputEvent event);

  platform::FileSystem& files_;
  platform::Display& display_;
  platform::Clock& clock_;
  UiOptions options_;
  std::function<void(std::int64_t)> advanceClock_;
  SdlSession session_;
  TextRenderer text_;
  PictureStore pictures_;
  RendererChoice renderers_;
  ui::WindowManager manager_;
  UiObserver* observer_ = nullptr;
  MediaPump* media_ = nullptr;
  Uint32 markerEvent_ = 0;

  std::map<ui::Window*, Host> hosts_;
  std::vector<ui::Window*> overlays_;  // modal windows drawn on the screen host, back to front
  std::vector<Box*> boxes_;            // message boxes, innermost last
  std::set<ui::Window*> dirty_;
  bool boxesDirty_ = false;
  backends::TimerSchedule timers_;
  std::map<std::uint64_t, std::uint64_t> videoSerials_;
  std::vector<VideoPicture> videos_;
  ViewState view_;
  ui::Window* lastShown_ = nullptr;
  bool switchUnsettled_ = false;

  // pointer
  std::map<std::string, CursorPtr> cursors_;  // drag icons
  PointerCursors pointerCursors_{files_};
  CursorPtr arrow_;
  CursorPtr hand_;
  SDL_Cursor* currentCursor_ = nullptr;
  ui::Handle hovered_ = 0;
  std::int64_t hoverSince_ = 0;
  struct ToolTip {
    ui::Window* window = nullptr;
    std::string text;
    ui::Twips x = 0;
    ui::Twips y = 0;
  };
  std::optional<ToolTip> pendingTip_;
  std::optional<ToolTip> shownTip_;
  std::optional<ui::Handle> menuPressed_;
  std::optional<ui::MouseButton> barButton_;  // a press on the bar that went to the window
  std::optional<std::size_t> menuSelected_;   // the bar's entry chosen by the keyboard
  bool altAlone_ = false;                     // Alt is down with no other key
};

}  // namespace quorlen::sdl

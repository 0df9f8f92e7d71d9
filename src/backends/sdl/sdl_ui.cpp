#include "backends/sdl/sdl_ui.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "backends/sdl/look.h"

namespace quorlen::sdl {

namespace {
constexpr ui::Twips kTitleBarAndBorders = (look::kTitleBarHeight + look::kBorder) * ui::kTwipsPerPixel;
constexpr ui::Twips kSideBorders = 2 * look::kBorder * ui::kTwipsPerPixel;
}  // namespace

SdlUi::SdlUi(platform::FileSystem& files, platform::Display& display, platform::Clock& clock, UiOptions options,
             std::function<void(std::int64_t)> advanceClock)
    : files_(files),
      display_(display),
      clock_(clock),
      options_(options),
      advanceClock_(std::move(advanceClock)),
      pictures_(files_, text_),
      manager_(*this),
      markerEvent_(SDL_RegisterEvents(1)),
      arrow_(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW)),
      hand_(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND)) {}

SdlUi::~SdlUi() {
  SDL_SetCursor(arrow_.get());
  hosts_.clear();
}

// --- loops -------------------------------------------------------------

void SdlUi::runMainLoop() {
  for (;;) {
    pass(-1, IdlePoint::MainLoop);
    manager_.collectGarbage();
  }
}

void SdlUi::runModalLoop(ui::Window& window) {
  while (window.loaded()) pass(-1, IdlePoint::ModalWindow);
}

void SdlUi::waitEvents(int timeoutMilliseconds) { pass(std::max(0, timeoutMilliseconds), IdlePoint::WaitEvents); }

void SdlUi::doEvents() {
  if (media_ != nullptr) media_->update();
  drainEvents();
  manager_.dispatchPending();
  fireDueTimers();
  render();
}

void SdlUi::settle() {
  drainEvents();
  manager_.dispatchPending();
  render();
}

void SdlUi::waitElapsed(int milliseconds) {
  if (advanceClock_) {
    advanceTime(milliseconds);
    return;
  }
  if (std::exchange(switchUnsettled_, false)) {
    // the pause a monitor needs after a mode switch: ours is virtual and
    // shows at once, so only what is pending runs
    doEvents();
    return;
  }
  const std::int64_t end = clock_.elapsedMilliseconds() + milliseconds;
  for (std::int64_t now = clock_.elapsedMilliseconds(); now < end; now = clock_.elapsedMilliseconds()) {
    pass(static_cast<int>(end - now), std::nullopt);
  }
}

void SdlUi::endProgram() {
  if (observer_ != nullptr) observer_->programEnded();
  throw ui::ProgramEnded{};
}

void SdlUi::pass(int maxWaitMs, std::optional<IdlePoint> idle) {
  if (media_ != nullptr) media_->update();
  drainEvents();
  manager_.dispatchPending();
  fireDueTimers();
  showDueTip();
  render();
  int wait = timeUntilNextWake(maxWaitMs);
  if (idle && observer_ != nullptr && observer_->idle(*idle)) wait = 0;
  SDL_Event e;
  if (wait < 0 ? SDL_WaitEvent(&e) == 1 : SDL_WaitEventTimeout(&e, wait) == 1) handleEvent(e);
  drainEvents();
  manager_.dispatchPending();
  fireDueTimers();
  animatePointer();
  showDueTip();
}

void SdlUi::animatePointer() {
  if (SDL_Cursor* next = pointerCursors_.advance(static_cast<std::int64_t>(SDL_GetTicks64()))) {
    SDL_SetCursor(next);
    currentCursor_ = next;
  }
}

void SdlUi::drainEvents() {
  SDL_Event e;
  while (SDL_PollEvent(&e) == 1) handleEvent(e);
}

int SdlUi::timeUntilNextWake(int maxWaitMs) const {
  long long wait = maxWaitMs < 0 ? LLONG_MAX : maxWaitMs;
  const std::int64_t now = clock_.elapsedMilliseconds();
  if (!advanceClock_) {
    if (auto due = timers_.nextDue(manager_)) wait = std::min<long long>(wait, std::max<std::int64_t>(0, *due - now));
  }
  if (media_ != nullptr) {
    if (auto next = media_->nextWakeMilliseconds()) wait = std::min<long long>(wait, std::max(0, *next));
  }
  if (auto step = pointerCursors_.untilNextStep(static_cast<std::int64_t>(SDL_GetTicks64()))) {
    wait = std::min<long long>(wait, *step);
  }
  if (pendingTip_) {
    const auto tipDue = hoverSince_ + look::kToolTipDelayMs - static_cast<std::int64_t>(SDL_GetTicks64());
    wait = std::min<long long>(wait, std::max<std::int64_t>(0, tipDue));
  }
  return wait == LLONG_MAX ? -1 : static_cast<int>(std::min<long long>(wait, INT_MAX));
}

// --- time --------------------------------------------------------------

void SdlUi::timerChanged(ui::Control& timer) { timers_.changed(timer, clock_.elapsedMilliseconds()); }

void SdlUi::fireDueTimers() {
  if (advanceClock_) return;
  timers_.fireDue(manager_, clock_.elapsedMilliseconds());
}

void SdlUi::advanceTime(std::int64_t milliseconds) {
  timers_.advance(manager_, clock_.elapsedMilliseconds(), milliseconds, [this](std::int64_t at) {
    if (advanceClock_) advanceClock_(at);
  });
}

// --- window notices -----------------------------------------------------

void SdlUi::windowShown(ui::Window& window, bool modal) {
  createHost(window);
  lastShown_ = &window;
  dirty_.insert(&window);
  if (observer_ != nullptr) observer_->windowShown(window, modal);
}

void SdlUi::windowHidden(ui::Window& window) {
  forgetTips(window);
  destroyHost(window);
  if (observer_ != nullptr) observer_->windowHidden(window);
}

void SdlUi::windowUnloaded(ui::Window& window) {
  forgetTips(window);
  destroyHost(window);
  dirty_.erase(&window);
  for (auto it = view_.listTop.begin(); it != view_.listTop.end();) {
    it = window.findByHandle(it->first) == nullptr ? it : view_.listTop.erase(it);
  }
  if (observer_ != nullptr) observer_->windowUnloaded(window);
}

void SdlUi::forgetTips(const ui::Window& window) {
  if (pendingTip_ && pendingTip_->window == &window) pendingTip_.reset();
  if (shownTip_ && shownTip_->window == &window) shownTip_.reset();
}

void SdlUi::displayChanged() {
  switchUnsettled_ = true;
  if (Host* screen = screenHost()) dirty_.insert(screen->window);
}

ui::Twips SdlUi::frameAllowance() const { return kTitleBarAndBorders; }
ui::Twips SdlUi::frameWidthAllowance() const { return kSideBorders; }

std::pair<int, int> SdlUi::measureText(const ui::Font& font, const std::string& text) const {
  return const_cast<TextRenderer&>(text_).measure(font, text, 1.0);
}

double SdlUi::pixelRatio() const {
  if (lastShown_ != nullptr) {
    auto it = hosts_.find(lastShown_);
    if (it != hosts_.end() && it->second.surface) return it->second.surface->pixelRatio();
  }
  for (const auto& [window, host] : hosts_) {
    if (host.surface) return host.surface->pixelRatio();
  }
  return 1.0;
}

void SdlUi::pushMarker() {
  SDL_Event e{};
  e.type = markerEvent_;
  SDL_PushEvent(&e);
}

// --- message boxes ------------------------------------------------------

ui::MsgBoxResult SdlUi::messageBox(const std::string& text, ui::MsgBoxButtons buttons, ui::MsgBoxIcon icon,
                                   const std::string& title) {
  manager_.dispatchPending();
  Box box;
  box.icon = icon;
  box.title = title;
  box.buttons = buttons;
  Host* screen = screenHost();
  const bool onScreen = screen != nullptr && screen->window->state() == ui::Window::State::Shown;
  double maxWidth = 420;
  if (onScreen) maxWidth = std::min(maxWidth, logicalSize(*screen).first - 80.0);
  box.layout = layoutMessageBox(text, buttons, icon, title, text_, std::max(120.0, maxWidth));
  if (onScreen) {
    const auto [w, h] = logicalSize(*screen);
    box.x = std::max(0.0, (w - box.layout.width) / 2);
    box.y = std::max(0.0, (h - box.layout.height) / 2);
  } else {
    WindowPlacement place;
    place.title = title;
    place.width = static_cast<int>(box.layout.width * modalScale());
    place.height = static_cast<int>(box.layout.height * modalScale());
    place.borderless = true;
    Host* parent = lastShown_ != nullptr ? hostOf(*lastShown_) : nullptr;
    if (parent != nullptr && parent->surface) {
      int px = 0;
      int py = 0;
      int pw = 0;
      int ph = 0;
      SDL_GetWindowPosition(parent->surface->window(), &px, &py);
      SDL_GetWindowSize(parent->surface->window(), &pw, &ph);
      place.x = px + (pw - place.width) / 2;
      place.y = py + (ph - place.height) / 2;
    }
    box.own = std::make_unique<Surface>(place, renderers_, pictures_, text_, options_.filter);
    if (parent != nullptr && parent->surface) SDL_SetWindowModalFor(box.own->window(), parent->surface->window());
    SDL_RaiseWindow(box.own->window());
  }
  boxes_.push_back(&box);
  boxesDirty_ = true;
  (void)pointerCursors_.show(nullptr, 0);
  SDL_SetCursor(arrow_.get());
  currentCursor_ = arrow_.get();
  try {
    while (!box.answer) pass(-1, IdlePoint::MessageBox);
  } catch (...) {
    boxes_.pop_back();
    throw;
  }
  boxes_.pop_back();
  box.own.reset();
  for (auto& [window, host] : hosts_) dirty_.insert(window);
  const ui::MsgBoxResult answer = *box.answer;
  if (observer_ != nullptr) observer_->messageBoxClosed(text, buttons, icon, title, answer);
  return answer;
}

}  // namespace quorlen::sdl

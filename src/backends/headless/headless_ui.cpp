#include "backends/headless/headless_ui.h"

#include <cmath>

#include "backends/shared/pictures/picture_loading.h"

namespace quorlen::headless {

namespace {
constexpr ui::Twips kTitleBarAndBorders = 27 * ui::kTwipsPerPixel;
constexpr ui::Twips kSideBorders = 8 * ui::kTwipsPerPixel;
}  // namespace

HeadlessUi::HeadlessUi(Transcript& transcript, VirtualClock& clock, HeadlessFileSystem& files, Script& script)
    : transcript_(transcript), clock_(clock), files_(files), script_(script), manager_(*this) {}

// --- loops -------------------------------------------------------------

void HeadlessUi::runMainLoop() {
  for (;;) idle(true);
}

void HeadlessUi::runModalLoop(ui::Window& window) {
  while (window.loaded()) idle(false);
}

void HeadlessUi::waitEvents(int /*timeoutMilliseconds*/) { idle(false); }

void HeadlessUi::doEvents() { manager_.dispatchPending(); }

void HeadlessUi::waitElapsed(int milliseconds) { advanceClock(milliseconds); }

void HeadlessUi::endProgram() {
  transcript_.line("end program");
  throw ui::ProgramEnded{};
}

void HeadlessUi::stopAtEnd() {
  if (const auto& error = script_.error()) {
    transcript_.line("error " + std::to_string(error->line) + ": " + error->why);
    throw ScriptFailed{};
  }
  transcript_.line("end of script");
  throw ui::ProgramEnded{};
}

void HeadlessUi::paintChanged() {
  while (!changed_.empty()) {
    ui::Window* window = *changed_.begin();
    changed_.erase(changed_.begin());
    if (window == lastChanged_) lastChanged_ = nullptr;
    manager_.paint(*window);
  }
}

void HeadlessUi::idle(bool outermost) {
  manager_.dispatchPending();
  if (outermost) manager_.collectGarbage();
  paintChanged();
  const std::optional<ScriptCommand> command = script_.peek();
  if (!command) stopAtEnd();
  script_.take();
  execute(*command);
  manager_.dispatchPending();
}

ui::MsgBoxResult HeadlessUi::messageBox(const std::string& text, ui::MsgBoxButtons buttons, ui::MsgBoxIcon icon,
                                        const std::string& title) {
  manager_.dispatchPending();
  paintChanged();
  const std::string shown = std::string("msgbox ") + ui::toString(icon) + " " + ui::toString(buttons) + " " +
                            quoted(title) + " " + quoted(text) + " -> ";
  for (;;) {
    const std::optional<ScriptCommand> command = script_.peek();
    if (!command && script_.error()) stopAtEnd();
    if (command && simulateFileFault(files_, *command)) {
      script_.take();
      continue;
    }
    if (!command || command->kind != ScriptCommand::Kind::Answer) {
      const ui::MsgBoxResult answer = ui::defaultAnswer(buttons);
      transcript_.line(shown + ui::toString(answer) + " (default)");
      return answer;
    }
    script_.take();
    for (ui::MsgBoxResult answer : {ui::MsgBoxResult::Ok, ui::MsgBoxResult::Cancel, ui::MsgBoxResult::Abort,
                                    ui::MsgBoxResult::Retry, ui::MsgBoxResult::Ignore, ui::MsgBoxResult::Yes,
                                    ui::MsgBoxResult::No}) {
      if (command->answer == ui::toString(answer) && ui::offers(buttons, answer)) {
        transcript_.line(shown + ui::toString(answer));
        return answer;
      }
    }
    notAvailable("answer");
  }
}

// --- time --------------------------------------------------------------

void HeadlessUi::timerChanged(ui::Control& timer) { timers_.changed(timer, clock_.elapsedMilliseconds()); }

void HeadlessUi::advanceClock(std::int64_t milliseconds) {
  timers_.advance(manager_, clock_.elapsedMilliseconds(), milliseconds,
                  [this](std::int64_t at) { clock_.advanceTo(at); });
}

// --- window notices -----------------------------------------------------

void HeadlessUi::windowShown(ui::Window& window, bool modal) {
  transcript_.line("window show " + window.name() + (modal ? " modal" : ""));
  changed_.insert(&window);
}

void HeadlessUi::windowHidden(ui::Window& window) { transcript_.line("window hide " + window.name()); }

void HeadlessUi::windowUnloaded(ui::Window& window) {
  changed_.erase(&window);
  if (lastChanged_ == &window) lastChanged_ = nullptr;
  transcript_.line("window unload " + window.name());
}

ui::Twips HeadlessUi::frameAllowance() const { return kTitleBarAndBorders; }
ui::Twips HeadlessUi::frameWidthAllowance() const { return kSideBorders; }

std::pair<int, int> HeadlessUi::measureText(const ui::Font& font, const std::string& text) const {
  // A fixed measure, so that transcripts never depend on installed fonts:
  // an average glyph is 0.55 of the em, a line 1.15 of it.
  const double em = font.size * 96.0 / 72.0;
  std::size_t glyphs = 0;
  for (unsigned char c : text) glyphs += (c & 0xC0) != 0x80 ? 1 : 0;
  const double factor = font.bold ? 0.6 : 0.55;
  // A font size from a game file may be absurd (or not a number): the
  // measure stays within what a size in pixels can hold.
  const auto pixels = [](double size) {
    if (!(size > 0)) return 0;
    return size >= INT32_MAX ? INT32_MAX : static_cast<int>(std::lround(size));
  };
  return {pixels(static_cast<double>(glyphs) * em * factor), pixels(em * 1.15)};
}

// --- pictures -----------------------------------------------------------

Result<ui::Picture> HeadlessUi::loadPicture(const std::string& path) {
  return backends::loadPictureInfo(files_, path);
}

Result<ui::Pointer> HeadlessUi::loadCursor(const std::string& path) { return backends::loadCursorInfo(files_, path); }

}  // namespace quorlen::headless

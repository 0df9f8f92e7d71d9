#include "app/checker/checker_machine.h"

#include <cmath>
#include <stdexcept>

#include "backends/shared/pictures/picture_loading.h"
#include "platform/window.h"

namespace quorlen::checker {

namespace {
constexpr ui::Twips kTitleBarAndBorders = 27 * ui::kTwipsPerPixel;
constexpr ui::Twips kSideBorders = 8 * ui::kTwipsPerPixel;
// A wait that nothing ends (a video that could not be opened, say) is ended
// by a press on the game window, as a player would; one that outlasts this
// many presses is a fault of the game that no input mends.
constexpr int kMostPressesForOneWait = 3;
}  // namespace

CheckerMachine::CheckerMachine(const std::string& gameFolder)
    : transcript_(silent_),
      clock_(12 * 3600),
      disk_(gameFolder),
      diskFiles_(disk_),
      files_(diskFiles_),
      watched_(files_),
      devices_(files_),
      media_(devices_),
      display_(transcript_, 1024, 768, 16, false),
      settings_(transcript_, std::nullopt),
      shell_(transcript_),
      manager_(*this),
      platform_{*this, media_, display_, settings_, shell_, watched_, clock_} {}

Result<std::string> CachedFileSystem::readFile(const std::string& path) {
  if (auto it = read_.find(path); it != read_.end()) return it->second;
  Result<std::string> bytes = files_.readFile(path);
  const std::size_t size = bytes ? bytes.value().size() : 0;
  if (bytesKept_ + size <= kMostBytesKept) {
    bytesKept_ += size;
    read_.emplace(path, bytes);
  }
  return bytes;
}

bool CachedFileSystem::fileExists(const std::string& path) {
  auto it = exists_.find(path);
  if (it == exists_.end()) it = exists_.emplace(path, files_.fileExists(path)).first;
  return it->second;
}

std::vector<std::string> CachedFileSystem::listFiles(const std::string& folder, std::string_view pattern) {
  const std::string key = folder + '\0' + std::string(pattern);
  auto it = lists_.find(key);
  if (it == lists_.end()) it = lists_.emplace(key, files_.listFiles(folder, pattern)).first;
  return it->second;
}

std::string CachedFileSystem::resolve(const std::string& path) {
  auto it = resolved_.find(path);
  if (it == resolved_.end()) it = resolved_.emplace(path, files_.resolve(path)).first;
  return it->second;
}

void CheckerMachine::runMainLoop() { throw std::logic_error("the checker drives the game itself"); }

void CheckerMachine::runModalLoop(ui::Window& window) {
  // The checker never opens the load or save window; one that opens is
  // closed at once, as by its Cancel.
  window.unload();
}

void CheckerMachine::post(const std::string& scriptLine, const std::vector<ui::InputEvent>& events) {
  note(scriptLine);
  stuckWaits_ = 0;
  for (const ui::InputEvent& event : events) manager_.post(event);
  manager_.dispatchPending();
}

ui::MsgBoxResult CheckerMachine::messageBox(const std::string& text, ui::MsgBoxButtons buttons,
                                            ui::MsgBoxIcon icon, const std::string& title) {
  manager_.dispatchPending();
  const ui::MsgBoxResult answer = ui::defaultAnswer(buttons);
  if (watching_) {
    happened_.scriptLines.push_back(std::string("answer ") + ui::toString(answer));
    happened_.messages.push_back(ShownMessage{title, text, ui::toString(icon), watched_.lastRead()});
  }
  return answer;
}

void CheckerMachine::waitEvents(int /*timeoutMilliseconds*/) {
  // The game waits for a video: the video plays to its end.
  if (media_.endPlayback(backends::MediaGroup::Video) > 0) {
    note("media-end video");
    manager_.dispatchPending();
    return;
  }
  // Nothing is playing that could end the wait: a press on the game window
  // asks it to stop.
  if (++stuckWaits_ > kMostPressesForOneWait) throw std::runtime_error("the game waits for something that never ends");
  ui::Window* game = manager_.findWindow("Game");
  if (game == nullptr || !game->loaded()) throw std::runtime_error("the game waits without its window");
  note("click Game");
  const ui::Twips x = game->innerWidth() / 2;
  const ui::Twips y = game->innerHeight() / 2;
  manager_.post(ui::PointerDown{game->handle(), game->handle(), x, y, ui::MouseButton::Left});
  manager_.post(ui::PointerUp{game->handle(), x, y, ui::MouseButton::Left, game->handle()});
  manager_.dispatchPending();
}

Result<ui::Picture> CheckerMachine::loadPicture(const std::string& path) {
  auto it = pictures_.find(path);
  if (it == pictures_.end()) it = pictures_.emplace(path, backends::loadPictureInfo(files_, path)).first;
  return it->second;
}

Result<ui::Pointer> CheckerMachine::loadCursor(const std::string& path) {
  auto it = cursors_.find(path);
  if (it == cursors_.end()) it = cursors_.emplace(path, backends::loadCursorInfo(files_, path)).first;
  return it->second;
}

backends::MediaResult<std::unique_ptr<backends::MediaDevice>> CheckerMediaDevices::open(
    backends::MediaDeviceType type, const std::string& path, std::optional<std::uint64_t> parentWindow) {
  const std::string key = std::string(backends::toString(type)) + '\0' + path;
  auto it = lengths_.find(key);
  if (it == lengths_.end()) {
    // What the headless backend's devices answer, worked out once.
    backends::HeadlessMediaDeviceFactory once(files_);
    auto opened = once.open(type, path, std::nullopt);
    backends::MediaResult<std::uint64_t> length =
        opened ? backends::MediaResult<std::uint64_t>(opened.value()->lengthMs())
               : backends::MediaResult<std::uint64_t>(backends::MediaError{opened.code()});
    it = lengths_.emplace(key, length).first;
  }
  if (!it->second) return backends::MediaError{it->second.code()};
  if (type != backends::MediaDeviceType::AviVideo) parentWindow.reset();
  return std::unique_ptr<backends::MediaDevice>(
      std::make_unique<backends::HeadlessMediaDevice>(type, it->second.value(), parentWindow));
}

ui::Twips CheckerMachine::frameAllowance() const { return kTitleBarAndBorders; }
ui::Twips CheckerMachine::frameWidthAllowance() const { return kSideBorders; }

std::pair<int, int> CheckerMachine::measureText(const ui::Font& font, const std::string& text) const {
  // The runner's measure, so that both lay the game out alike.
  const double em = font.size * 96.0 / 72.0;
  std::size_t glyphs = 0;
  for (unsigned char c : text) glyphs += (c & 0xC0) != 0x80 ? 1 : 0;
  const double factor = font.bold ? 0.6 : 0.55;
  return {static_cast<int>(std::lround(static_cast<double>(glyphs) * em * factor)),
          static_cast<int>(std::lround(em * 1.15))};
}

}  // namespace quorlen::checker

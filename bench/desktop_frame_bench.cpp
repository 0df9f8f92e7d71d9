// Opening a frame in the desktop player, drawn, beside its floor: the files
// the frame's open reads and its background read and decoded to pixels as
// the player's picture cache does. The frame opened cycles through more
// frames (each with a background of its own) than the picture cache holds,
// so that every open decodes its background, as a first visit does.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/player/machines.h"
#include "bench_game.h"
#include "budget.h"

namespace quorlen::bench {

namespace {

constexpr int kFrames = 120;  // 120 decoded 640 x 480 backgrounds pass 128 MB
constexpr double kDesktopOpenBudget = 2.0;

std::string frameName(int k) { return "Hall" + std::to_string(k); }

const BenchGame& desktopGame(int areas, int texts) {
  static std::map<std::tuple<int, int>, std::unique_ptr<BenchGame>> games;
  auto& game = games[{areas, texts}];
  if (!game) {
    game = std::make_unique<BenchGame>(std::vector<std::string>{"Lit"});
    for (int k = 0; k < kFrames; ++k) game->addFrame(frameName(k), areas, texts, areas > 0 ? "Lit" : "");
  }
  return *game;
}

class DesktopSession {
 public:
  explicit DesktopSession(const BenchGame& game) {
    player::PlayerOptions options;
    options.fullscreen = false;
    machine_ = std::make_unique<player::DesktopMachine>(game.root().string(), options);
    program_ = std::make_unique<Program>(machine_->platform());
    program_->start();
    GameWindow& window = program_->game();
    window.window().load();
    window.ResetAll();
    window.LoadVariables();
    window.ChangeVariableValue("Lit", 1);
    window.window().show();
    settle();
  }
  void open(const std::string& frame) {
    program_->game().OpenFrame(frame);
    settle();
  }

 private:
  void settle() {
    dynamic_cast<sdl::SdlUi&>(machine_->platform().ui).settle();
    program_->windows().collectGarbage();
  }
  std::unique_ptr<player::DesktopMachine> machine_;
  std::unique_ptr<Program> program_;
};

// Reads and decodes a picture as the picture cache does.
std::size_t decode(backends::DiskFileSystem& disk, const std::string& path) {
  auto bytes = disk.readFile(path);
  if (!bytes) return 0;
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.value().data(), static_cast<int>(bytes.value().size()));
  SDL_Surface* decoded = IMG_Load_RW(rw, 1);
  if (decoded == nullptr) return 0;
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_RGBA32, 0);
  const std::size_t size = rgba != nullptr ? static_cast<std::size_t>(rgba->pitch) * rgba->h : 0;
  SDL_FreeSurface(rgba);
  SDL_FreeSurface(decoded);
  return size;
}

void addDesktopOpen(const std::string& family, const std::string& label, int areas, int texts, double size) {
  addCase(
      family, label, size, kDesktopOpenBudget,
      [=](benchmark::State&) -> Operation {
        auto session = std::make_shared<DesktopSession>(desktopGame(areas, texts));
        return [session, k = 0]() mutable { session->open(frameName(k++ % kFrames)); };
      },
      [=](benchmark::State&) -> Operation {
        const BenchGame& game = desktopGame(areas, texts);
        Session recorder(game);
        recorder.game().ChangeVariableValue("Lit", 1);
        std::vector<std::vector<RecordingFileSystem::Read>> reads;
        std::vector<std::string> backgrounds;
        for (int k = 0; k < kFrames; ++k) {
          recorder.files().recording = true;
          recorder.game().OpenFrame(frameName(k));
          recorder.files().recording = false;
          recorder.rest();
          reads.push_back(recorder.files().take());
          backgrounds.push_back(recorder.program().state().paths.FramesPath + frameName(k) + ".jpg");
        }
        auto disk = std::make_shared<backends::DiskFileSystem>(game.root().string());
        return [disk, reads = std::move(reads), backgrounds = std::move(backgrounds), k = 0]() mutable {
          const auto frame = static_cast<std::size_t>(k++ % kFrames);
          benchmark::DoNotOptimize(replay(*disk, reads[frame]));
          benchmark::DoNotOptimize(decode(*disk, backgrounds[frame]));
        };
      });
}

}  // namespace

void registerBenchmarks(bool quick) {
  // Without a display the desktop draws offscreen, in software. The window's
  // pixels are then handed over as they are: otherwise SDL shows them through
  // a second, hidden OpenGL renderer, emulated on the processor here, which a
  // desktop with a graphics card does not have (what the player draws is the
  // same either way; only showing it costs more). Set the variable to 1 to
  // measure with it.
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_RENDER_DRIVER", "software", 0);
  setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  for (int areas : quick ? std::vector<int>{0} : std::vector<int>{0, 50, 500}) {
    addDesktopOpen("DesktopOpenFrame/areas", std::to_string(areas), areas, 0, areas);
  }
  for (int texts : quick ? std::vector<int>{10} : std::vector<int>{10, 100}) {
    addDesktopOpen("DesktopOpenFrame/texts", std::to_string(texts), 0, texts, texts);
  }
}

}  // namespace quorlen::bench

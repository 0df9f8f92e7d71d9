// Opening a frame of many areas or texts, and the visibility pass after a
// click on an area whose task changes the variable every area's visibility
// depends on; each beside its floor, the same files read from disk.
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "bench_game.h"
#include "budget.h"

namespace quorlen::bench {

namespace {

constexpr const char* kLit = "Lit";
constexpr double kOpenFrameBudget = 1.5;

// Games are made once per shape and shared by a measurement and its floor.
const BenchGame& frameGame(int areas, int texts, bool conditional) {
  static std::map<std::tuple<int, int, bool>, std::unique_ptr<BenchGame>> games;
  auto& game = games[{areas, texts, conditional}];
  if (!game) {
    game = std::make_unique<BenchGame>(std::vector<std::string>{kLit});
    game->addFrame("Hall", areas, texts, conditional ? kLit : "");
  }
  return *game;
}

// The frame's files as the open reads them, recorded once; the background,
// whose header the simulated machine reads, is read once more.
std::vector<RecordingFileSystem::Read> readsOfOpen(Session& session) {
  session.files().recording = true;
  session.game().OpenFrame("Hall");
  session.files().recording = false;
  session.rest();
  std::vector<RecordingFileSystem::Read> reads = session.files().take();
  reads.push_back({session.program().state().paths.FramesPath + "Hall.jpg", {}});
  return reads;
}

// The recorded reads done again through the disk file system alone.
Operation replayer(const BenchGame& game, std::vector<RecordingFileSystem::Read> reads) {
  auto disk = std::make_shared<backends::DiskFileSystem>(game.root().string());
  return [disk, reads = std::move(reads)] { benchmark::DoNotOptimize(replay(*disk, reads)); };
}

void addOpenFrame(const std::string& family, const std::string& label, int areas, int texts, double size) {
  addCase(
      family, label, size, kOpenFrameBudget,
      [=](benchmark::State&) -> Operation {
        auto session = std::make_shared<Session>(frameGame(areas, texts, areas > 0));
        session->game().ChangeVariableValue(kLit, 1);
        return [session] {
          session->game().OpenFrame("Hall");
          session->rest();
        };
      },
      [=](benchmark::State&) {
        const BenchGame& game = frameGame(areas, texts, areas > 0);
        Session session(game);
        return replayer(game, readsOfOpen(session));
      });
}

// Every area covers the frame and is shown while Lit is 1; the click lands
// on the topmost one, whose task sets Lit from 0 to 1, and the visibility
// pass then reads Lit for every area again.
void addClick(int areas) {
  addCase(
      "ClickWithVisibilityPass", std::to_string(areas), areas, 0,
      [=](benchmark::State& state) -> Operation {
        auto session = std::make_shared<Session>(frameGame(areas, 0, true));
        session->game().ChangeVariableValue(kLit, 1);
        session->game().OpenFrame("Hall");
        Operation click = [session] {
          session->game().ChangeVariableValue(kLit, 0);
          session->click(3000, 3000);
          session->rest();
        };
        click();
        if (session->game().GetVariableValue(kLit) != 1) state.SkipWithError("the click missed the areas");
        return click;
      },
      [=](benchmark::State&) {
        const BenchGame& game = frameGame(areas, 0, true);
        Session session(game);
        session.game().ChangeVariableValue(kLit, 1);
        session.game().OpenFrame("Hall");
        session.game().ChangeVariableValue(kLit, 0);
        session.files().recording = true;
        session.click(3000, 3000);
        session.files().recording = false;
        return replayer(game, session.files().take());
      });
}

}  // namespace

void registerFrameBenchmarks(bool quick) {
  for (int areas : quick ? std::vector<int>{0, 50} : std::vector<int>{0, 50, 1000, 5000}) {
    addOpenFrame("OpenFrame/areas", std::to_string(areas), areas, 0, areas);
  }
  for (int texts : quick ? std::vector<int>{10} : std::vector<int>{10, 500, 5000}) {
    addOpenFrame("OpenFrame/texts", std::to_string(texts), 0, texts, texts);
  }
  for (int areas : quick ? std::vector<int>{50} : std::vector<int>{50, 1000, 5000}) addClick(areas);
}

}  // namespace quorlen::bench

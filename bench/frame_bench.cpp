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

void addOpenFrame(const std::string& family, const std::string& label, int areas, int texts, double size) {
  addCase(
      family, label, size, kOpenFrameBudget,
      [=](benchmark::State& state) {
        Session session(frameGame(areas, texts, areas > 0));
        session.game().ChangeVariableValue(kLit, 1);
        for (auto _ : state) {
          session.game().OpenFrame("Hall");
          session.rest();
        }
      },
      [=](benchmark::State& state) {
        const BenchGame& game = frameGame(areas, texts, areas > 0);
        Session session(game);
        const auto reads = readsOfOpen(session);
        backends::DiskFileSystem disk(game.root().string());
        for (auto _ : state) benchmark::DoNotOptimize(replay(disk, reads));
      });
}

// Every area covers the frame and is shown while Lit is 1; the click lands
// on the topmost one, whose task sets Lit from 0 to 1, and the visibility
// pass then reads Lit for every area again.
void addClick(int areas) {
  addCase(
      "ClickWithVisibilityPass", std::to_string(areas), areas, 0,
      [=](benchmark::State& state) {
        Session session(frameGame(areas, 0, true));
        session.game().ChangeVariableValue(kLit, 1);
        session.game().OpenFrame("Hall");
        for (auto _ : state) {
          session.game().ChangeVariableValue(kLit, 0);
          session.click(3000, 3000);
          session.rest();
        }
        if (session.game().GetVariableValue(kLit) != 1) state.SkipWithError("the click missed the areas");
      },
      [=](benchmark::State& state) {
        const BenchGame& game = frameGame(areas, 0, true);
        Session session(game);
        session.game().ChangeVariableValue(kLit, 1);
        session.game().OpenFrame("Hall");
        session.game().ChangeVariableValue(kLit, 0);
        session.files().recording = true;
        session.click(3000, 3000);
        session.files().recording = false;
        const auto reads = session.files().take();
        backends::DiskFileSystem disk(game.root().string());
        for (auto _ : state) benchmark::DoNotOptimize(replay(disk, reads));
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

// Whole-game measurements through the scripted runner: a frame of many
// areas with visibility conditions, opened again and again by its timer, and
// clicked again and again (each click re-reads every area file, as the game
// does: nothing is cached).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "app/runner/runner.h"

namespace {
namespace fs = std::filesystem;

constexpr int kAreas = 60;
constexpr int kVariables = 50;

void write(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// A game of one frame, Hall, with kAreas areas, each shown only while four
// variables are 0 and four are 1; its timer reopens it every second.
fs::path makeGame() {
  const fs::path root = fs::temp_directory_path() / ("quorlen-bench-" + std::to_string(::getpid()));
  write(root / "Config/General", "\"bench\",\"\",\"Bench\",0,\"Hall\",\"1\",640,480,\"\",\"\",\"\",0\r\n");
  std::string vars = std::to_string(kVariables) + "\r\n";
  for (int v = 0; v < kVariables; ++v) vars += "\"V" + std::to_string(v) + "\"\r\n";
  write(root / "Config/Variables", vars);
  write(root / "Frames/Hall.fme", "0,\"0\",#FALSE#,#FALSE#,\"\",#TRUE#,1,\"Hall\",\"\",#TRUE#\r\n");
  write(root / "Frames/Hall.lks", std::to_string(kAreas) + "\r\n");
  for (int n = 1; n <= kAreas; ++n) {
    std::string area = std::to_string(n * 60) + "," + std::to_string(n * 30) + ",900,900,#TRUE#,#FALSE#,\"\",0,\"\",1,4";
    for (int i = 0; i < 4; ++i) area += ",\"V" + std::to_string((n + i) % kVariables) + "\"";
    area += ",4";
    for (int i = 4; i < 8; ++i) area += ",\"V" + std::to_string((n + i) % kVariables) + "\"";
    write(root / ("Areas/Hall/" + std::to_string(n) + "a.dat"), area + "\r\n");
    write(root / ("Areas/Hall/" + std::to_string(n) + "b.dat"),
          "1,\"V" + std::to_string(n % kVariables) + "\",#FALSE#,#FALSE#,#TRUE#,0,\"\",0,\"\",0,0,0,\"\"\r\n");
  }
  return root;
}

void runScript(const fs::path& game, const std::string& script) {
  quorlen::headless::MachineOptions options;
  options.gameFolder = game.string();
  std::istringstream in(script);
  std::ostringstream out;
  quorlen::runGame(options, in, out);
  benchmark::DoNotOptimize(out.str().size());
}

void BM_OpenFrameWithAreas(benchmark::State& state) {
  const fs::path game = makeGame();
  std::string script = "click frmWelcome.Image5\n";
  for (int i = 0; i < state.range(0); ++i) script += "wait 1000\n";
  for (auto _ : state) runScript(game, script);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  fs::remove_all(game);
}
BENCHMARK(BM_OpenFrameWithAreas)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_ClickWithVisibilityPass(benchmark::State& state) {
  const fs::path game = makeGame();
  std::string script = "click frmWelcome.Image5\n";
  for (int i = 0; i < state.range(0); ++i) script += "click-at Game " + std::to_string(200 + i % 40) + " 200\n";
  for (auto _ : state) runScript(game, script);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  fs::remove_all(game);
}
BENCHMARK(BM_ClickWithVisibilityPass)->Arg(50)->Unit(benchmark::kMillisecond);

}  // namespace

// The checker's search: states a second on the demo game and on a game of
// independent switches (2^N states in one frame), against a floor measured
// in the same run: the same inputs given one after another by quorlen-run,
// without any state put back. The ratio of the two is what putting the
// game into each state costs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "app/checker/solver.h"
#include "app/checker/state_store.h"
#include "app/runner/runner.h"

namespace {
namespace fs = std::filesystem;

void write(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// One frame with `switches` areas; area n flips variable Vn. Every mix of
// the switches is a state: 2^switches of them.
fs::path makeSwitchboard(int switches) {
  const fs::path root = fs::temp_directory_path() / ("quorlen-check-bench-" + std::to_string(::getpid()));
  write(root / "Config/General", "\"bench\",\"\",\"Bench\",0,\"Hall\",\"1\",640,480,\"\",\"\",\"\",0\r\n");
  std::string vars = std::to_string(switches) + "\r\n";
  for (int v = 1; v <= switches; ++v) vars += "\"V" + std::to_string(v) + "\"\r\n";
  write(root / "Config/Variables", vars);
  write(root / "Frames/Hall.fme", "0,\"0\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#TRUE#\r\n");
  write(root / "Frames/Hall.lks", std::to_string(switches) + "\r\n");
  for (int n = 1; n <= switches; ++n) {
    write(root / ("Areas/Hall/" + std::to_string(n) + "a.dat"),
          std::to_string(n * 300) + ",300,270,270,#FALSE#,#FALSE#,\"\",0,\"\",0\r\n");
    write(root / ("Areas/Hall/" + std::to_string(n) + "b.dat"),
          "1,\"V" + std::to_string(n) + "\",#FALSE#,#FALSE#,#TRUE#,0,\"\",0,\"\",0,0,0,\"\"\r\n");
  }
  return root;
}

void solveAndCount(benchmark::State& state, const std::string& game, std::uint32_t expectStates) {
  std::uint64_t states = 0;
  std::uint64_t inputs = 0;
  for (auto _ : state) {
    const quorlen::checker::SolveResult r = quorlen::checker::solve(game, {});
    if (expectStates != 0 && r.states != expectStates) state.SkipWithError("unexpected number of states");
    states += r.states;
    inputs += r.inputs;
  }
  state.counters["states"] = benchmark::Counter(static_cast<double>(states) / static_cast<double>(state.iterations()));
  state.counters["states/s"] = benchmark::Counter(static_cast<double>(states), benchmark::Counter::kIsRate);
  state.counters["inputs/s"] = benchmark::Counter(static_cast<double>(inputs), benchmark::Counter::kIsRate);
}

void BM_SolveDemo(benchmark::State& state) { solveAndCount(state, QUORLEN_SOURCE_DIR "/games/demo", 0); }
BENCHMARK(BM_SolveDemo)->Unit(benchmark::kSecond)->Iterations(1);

void BM_SolveSwitchboard(benchmark::State& state) {
  const fs::path game = makeSwitchboard(static_cast<int>(state.range(0)));
  solveAndCount(state, game.string(), 1u << state.range(0));
  fs::remove_all(game);
}
BENCHMARK(BM_SolveSwitchboard)->Arg(12)->Unit(benchmark::kMillisecond);

// The floor: quorlen-run clicking the switches one after another.
void BM_RunnerInputsFloor(benchmark::State& state) {
  const fs::path game = makeSwitchboard(12);
  std::string script = "click frmWelcome.Image5\n";
  for (int i = 0; i < state.range(0); ++i) script += "click Game.Area(" + std::to_string(1 + i % 12) + ")\n";
  for (auto _ : state) {
    quorlen::headless::MachineOptions options;
    options.gameFolder = game.string();
    std::istringstream in(script);
    std::ostringstream out;
    quorlen::runGame(options, in, out);
    benchmark::DoNotOptimize(out.str().size());
  }
  state.counters["inputs/s"] =
      benchmark::Counter(static_cast<double>(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
  fs::remove_all(game);
}
BENCHMARK(BM_RunnerInputsFloor)->Arg(2000)->Unit(benchmark::kMillisecond);

// The state table alone: a state turned into bytes and looked up.
void BM_StateStoreInsert(benchmark::State& state) {
  quorlen::checker::GameState s{"Hall", std::vector<std::int16_t>(20, 0), {{"Hall", 2}}, {"Rope", "Hook"}};
  for (auto _ : state) {
    quorlen::checker::StateCodec codec;
    quorlen::checker::StateStore store;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
      for (std::size_t b = 0; b < 20; ++b) s.values[b] = static_cast<std::int16_t>((i >> b) & 1);
      benchmark::DoNotOptimize(store.insert(codec.encode(s)));
    }
    state.counters["bytes/state"] = static_cast<double>(store.memoryBytes()) / static_cast<double>(state.range(0));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StateStoreInsert)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

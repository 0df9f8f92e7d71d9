// What quorlen_bench measures: the game's own work on the runner's
// simulated machine.
namespace quorlen::bench {

void registerFieldReaderBenchmarks(bool quick);
void registerFrameBenchmarks(bool quick);
void registerSavedGameBenchmarks(bool quick);

void registerBenchmarks(bool quick) {
  registerFieldReaderBenchmarks(quick);
  registerFrameBenchmarks(quick);
  registerSavedGameBenchmarks(quick);
}

}  // namespace quorlen::bench

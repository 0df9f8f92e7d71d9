// How fast the data-file reader goes through fields.
#include <benchmark/benchmark.h>

#include <string>

#include "common/field_reader.h"

namespace {

std::string taskFile(int repeats) {
  std::string one =
      "1\r\n\"DoorOpen\"\r\n#FALSE#\r\n#FALSE#\r\n#TRUE#\r\n1\r\n\"The door, at last, opens.\"\r\n0\r\n\"\"\r\n"
      "0\r\n0\r\n1\r\n\"Garden\"\r\n0\r\n0\r\n0\r\n";
  std::string all;
  for (int i = 0; i < repeats; ++i) all += one;
  return all;
}

void BM_ReadTaskFields(benchmark::State& state) {
  const std::string bytes = taskFile(static_cast<int>(state.range(0)));
  std::int64_t fields = 0;
  for (auto _ : state) {
    quorlen::FieldReader reader(bytes);
    while (!reader.atEnd()) {
      auto value = reader.readValue();
      if (!value) break;
      benchmark::DoNotOptimize(value);
      ++fields;
    }
  }
  state.SetItemsProcessed(fields);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadTaskFields)->Arg(1)->Arg(100);

}  // namespace

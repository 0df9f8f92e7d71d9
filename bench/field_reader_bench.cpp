// How fast the data-file reader goes through fields, beside its floor: the
// same bytes looked at once each, for their line ends.
#include <algorithm>
#include <string>

#include "budget.h"
#include "common/field_reader.h"

namespace quorlen::bench {

namespace {

std::string taskFile(int repeats) {
  std::string one =
      "1\r\n\"DoorOpen\"\r\n#FALSE#\r\n#FALSE#\r\n#TRUE#\r\n1\r\n\"The door, at last, opens.\"\r\n0\r\n\"\"\r\n"
      "0\r\n0\r\n1\r\n\"Garden\"\r\n0\r\n0\r\n0\r\n";
  std::string all;
  for (int i = 0; i < repeats; ++i) all += one;
  return all;
}

void addFieldReader(int repeats) {
  addCase(
      "ReadTaskFields", std::to_string(repeats), repeats, 0,
      [=](benchmark::State&) -> Operation {
        return [bytes = taskFile(repeats)] {
          FieldReader reader(bytes);
          while (!reader.atEnd()) {
            auto value = reader.readValue();
            if (!value) break;
            benchmark::DoNotOptimize(value);
          }
        };
      },
      [=](benchmark::State&) -> Operation {
        return [bytes = taskFile(repeats)] { benchmark::DoNotOptimize(std::count(bytes.begin(), bytes.end(), '\n')); };
      },
      Caches::Warm);
}

}  // namespace

void registerFieldReaderBenchmarks(bool quick) {
  for (int repeats : quick ? std::vector<int>{1, 10} : std::vector<int>{1, 10, 100, 1000}) addFieldReader(repeats);
}

}  // namespace quorlen::bench

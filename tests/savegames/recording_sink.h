#pragma once
// A saved-game sink that notes what a reading hands it, in order.

#include <cstdint>
#include <string>
#include <vector>

#include "savegames/saved_game_file.h"

namespace quorlen::fakes {

class RecordingSink final : public SavedGameSink {
 public:
  std::vector<std::string> calls;  // "variable DoorOpen=1", "disappeared Hall/2", "item Lamp"

  void variable(const std::string& name, std::int16_t value) override {
    calls.push_back("variable " + name + "=" + std::to_string(value));
  }
  void disappeared(const std::string& frame, std::int16_t area) override {
    calls.push_back("disappeared " + frame + "/" + std::to_string(area));
  }
  void item(const std::string& name) override { calls.push_back("item " + name); }
};

}  // namespace quorlen::fakes

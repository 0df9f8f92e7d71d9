#pragma once
// The states a search has met, each kept once as a few bytes: names of
// frames and items become small numbers, and the bytes of all states lie in
// one block, found again through an open-addressing table of 32-bit
// numbers. A million states of a small game take some tens of megabytes.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/checker/game_session.h"

namespace quorlen::checker {

// Turns states into their bytes and back.
class StateCodec {
 public:
  [[nodiscard]] std::string encode(const GameState& state);
  [[nodiscard]] GameState decode(std::string_view bytes) const;

 private:
  [[nodiscard]] std::uint16_t nameNumber(const std::string& name);
  std::unordered_map<std::string, std::uint16_t> numbers_;
  std::vector<std::string> names_;
};

class StateStore {
 public:
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

  // The number of the state with these bytes, and whether it is new.
  std::pair<std::uint32_t, bool> insert(std::string_view bytes);
  [[nodiscard]] std::string_view bytes(std::uint32_t id) const {
    return std::string_view(arena_).substr(offsets_[id], offsets_[id + 1] - offsets_[id]);
  }
  [[nodiscard]] std::uint32_t size() const { return static_cast<std::uint32_t>(offsets_.size() - 1); }
  // Bytes held, for the record of a search.
  [[nodiscard]] std::size_t memoryBytes() const {
    return arena_.capacity() + offsets_.capacity() * sizeof(std::uint64_t) + slots_.capacity() * sizeof(std::uint32_t);
  }

 private:
  void grow();
  std::string arena_;
  std::vector<std::uint64_t> offsets_{0};
  std::vector<std::uint32_t> slots_ = std::vector<std::uint32_t>(1024, kNone);
};

}  // namespace quorlen::checker

#include "app/checker/state_store.h"

#include <stdexcept>

namespace quorlen::checker {

namespace {

void put16(std::string& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

std::uint16_t get16(std::string_view in, std::size_t& at) {
  const auto lo = static_cast<unsigned char>(in[at]);
  const auto hi = static_cast<unsigned char>(in[at + 1]);
  at += 2;
  return static_cast<std::uint16_t>(lo | (hi << 8));
}

}  // namespace

std::uint16_t StateCodec::nameNumber(const std::string& name) {
  auto [it, added] = numbers_.try_emplace(name, static_cast<std::uint16_t>(names_.size()));
  if (added) {
    if (names_.size() >= 0xFFFF) throw std::runtime_error("more than 65535 names of frames and items");
    names_.push_back(name);
  }
  return it->second;
}

std::string StateCodec::encode(const GameState& state) {
  std::string out;
  out.reserve(6 + 2 * state.values.size() + 4 * state.gone.size() + 2 * state.items.size());
  put16(out, nameNumber(state.frame));
  put16(out, static_cast<std::uint16_t>(state.values.size()));
  for (std::int16_t v : state.values) put16(out, static_cast<std::uint16_t>(v));
  put16(out, static_cast<std::uint16_t>(state.gone.size()));
  for (const auto& [frame, area] : state.gone) {
    put16(out, nameNumber(frame));
    put16(out, static_cast<std::uint16_t>(area));
  }
  // The items run to the end.
  for (const std::string& item : state.items) put16(out, nameNumber(item));
  return out;
}

GameState StateCodec::decode(std::string_view in) const {
  GameState s;
  std::size_t at = 0;
  s.frame = names_.at(get16(in, at));
  const std::uint16_t values = get16(in, at);
  for (std::uint16_t i = 0; i < values; ++i) s.values.push_back(static_cast<std::int16_t>(get16(in, at)));
  const std::uint16_t gone = get16(in, at);
  for (std::uint16_t i = 0; i < gone; ++i) {
    const std::string& frame = names_.at(get16(in, at));
    s.gone.emplace_back(frame, static_cast<std::int16_t>(get16(in, at)));
  }
  while (at + 1 < in.size()) s.items.push_back(names_.at(get16(in, at)));
  return s;
}

std::pair<std::uint32_t, bool> StateStore::insert(std::string_view bytes) {
  if ((size() + 1) * 2 > slots_.size()) grow();
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = std::hash<std::string_view>{}(bytes) & mask;
  while (slots_[slot] != kNone) {
    if (this->bytes(slots_[slot]) == bytes) return {slots_[slot], false};
    slot = (slot + 1) & mask;
  }
  const std::uint32_t id = size();
  if (id == kNone) throw std::runtime_error("too many states");
  arena_.append(bytes);
  offsets_.push_back(arena_.size());
  slots_[slot] = id;
  return {id, true};
}

void StateStore::grow() {
  std::vector<std::uint32_t> slots(slots_.size() * 2, kNone);
  const std::size_t mask = slots.size() - 1;
  for (std::uint32_t id = 0; id < size(); ++id) {
    std::size_t slot = std::hash<std::string_view>{}(bytes(id)) & mask;
    while (slots[slot] != kNone) slot = (slot + 1) & mask;
    slots[slot] = id;
  }
  slots_ = std::move(slots);
}

}  // namespace quorlen::checker

#pragma once
// The playing time of a standard MIDI file, from its tracks' event times,
// its division and its tempo changes. Damaged tracks count as far as they
// can be read.

#include <cstdint>
#include <string_view>

namespace quorlen::backends {

// Milliseconds until the last event of the longest track; 0 for bytes that
// do not start with an MThd header.
[[nodiscard]] std::uint64_t midiLengthMs(std::string_view smf);

}  // namespace quorlen::backends

#include "backends/headless/media/midi_duration.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace quorlen::backends {
namespace {

constexpr std::uint64_t kDefaultTempo = 500000;  // microseconds per quarter note (120 bpm)
constexpr unsigned char kMetaEvent = 0xFF;
constexpr unsigned char kMetaTempo = 0x51;
constexpr unsigned char kMetaEndOfTrack = 0x2F;
constexpr unsigned char kSysEx = 0xF0;
constexpr unsigned char kSysExContinued = 0xF7;

struct TempoChange {
  std::uint64_t tick;
  std::uint64_t microsecondsPerQuarter;
};

std::uint32_t bigEndian(std::string_view bytes, std::size_t at, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}

// The events of one track, read only for their times and tempo changes.
class TrackReader {
 public:
  explicit TrackReader(std::string_view data) : data_(data) {}

  // The tick of the last event read in full; tempo changes appended.
  std::uint64_t read(std::vector<TempoChange>& tempos) {
    std::uint64_t tick = 0;
    unsigned char running = 0;
    while (at_ < data_.size()) {
      const std::optional<std::uint32_t> delta = variableLength();
      if (!delta || at_ >= data_.size()) break;
      const std::uint64_t eventTick = tick + *delta;
      unsigned char status = byteAt(at_);
      if (status < 0x80) {
        if (running == 0) break;  // data without a status to repeat
        status = running;
      } else {
        ++at_;
      }
      bool ended = false;
      if (status == kMetaEvent) {
        running = 0;
        if (at_ >= data_.size()) break;
        const unsigned char type = byteAt(at_++);
        const std::optional<std::uint32_t> size = variableLength();
        if (!size || *size > data_.size() - at_) break;
        if (type == kMetaTempo && *size >= 3) tempos.push_back({eventTick, bigEndian(data_, at_, 3)});
        ended = type == kMetaEndOfTrack;
        at_ += *size;
      } else if (status == kSysEx || status == kSysExContinued) {
        running = 0;
        const std::optional<std::uint32_t> size = variableLength();
        if (!size || *size > data_.size() - at_) break;
        at_ += *size;
      } else if (status > kSysEx) {
        break;  // system messages have no place in a file
      } else {
        running = status;
        const unsigned char kind = status & 0xF0;
        const std::size_t dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
        if (dataBytes > data_.size() - at_) break;
        at_ += dataBytes;
      }
      tick = eventTick;
      if (ended) break;
    }
    return tick;
  }

 private:
  unsigned char byteAt(std::size_t at) const { return static_cast<unsigned char>(data_[at]); }

  // A number in seven-bit groups, high bit set on all but the last (four at most).
  std::optional<std::uint32_t> variableLength() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4 && at_ < data_.size(); ++i) {
      const unsigned char byte = byteAt(at_++);
      value = (value << 7) | (byte & 0x7FU);
      if ((byte & 0x80) == 0) return value;
    }
    return std::nullopt;
  }

  std::string_view data_;
  std::size_t at_ = 0;
};

// Ticks to microseconds for a division in ticks per quarter note.
std::uint64_t metricalMicroseconds(std::uint64_t endTick, std::uint64_t ticksPerQuarter,
                                   std::vector<TempoChange> tempos) {
  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
  std::uint64_t total = 0;
  std::uint64_t tick = 0;
  std::uint64_t tempo = kDefaultTempo;
  const auto advanceTo = [&](std::uint64_t until) {
    const std::uint64_t ticks = until - tick;
    total += ticks / ticksPerQuarter * tempo + ticks % ticksPerQuarter * tempo / ticksPerQuarter;
    tick = until;
  };
  for (const TempoChange& change : tempos) {
    advanceTo(std::min(change.tick, endTick));
    tempo = change.microsecondsPerQuarter;
  }
  advanceTo(endTick);
  return total;
}

}  // namespace

std::uint64_t midiLengthMs(std::string_view smf) {
  constexpr std::size_t kChunkHeader = 8;
  constexpr std::size_t kHeaderFields = 6;  // format, track count, division
  if (smf.size() < kChunkHeader + kHeaderFields || smf.substr(0, 4) != "MThd") return 0;
  const std::uint32_t division = bigEndian(smf, 12, 2);

  std::vector<TempoChange> tempos;
  std::uint64_t endTick = 0;
  std::uint64_t at = kChunkHeader + std::uint64_t{bigEndian(smf, 4, 4)};
  while (at + kChunkHeader <= smf.size()) {
    const std::size_t start = static_cast<std::size_t>(at) + kChunkHeader;
    const std::uint32_t size = bigEndian(smf, start - 4, 4);
    if (smf.substr(start - kChunkHeader, 4) == "MTrk") {
      endTick = std::max(endTick, TrackReader(smf.substr(start, size)).read(tempos));
    }
    at = start + std::uint64_t{size};
  }

  if ((division & 0x8000U) != 0) {
    // SMPTE time: frames per second (negated, 29 meaning 29.97) and ticks per frame.
    const std::uint64_t framesPerSecond = 256 - (division >> 8);
    const std::uint64_t ticksPerFrame = division & 0xFFU;
    if (ticksPerFrame == 0) return 0;
    if (framesPerSecond == 29) return endTick * 1000 * 1001 / (30000 * ticksPerFrame);
    return endTick * 1000 / (framesPerSecond * ticksPerFrame);
  }
  if (division == 0) return 0;
  return metricalMicroseconds(endTick, division, std::move(tempos)) / 1000;
}

}  // namespace quorlen::backends

#include "backends/headless/media/media_file_headers.h"

#include <cstddef>
#include <optional>

#include "backends/headless/media/midi_duration.h"

namespace quorlen::backends {
namespace {

constexpr std::size_t kChunkHeaderSize = 8;  // four-letter id, 32-bit little-endian size
constexpr std::size_t kRiffHeaderSize = 12;  // "RIFF", size, form type

std::uint32_t littleEndian32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return value;
}

bool isRiffForm(std::string_view bytes, std::string_view form) {
  return bytes.size() >= kRiffHeaderSize && bytes.substr(0, 4) == "RIFF" && bytes.substr(8, 4) == form;
}

// The chunks of a RIFF body, one after the other. A chunk that runs past the
// end of the body is cut where the body ends.
class ChunkWalk {
 public:
  explicit ChunkWalk(std::string_view body) : body_(body) {}

  // The data of the next chunk named `id`, skipping others.
  std::optional<std::string_view> next(std::string_view id) {
    while (at_ + kChunkHeaderSize <= body_.size()) {
      const std::string_view name = body_.substr(at_, 4);
      const std::uint64_t size = littleEndian32(body_, at_ + 4);
      const std::size_t start = at_ + kChunkHeaderSize;
      const std::string_view data = body_.substr(start, static_cast<std::size_t>(size));
      // Chunks start on even offsets.
      const std::uint64_t following = start + size + (size & 1U);
      at_ = following > body_.size() ? body_.size() : static_cast<std::size_t>(following);
      if (name == id) return data;
    }
    return std::nullopt;
  }

 private:
  std::string_view body_;
  std::size_t at_ = 0;
};

std::string_view riffBody(std::string_view bytes) { return bytes.substr(kRiffHeaderSize); }

// A wave file the desktop can begin to decode: a format chunk naming at
// least one channel and a sample rate, and a data chunk.
bool isPlayableWave(std::string_view bytes) {
  if (!isRiffForm(bytes, "WAVE")) return false;
  constexpr std::size_t kFormatFields = 16;  // tag, channels, rate, byte rate, block align, bits
  const std::optional<std::string_view> format = ChunkWalk(riffBody(bytes)).next("fmt ");
  if (!format || format->size() < kFormatFields) return false;
  const bool anyChannel = (*format)[2] != '\0' || (*format)[3] != '\0';
  return anyChannel && littleEndian32(*format, 4) > 0 && ChunkWalk(riffBody(bytes)).next("data").has_value();
}

}  // namespace

bool hasMediaHeader(MediaDeviceType type, std::string_view bytes) {
  switch (type) {
    case MediaDeviceType::WaveAudio: return isPlayableWave(bytes);
    case MediaDeviceType::Sequencer: return midiFileIn(bytes).substr(0, 4) == "MThd";
    case MediaDeviceType::AviVideo: return isRiffForm(bytes, "AVI ");
  }
  return false;
}

std::uint64_t mediaLengthMs(MediaDeviceType type, std::string_view bytes) {
  switch (type) {
    case MediaDeviceType::WaveAudio: return waveLengthMs(bytes);
    case MediaDeviceType::Sequencer: return midiLengthMs(midiFileIn(bytes));
    case MediaDeviceType::AviVideo: return aviLengthMs(bytes);
  }
  return 0;
}

std::uint64_t waveLengthMs(std::string_view bytes) {
  if (!isRiffForm(bytes, "WAVE")) return 0;
  // The byte rate follows the format tag, channel count and sample rate.
  constexpr std::size_t kByteRateAt = 8;
  const std::optional<std::string_view> format = ChunkWalk(riffBody(bytes)).next("fmt ");
  const std::optional<std::string_view> data = ChunkWalk(riffBody(bytes)).next("data");
  if (!format || !data || format->size() < kByteRateAt + 4) return 0;
  const std::uint64_t byteRate = littleEndian32(*format, kByteRateAt);
  if (byteRate == 0) return 0;
  return std::uint64_t{data->size()} * 1000 / byteRate;
}

std::uint64_t aviLengthMs(std::string_view bytes) {
  if (!isRiffForm(bytes, "AVI ")) return 0;
  constexpr std::size_t kFrameTimeAt = 0;    // avih: microseconds per frame
  constexpr std::size_t kTotalFramesAt = 16;
  constexpr std::size_t kScaleAt = 20;       // strh: the rate is rate / scale frames a second
  constexpr std::size_t kRateAt = 24;
  constexpr std::size_t kLengthAt = 32;      // strh: frames
  ChunkWalk lists(riffBody(bytes));
  while (const std::optional<std::string_view> list = lists.next("LIST")) {
    if (list->size() < 4 || list->substr(0, 4) != "hdrl") continue;
    // The picture stream's own header counts exactly; the main header's
    // frame time is rounded to whole microseconds.
    ChunkWalk streams(list->substr(4));
    while (const std::optional<std::string_view> stream = streams.next("LIST")) {
      if (stream->size() < 4 || stream->substr(0, 4) != "strl") continue;
      const std::optional<std::string_view> header = ChunkWalk(stream->substr(4)).next("strh");
      if (!header || header->size() < kLengthAt + 4 || header->substr(0, 4) != "vids") continue;
      const std::uint64_t scale = littleEndian32(*header, kScaleAt);
      const std::uint64_t rate = littleEndian32(*header, kRateAt);
      const std::uint64_t frames = littleEndian32(*header, kLengthAt);
      if (scale == 0 || rate == 0) break;
      return (frames * scale * 1000 + rate / 2) / rate;
    }
    const std::optional<std::string_view> header = ChunkWalk(list->substr(4)).next("avih");
    if (!header || header->size() < kTotalFramesAt + 4) return 0;
    const std::uint64_t frameTime = littleEndian32(*header, kFrameTimeAt);
    const std::uint64_t frames = littleEndian32(*header, kTotalFramesAt);
    return (frameTime * frames + 500) / 1000;
  }
  return 0;
}

std::string_view midiFileIn(std::string_view bytes) {
  if (bytes.substr(0, 4) == "MThd") return bytes;
  if (!isRiffForm(bytes, "RMID")) return {};
  const std::optional<std::string_view> data = ChunkWalk(riffBody(bytes)).next("data");
  return data ? *data : std::string_view{};
}

}  // namespace quorlen::backends

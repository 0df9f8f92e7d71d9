#pragma once
// The bytes of small media files, built field by field so that each test
// states the length it expects from the header values it chose.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace quorlen::testing {

// A RIFF file of form `form` ("WAVE", "AVI ", "RMID") holding `chunks`,
// each already made by riffChunk.
[[nodiscard]] std::string riffFile(std::string_view form, const std::vector<std::string>& chunks);
[[nodiscard]] std::string riffChunk(std::string_view id, std::string_view data);

// PCM wave audio: fmt chunk with this byte rate, data chunk of this many bytes.
[[nodiscard]] std::string waveFile(std::uint32_t byteRate, std::uint32_t dataBytes);

// An AVI file whose main header gives this frame time and frame count.
[[nodiscard]] std::string aviFile(std::uint32_t microsecondsPerFrame, std::uint32_t frames);

// A standard MIDI file (format 1) with these track bodies (raw events).
[[nodiscard]] std::string midiFile(std::uint16_t division, const std::vector<std::string>& tracks);

// Raw bytes written as numbers, for track events: bytes({0x00, 0xFF, 0x2F, 0x00}).
[[nodiscard]] std::string bytes(std::initializer_list<int> values);

}  // namespace quorlen::testing
